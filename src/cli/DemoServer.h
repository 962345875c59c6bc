#pragma once
// The demo: an HTTP server on 127.0.0.1 that serves the sample pages from
// inside the program, so that links, fetched attachments and the keypad work
// without any network. It answers GET for the files that lie directly in its
// folder and nothing else (404). Pages (.txt) are served as Shift_JIS text
// with "{BASE}" replaced by the server's own address; every other file as
// bytes.
//
// It runs on the thread that creates it: the window's fetches run a local
// event loop, during which the server answers.

#include <QAbstractHttpServer>
#include <QString>
#include <optional>

namespace sumire {

class DemoServer : public QAbstractHttpServer {
    Q_OBJECT
public:
    explicit DemoServer(QString folder, QObject* parent = nullptr);

    // Listens on 127.0.0.1 on a free port; false when it cannot.
    bool start();
    quint16 port() const { return port_; }
    QString url(const QString& path = {}) const;  // "http://127.0.0.1:PORT" + path
    QString indexUrl() const { return url(QStringLiteral("/index.txt")); }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    // The file a request names, when it is one this server serves.
    std::optional<QString> servedFile(const QHttpServerRequest& request) const;

    QString folder_;
    quint16 port_ = 0;
};

}  // namespace sumire
