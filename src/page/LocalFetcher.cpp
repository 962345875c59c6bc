#include "page/LocalFetcher.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace sumire {

bool isNetworkAddress(const QString& address) {
    return address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

namespace {

QString pathOf(const QString& address) {
    if (address.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) return QUrl(address).toLocalFile();
    return address;
}

FetchResult failure(const QString& path, const QString& reason) {
    FetchResult result;
    result.error = QStringLiteral("cannot read %1: %2").arg(path, reason);
    return result;
}

QString tooLarge(qint64 maxBytes) { return QStringLiteral("larger than %1 bytes").arg(maxBytes); }

}  // namespace

FetchResult LocalFetcher::fetch(const QString& address) {
    const QString path = pathOf(address);
    if (path.isEmpty()) return failure(address, QStringLiteral("no file name"));
    const QFileInfo info(path);
    if (!info.exists()) return failure(path, QStringLiteral("No such file"));
    if (info.isDir()) return failure(path, QStringLiteral("it is a folder"));
    if (info.size() > maxBytes_) return failure(path, tooLarge(maxBytes_));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return failure(path, file.errorString());
    // One byte past the limit: a file that grew since the size check, or a
    // device without a size, is still refused rather than read without end.
    FetchResult result;
    result.body = file.read(maxBytes_ + 1);
    if (file.error() != QFileDevice::NoError) return failure(path, file.errorString());
    if (result.body.size() > maxBytes_) return failure(path, tooLarge(maxBytes_));
    result.ok = true;
    return result;
}

}  // namespace sumire
