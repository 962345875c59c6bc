#pragma once
// Answers http(s) addresses from a saved copy of the sites, laid out as a
// mirroring download leaves it: DIR/HOST/PATH, DIR/HOST:PORT/PATH when the
// address names a port other than the scheme's own, the query kept in the
// file name ("cgi?x=1"), and "index.html" for an address that ends with "/".
// Nothing goes to the network and nothing is written; no address can name a
// file outside DIR. Any other address is refused.

#include "page/Fetcher.h"
#include "page/LocalFetcher.h"

#include <optional>

namespace sumire {

// The name under the archive folder for an http(s) address ("host:8080/a/b.txt"),
// or nothing when the address cannot name a file inside it (no host, a "." or
// ".." part). Percent escapes are decoded, but a "/" or a control character
// stays escaped, so a decoded part never adds a folder.
std::optional<QString> archiveName(const QString& address);

class ArchiveFetcher : public Fetcher {
public:
    explicit ArchiveFetcher(const QString& folder, qint64 maxBytes = 16 * 1024 * 1024);
    FetchResult fetch(const QString& address) override;
    // Whether fetch() would answer `address` with a file, without reading it.
    bool answers(const QString& address) const;
    QString folder() const { return folder_; }
    // Whether the archive name is a folder, whose address without its "/"
    // is answered with the folder's index page.
    bool isFolder(const QString& name) const;

private:
    std::optional<QString> fileFor(const QString& name) const;

    QString folder_;  // absolute, as given
    LocalFetcher local_;
};

}  // namespace sumire
