#pragma once
// Reaches pages and attachment files: an http(s) address over the network, any
// other address as a local file. A fetch returns the whole resource or fails.

#include <QByteArray>
#include <QDeadlineTimer>
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

    // A page request gives its page and all its attachments one deadline;
    // fetches made until it is lifted end by then.
    void setDeadline(QDeadlineTimer deadline) { deadline_ = deadline; }
    // Stops the request: the fetch under way ends soon, the next at once.
    void cancel() { deadline_ = QDeadlineTimer(0); }
    QDeadlineTimer deadline() const { return deadline_; }
    // The time a whole request may take.
    virtual int requestTimeMs() const { return kRequestTimeMs; }
    static constexpr int kRequestTimeMs = 30000;

private:
    QDeadlineTimer deadline_{QDeadlineTimer::Forever};
};

bool isNetworkAddress(const QString& address);

}  // namespace sumire
