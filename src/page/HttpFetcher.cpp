#include "page/HttpFetcher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

namespace sumire {

namespace {

// What one request/response exchange came to. `decided` is set as soon as
// the outcome is known, which may be before the body has arrived.
struct Hop {
    bool decided = false;
    FetchResult result;
    QUrl redirectTo;  // valid when the answer is a redirect to follow
};

Hop failedHop(const QString& error) {
    Hop hop;
    hop.decided = true;
    hop.result.error = error;
    return hop;
}

QString tooLarge(qint64 maxBytes) { return QStringLiteral("the response is larger than %1 bytes").arg(maxBytes); }

QString durationText(int ms) {
    if (ms % 1000 == 0) return QStringLiteral("%1 s").arg(ms / 1000);
    return QStringLiteral("%1 ms").arg(ms);
}

bool isRedirectStatus(int code) { return code == 301 || code == 302 || code == 303 || code == 307 || code == 308; }

QString charsetOf(const QByteArray& contentType) {
    const QList<QByteArray> parts = contentType.split(';');
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const qsizetype eq = parts[i].indexOf('=');
        if (eq < 0 || parts[i].left(eq).trimmed().toLower() != "charset") continue;
        QByteArray value = parts[i].mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) value = value.mid(1, value.size() - 2);
        return QString::fromLatin1(value).trimmed().toLower();
    }
    return {};
}

QString networkErrorText(const QNetworkReply& reply) {
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError: return QStringLiteral("connection refused");
    case QNetworkReply::RemoteHostClosedError: return QStringLiteral("the server closed the connection");
    case QNetworkReply::HostNotFoundError: return QStringLiteral("host not found: %1").arg(reply.url().host());
    case QNetworkReply::TimeoutError: return QStringLiteral("the connection timed out");
    case QNetworkReply::SslHandshakeFailedError: return QStringLiteral("the secure connection failed");
    default: return reply.errorString();
    }
}

// Judges what the response headers already tell: an error status, a redirect
// or a declared length over the limit. Anything else leaves the hop open.
void judgeHeaders(const QNetworkReply& reply, qint64 maxBytes, Hop& hop) {
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (hop.decided || !status.isValid()) return;
    const int code = status.toInt();
    if (code >= 400) {
        const QString reason = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        hop = failedHop(QStringLiteral("HTTP %1 %2").arg(code).arg(reason).trimmed());
        return;
    }
    if (isRedirectStatus(code) && reply.hasRawHeader("Location")) {
        hop.decided = true;
        hop.redirectTo = reply.url().resolved(QUrl::fromEncoded(reply.rawHeader("Location"), QUrl::TolerantMode));
        return;
    }
    bool known = false;
    const qint64 length = reply.header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    if (known && length > maxBytes) hop = failedHop(tooLarge(maxBytes));
}

// The outcome once the transfer has ended without an earlier decision.
Hop finishedHop(QNetworkReply& reply, QByteArray body, qint64 maxBytes) {
    Hop hop;
    judgeHeaders(reply, maxBytes, hop);
    if (hop.decided) return hop;
    if (reply.error() != QNetworkReply::NoError) return failedHop(networkErrorText(reply));
    body += reply.readAll();
    if (body.size() > maxBytes) return failedHop(tooLarge(maxBytes));
    hop.decided = true;
    hop.result.ok = true;
    hop.result.body = std::move(body);
    hop.result.charset = charsetOf(reply.rawHeader("Content-Type"));
    return hop;
}

// While a fetch waits, the window paints and its close box is heard (the
// window then stops the request); no other input reaches it.
class InputHold : public QObject {
public:
    InputHold() {
        if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::InputMethod:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove: return true;
        default: return false;
        }
    }
};

// Runs one GET to its end, until `deadline`, or until the owner's deadline is
// moved up (a stopped request), in a local event loop.
Hop exchange(QNetworkAccessManager& manager, const QUrl& url, const FetchLimits& limits, const QDeadlineTimer& deadline,
             const Fetcher& owner) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    Hop hop;
    QByteArray body;
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    auto decide = [&](Hop outcome) {
        if (!hop.decided) hop = std::move(outcome);
        loop.quit();
    };
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        decide(failedHop(QStringLiteral("timed out after %1").arg(durationText(limits.timeoutMs))));
    });
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        judgeHeaders(*reply, limits.maxBytes, hop);
        if (hop.decided) loop.quit();
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        body += reply->readAll();
        if (body.size() > limits.maxBytes) decide(failedHop(tooLarge(limits.maxBytes)));
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop,
                     [&] { decide(finishedHop(*reply, std::move(body), limits.maxBytes)); });

    QTimer stopped;
    QObject::connect(&stopped, &QTimer::timeout, &loop, [&] {
        if (owner.deadline().hasExpired()) decide(failedHop(QStringLiteral("the request was stopped")));
    });
    stopped.start(50);
    // A coarse timer may fire early; this one fires only once the deadline has
    // passed, so that the next fetch of the request finds it expired.
    timer.setTimerType(Qt::PreciseTimer);
    timer.start(std::max<qint64>(0, deadline.remainingTime()) + 1);
    const InputHold hold;
    loop.exec();
    if (!reply->isFinished()) {
        reply->disconnect(&loop);
        reply->abort();
    }
    return hop;
}

}  // namespace

HttpFetcher::HttpFetcher(FetchLimits limits) : limits_(limits), local_(limits.maxBytes) {}

FetchResult HttpFetcher::fetch(const QString& address) {
    if (isNetworkAddress(address)) return fetchHttp(address);
    return local_.fetch(address);
}

FetchResult HttpFetcher::fetchHttp(const QString& address) {
    QUrl url(address);
    if (!url.isValid() || url.host().isEmpty()) {
        FetchResult result;
        result.error = QStringLiteral("not a valid address: %1").arg(address);
        return result;
    }
    // A manager per fetch: nothing carries over between fetches, and the
    // fetch works on whichever thread calls it.
    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    // The request's deadline, when it comes before this fetch's own.
    const QDeadlineTimer deadline = std::min(QDeadlineTimer(limits_.timeoutMs), this->deadline());
    if (deadline.hasExpired()) return failedHop(QStringLiteral("the request's time ran out")).result;
    for (int redirects = 0;; ++redirects) {
        Hop hop = exchange(manager, url, limits_, deadline, *this);
        if (!hop.redirectTo.isValid()) return hop.result;
        if (redirects == limits_.maxRedirects)
            return failedHop(QStringLiteral("too many redirects (more than %1)").arg(limits_.maxRedirects)).result;
        url = hop.redirectTo;
        if (!isNetworkAddress(url.toString()))
            return failedHop(QStringLiteral("redirected to an address that is not http(s): %1").arg(url.toString()))
                .result;
    }
}

}  // namespace sumire
