#include "cli/DemoServer.h"

#include "page/PageFile.h"
#include "store/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponder>

namespace sumire {
namespace {

const QByteArray kPageType = "text/plain; charset=Shift_JIS";
const QByteArray kFileType = "application/octet-stream";

// A plain file name: no folders, no "." or "..", no hidden files.
bool isPlainName(const QString& name) {
    return !name.isEmpty() && !name.startsWith(u'.') && !name.contains(u'/') && !name.contains(u'\\') &&
           !name.contains(QChar(0));
}

}  // namespace

DemoServer::DemoServer(QString folder, QObject* parent) : QAbstractHttpServer(parent), folder_(std::move(folder)) {}

bool DemoServer::start() {
    port_ = listen(QHostAddress::LocalHost, 0);
    return port_ != 0;
}

QString DemoServer::url(const QString& path) const { return QStringLiteral("http://127.0.0.1:%1").arg(port_) + path; }

std::optional<QString> DemoServer::servedFile(const QHttpServerRequest& request) const {
    if (request.method() != QHttpServerRequest::Method::Get) return std::nullopt;
    const QString path = request.url().path();
    if (!path.startsWith(u'/') || !isPlainName(path.mid(1))) return std::nullopt;
    const QFileInfo file(QDir(folder_).filePath(path.mid(1)));
    // The file itself must lie in the folder, also after following links.
    if (!file.isFile()) return std::nullopt;
    if (QFileInfo(file.canonicalFilePath()).path() != QFileInfo(folder_).canonicalFilePath()) return std::nullopt;
    return file.filePath();
}

bool DemoServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    const std::optional<QString> path = servedFile(request);
    if (!path) return false;
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    QHttpServerResponder responder = makeResponder(request, socket);
    if (path->endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        responder.write(replaceBaseInBytes(bytes, url().toLatin1()), kPageType);
    else responder.write(bytes, kFileType);
    return true;
}

void DemoServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    makeResponder(request, socket)
        .write(QByteArrayLiteral("Not found\n"), "text/plain", QHttpServerResponder::StatusCode::NotFound);
}

}  // namespace sumire
