#include "page/ArchiveFetcher.h"

#include "page/LocalRead.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace sumire {
namespace {

// One part of a path or the query as a file name: escapes decoded, except
// the ones that would make a folder or an unprintable name.
QString decodePart(const QString& encoded) {
    const QByteArray bytes = QByteArray::fromPercentEncoding(encoded.toLatin1());
    QByteArray name;
    name.reserve(bytes.size());
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f || c == '/') name += '%' + QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
        else name += c;
    }
    return QString::fromUtf8(name);
}

FetchResult missing(const QString& address) {
    FetchResult result;
    result.error = QStringLiteral("not in the archive: %1").arg(address);
    return result;
}

}  // namespace

std::optional<QString> archiveName(const QString& address) {
    const QUrl url(address);
    if (!isNetworkAddress(address) || !url.isValid()) return std::nullopt;
    QString host = url.host(QUrl::FullyEncoded).toLower();
    if (host.isEmpty() || host == u"." || host == u".." || host.contains(u'/')) return std::nullopt;
    const int schemePort = url.scheme().compare(u"https", Qt::CaseInsensitive) == 0 ? 443 : 80;
    if (url.port() != -1 && url.port() != schemePort) host += u':' + QString::number(url.port());

    QStringList parts{host};
    const QStringList segments = url.path(QUrl::FullyEncoded).split(u'/');
    for (const QString& segment : segments) {
        if (segment.isEmpty()) continue;
        const QString part = decodePart(segment);
        if (part == u"." || part == u"..") return std::nullopt;
        parts << part;
    }
    // An address of a folder was saved as the folder's index page.
    if (segments.last().isEmpty()) parts << QStringLiteral("index.html");
    if (url.hasQuery()) parts.last() += u'?' + decodePart(url.query(QUrl::FullyEncoded));
    return parts.join(u'/');
}

ArchiveFetcher::ArchiveFetcher(const QString& folder, qint64 maxBytes)
    : folder_(QDir::cleanPath(QFileInfo(folder).absoluteFilePath())), local_(maxBytes) {}

// The file's real path, when it is a file and it, with every link on the way
// resolved, lies inside the folder.
std::optional<QString> ArchiveFetcher::fileFor(const QString& name) const {
    if (!QFileInfo(folder_).isDir()) return std::nullopt;
    QString path = folder_ + u'/' + name;
    // A folder's address without its "/" was answered with the folder's index.
    if (isFolder(name)) path += QStringLiteral("/index.html");
    const std::optional<QString> real = confinedPath(folder_, path);
    if (!real || !QFileInfo(*real).isFile()) return std::nullopt;
    return real;
}

bool ArchiveFetcher::isFolder(const QString& name) const { return QFileInfo(folder_ + u'/' + name).isDir(); }

bool ArchiveFetcher::answers(const QString& address) const {
    const std::optional<QString> name = isNetworkAddress(address) ? archiveName(address) : std::nullopt;
    return name && fileFor(*name);
}

FetchResult ArchiveFetcher::fetch(const QString& address) {
    if (!isNetworkAddress(address)) {
        FetchResult refused;
        refused.error = QStringLiteral("archive mode answers only http addresses: %1").arg(address);
        return refused;
    }
    const std::optional<QString> name = archiveName(address);
    const std::optional<QString> file = name ? fileFor(*name) : std::nullopt;
    if (!file) return missing(address);
    return local_.fetch(*file);
}

}  // namespace sumire
