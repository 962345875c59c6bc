#pragma once
// Fetches http(s) addresses with Qt Network, synchronously for the caller, and
// hands every other address to a LocalFetcher.

#include "page/Fetcher.h"
#include "page/LocalFetcher.h"

namespace sumire {

struct FetchLimits {
    int timeoutMs = 30000;
    int maxRedirects = 5;
    qint64 maxBytes = 16 * 1024 * 1024;
};

class HttpFetcher : public Fetcher {
public:
    explicit HttpFetcher(FetchLimits limits = {});
    FetchResult fetch(const QString& address) override;
    int requestTimeMs() const override { return limits_.timeoutMs; }

private:
    FetchResult fetchHttp(const QString& address);
    FetchLimits limits_;
    LocalFetcher local_;
};

}  // namespace sumire
