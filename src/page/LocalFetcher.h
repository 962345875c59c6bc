#pragma once
#include "page/Fetcher.h"
#include "page/LocalRead.h"

namespace sumire {

// Reads an address that is a local path (or a file: URL) as a file.
class LocalFetcher : public Fetcher {
public:
    explicit LocalFetcher(qint64 maxBytes = kMaxPageBytes) : maxBytes_(maxBytes) {}
    FetchResult fetch(const QString& address) override;

private:
    qint64 maxBytes_;
};

}  // namespace sumire
