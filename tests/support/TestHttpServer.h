#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for tests. It runs on its own thread,
// so the test thread may block in a synchronous fetch while it answers. Each
// connection carries one request and is closed after the answer.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

namespace sumire::test {

class TestHttpServer {
public:
    TestHttpServer();   // listening on a free port when it returns
    ~TestHttpServer();  // closes every connection and ends the thread
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    bool isListening() const { return port_ != 0; }
    quint16 port() const { return port_; }
    QString url(const QString& path) const;  // "http://127.0.0.1:PORT" + path

    // Routes, by exact request path (the query is part of the path).
    void serveBytes(const QString& path, const QByteArray& body, const QByteArray& contentType = "text/plain",
                    int status = 200);
    // Every path under `prefix` (which ends with "/") names a file of `folder`;
    // a missing file is a 404.
    void serveFolder(const QString& prefix, const QString& folder,
                     const QByteArray& contentType = "application/octet-stream");
    void redirect(const QString& path, const QByteArray& location, int status = 302);
    void stallBeforeHeaders(const QString& path);  // reads the request, never answers
    // Headers declaring `declaredLength` bytes (no length if negative), then
    // `part` of the body, then nothing.
    void stallMidBody(const QString& path, qint64 declaredLength, const QByteArray& part);
    void resetConnection(const QString& path);  // answers with a TCP reset
    // `size` filler bytes, written as the client takes them; without a declared
    // length the end of the body is the end of the connection.
    void serveLarge(const QString& path, qint64 size, bool declareLength = true);
    // `body` one byte at a time, one byte every `intervalMs`.
    void serveSlowly(const QString& path, const QByteArray& body, int intervalMs);

    // The request targets received, in order of arrival.
    QStringList requestedPaths() const;

    struct Route;   // how one path is answered
    struct Shared;  // routes and request log, shared with the server thread

private:
    class Thread;
    void addRoute(const QString& path, Route route);

    std::shared_ptr<Shared> shared_;
    std::unique_ptr<Thread> thread_;
    quint16 port_ = 0;
};

}  // namespace sumire::test
