#pragma once
// The pages of a saved site as its visitors reach them: breadth-first from
// the start addresses, through the pages' links and their attachments, every
// page once, inside the archive only. Each page gets its output name when it
// is first reached, so a page's links are known before it is written.

#include "export/ArchiveExport.h"
#include "export/SiteLayout.h"

#include <QHash>
#include <QString>
#include <map>
#include <optional>
#include <vector>

namespace sumire {

class ArchiveFetcher;

struct SiteTarget {
    enum class Kind { Page, Missing, Beyond };  // exported, not in the archive, past the page limit
    Kind kind = Kind::Missing;
    QString output;  // of a page, relative to OUT
};

class SiteCrawl {
public:
    // `maxPages` 0: no limit; pages' names end in `pageExt` (".html").
    SiteCrawl(const ArchiveFetcher& archive, int maxPages, QString pageExt);

    // A start page, or the target of a link on the page `from` (an entry of
    // pages()); queued the first time it is reached.
    SiteTarget start(const QString& address);
    SiteTarget link(const QString& address, const ExportEntry& from);
    // The output name of an attachment file the archive holds, the same for
    // every page that names it.
    std::optional<QString> attachment(const QString& address);
    QString claim(const QString& output) { return takeName(names_, output); }

    // The queue in the order reached; it grows while it is walked.
    const std::vector<ExportEntry>& pages() const { return pages_; }
    // Each address linked to but missing from the archive, with the pages
    // that link to it.
    const std::map<QString, std::vector<ExportEntry>>& missing() const { return missing_; }
    // Pages reached but not exported because of the limit.
    qsizetype beyond() const { return qsizetype(beyond_.size()); }

private:
    const ArchiveFetcher& archive_;
    int maxPages_;
    QString pageExt_;
    UniqueNames names_;  // of every file of the export
    std::vector<ExportEntry> pages_;
    QHash<QString, QString> outputs_, attachments_;  // archive name -> output
    QSet<QString> beyond_;
    std::map<QString, std::vector<ExportEntry>> missing_;
};

}  // namespace sumire
