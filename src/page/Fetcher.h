#pragma once
// Reaches pages and attachment files: an http(s) address over the network, any
// other address as a local file. A fetch returns the whole resource or fails.

#include <QByteArray>
#include <QString>

namespace sumire {

struct FetchResult {
    bool ok = false;
    QByteArray body;
    QString charset;  // from the response's Content-Type, lower case; empty if none
    QString error;    // why the fetch failed, for the user
};

class Fetcher {
public:
    virtual ~Fetcher() = default;
    virtual FetchResult fetch(const QString& address) = 0;
};

bool isNetworkAddress(const QString& address);

}  // namespace sumire
