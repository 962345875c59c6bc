#include "TestHttpServer.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QMutexLocker>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <sys/socket.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

namespace sumire::test {

struct TestHttpServer::Route {
    enum class Kind { Bytes, Folder, Redirect, StallHeaders, StallBody, Reset, Large, Slow };
    Kind kind = Kind::Bytes;
    int status = 200;
    QByteArray contentType{};
    QByteArray body{};  // the body, the part sent before a stall, or the Location
    QString folder{};
    qint64 size = 0;  // filler size, or the length declared before a stall
    bool declareLength = true;
    int intervalMs = 0;
};

struct TestHttpServer::Shared {
    mutable QMutex mutex;
    std::map<QString, Route> routes;
    QStringList requests;

    // Records the request and finds its route: the exact path, else the
    // longest folder prefix.
    std::optional<Route> take(const QString& target) {
        QMutexLocker lock(&mutex);
        requests.append(target);
        if (auto it = routes.find(target); it != routes.end()) return it->second;
        std::optional<Route> best;
        qsizetype bestLength = -1;
        for (const auto& [path, route] : routes) {
            if (route.kind == Route::Kind::Folder && target.startsWith(path) && path.size() > bestLength) {
                best = route;
                bestLength = path.size();
            }
        }
        if (best) best->body = target.mid(bestLength).toUtf8();  // the file's name in the folder
        return best;
    }
};

namespace {

using Route = TestHttpServer::Route;

const QByteArray& fillerChunk() {
    static const QByteArray chunk(64 * 1024, 'x');
    return chunk;
}

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 303: return "See Other";
    case 307: return "Temporary Redirect";
    case 308: return "Permanent Redirect";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

QByteArray head(int status, const QByteArray& contentType, qint64 length, const QByteArray& extra = {}) {
    QByteArray text =
        "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\nConnection: close\r\n";
    if (!contentType.isEmpty()) text += "Content-Type: " + contentType + "\r\n";
    if (length >= 0) text += "Content-Length: " + QByteArray::number(length) + "\r\n";
    return text + extra + "\r\n";
}

void sendWhole(QTcpSocket* socket, int status, const QByteArray& contentType, const QByteArray& body,
               const QByteArray& extra = {}) {
    socket->write(head(status, contentType, body.size(), extra) + body);
    socket->disconnectFromHost();
}

void sendFile(QTcpSocket* socket, const Route& route) {
    const QString name = QUrl::fromPercentEncoding(route.body);
    QFile file(QDir(route.folder).filePath(name));
    if (name.contains(QLatin1String("..")) || !file.open(QIODevice::ReadOnly))
        return sendWhole(socket, 404, "text/plain", "not found");
    sendWhole(socket, 200, route.contentType, file.readAll());
}

void sendReset(QTcpSocket* socket) {
    const linger abortive{1, 0};  // close with RST instead of FIN
    ::setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    socket->abort();
    socket->deleteLater();
}

// Writes filler bytes as the client takes them, never much more than a few
// chunks ahead, so a large body is never held in memory.
void sendLarge(QTcpSocket* socket, const Route& route) {
    socket->write(head(200, "application/octet-stream", route.declareLength ? route.size : -1));
    auto remaining = std::make_shared<qint64>(route.size);
    auto pump = [socket, remaining] {
        const QByteArray& chunk = fillerChunk();
        while (*remaining > 0 && socket->bytesToWrite() < 4 * chunk.size()) {
            const qint64 n = std::min<qint64>(*remaining, chunk.size());
            socket->write(chunk.constData(), n);
            *remaining -= n;
        }
        if (*remaining == 0) {
            *remaining = -1;
            socket->disconnectFromHost();
        }
    };
    QObject::connect(socket, &QTcpSocket::bytesWritten, socket, pump);
    pump();
}

void sendSlowly(QTcpSocket* socket, const Route& route) {
    socket->write(head(200, "text/plain", route.body.size()));
    auto* timer = new QTimer(socket);
    auto sent = std::make_shared<qsizetype>(0);
    QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, sent, body = route.body] {
        if (*sent == body.size()) {
            timer->stop();
            socket->disconnectFromHost();
            return;
        }
        socket->write(body.mid((*sent)++, 1));
    });
    timer->start(route.intervalMs);
}

void answer(QTcpSocket* socket, const std::optional<Route>& route) {
    if (!route) return sendWhole(socket, 404, "text/plain", "not found");
    switch (route->kind) {
    case Route::Kind::Bytes: return sendWhole(socket, route->status, route->contentType, route->body);
    case Route::Kind::Folder: return sendFile(socket, *route);
    case Route::Kind::Redirect:
        return sendWhole(socket, route->status, "text/plain", {}, "Location: " + route->body + "\r\n");
    case Route::Kind::StallHeaders: return;
    case Route::Kind::StallBody: socket->write(head(200, "text/plain", route->size) + route->body); return;
    case Route::Kind::Reset: return sendReset(socket);
    case Route::Kind::Large: return sendLarge(socket, *route);
    case Route::Kind::Slow: return sendSlowly(socket, *route);
    }
}

QString requestTarget(const QByteArray& requestHead) {
    const QList<QByteArray> words = requestHead.left(requestHead.indexOf("\r\n")).split(' ');
    return words.size() >= 2 ? QString::fromLatin1(words[1]) : QString();
}

// Reads the request head of one connection, then answers it once.
void serveConnection(QTcpSocket* socket, TestHttpServer::Shared& shared) {
    struct Request {
        QByteArray head;
        bool answered = false;
    };
    auto request = std::make_shared<Request>();
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, request, &shared] {
        const QByteArray data = socket->readAll();
        if (request->answered) return;  // one request per connection; the rest is ignored
        request->head += data;
        if (!request->head.contains("\r\n\r\n")) return;
        request->answered = true;
        answer(socket, shared.take(requestTarget(request->head)));
    });
}

}  // namespace

// Owns the listening socket and every connection; all of them live and die on
// this thread.
class TestHttpServer::Thread : public QThread {
public:
    explicit Thread(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

    quint16 startListening() {
        start();
        ready_.acquire();
        return port_;
    }

protected:
    void run() override {
        QTcpServer server;
        if (server.listen(QHostAddress::LocalHost, 0)) port_ = server.serverPort();
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this, &server] {
            while (QTcpSocket* socket = server.nextPendingConnection()) serveConnection(socket, *shared_);
        });
        ready_.release();
        exec();
    }  // the server and its connections close here, on this thread

private:
    std::shared_ptr<Shared> shared_;
    QSemaphore ready_;
    quint16 port_ = 0;
};

TestHttpServer::TestHttpServer() : shared_(std::make_shared<Shared>()), thread_(std::make_unique<Thread>(shared_)) {
    port_ = thread_->startListening();
}

TestHttpServer::~TestHttpServer() {
    thread_->quit();
    thread_->wait();
}

QString TestHttpServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path);
}

void TestHttpServer::addRoute(const QString& path, Route route) {
    QMutexLocker lock(&shared_->mutex);
    shared_->routes[path] = std::move(route);
}

void TestHttpServer::serveBytes(const QString& path, const QByteArray& body, const QByteArray& contentType,
                                int status) {
    addRoute(path, {.status = status, .contentType = contentType, .body = body});
}

void TestHttpServer::serveFolder(const QString& prefix, const QString& folder, const QByteArray& contentType) {
    addRoute(prefix, {.kind = Route::Kind::Folder, .contentType = contentType, .folder = folder});
}

void TestHttpServer::redirect(const QString& path, const QByteArray& location, int status) {
    addRoute(path, {.kind = Route::Kind::Redirect, .status = status, .body = location});
}

void TestHttpServer::stallBeforeHeaders(const QString& path) { addRoute(path, {.kind = Route::Kind::StallHeaders}); }

void TestHttpServer::stallMidBody(const QString& path, qint64 declaredLength, const QByteArray& part) {
    addRoute(path, {.kind = Route::Kind::StallBody, .body = part, .size = declaredLength});
}

void TestHttpServer::resetConnection(const QString& path) { addRoute(path, {.kind = Route::Kind::Reset}); }

void TestHttpServer::serveLarge(const QString& path, qint64 size, bool declareLength) {
    addRoute(path, {.kind = Route::Kind::Large, .size = size, .declareLength = declareLength});
}

void TestHttpServer::serveSlowly(const QString& path, const QByteArray& body, int intervalMs) {
    addRoute(path, {.kind = Route::Kind::Slow, .body = body, .intervalMs = intervalMs});
}

QStringList TestHttpServer::requestedPaths() const {
    QMutexLocker lock(&shared_->mutex);
    return shared_->requests;
}

}  // namespace sumire::test
