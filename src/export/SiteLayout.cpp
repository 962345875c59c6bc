#include "export/SiteLayout.h"

#include "export/ArchiveAssets.h"
#include "page/ArchiveFetcher.h"
#include "page/AttachmentFolder.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileInfo>
#include <QUrl>

namespace sumire {
namespace {

// The files of the export itself, at the top of OUT.
bool reservedTop(const QString& name) {
    const QString n = name.toLower();
    return n == QLatin1String(kAssetsFolder) || n == u"index.html" || n == u"missing.html" || n.startsWith(u"index-");
}

bool plainCharacter(QChar c) {
    if (c.unicode() >= 0x80) return c.isPrint() && !c.isSurrogate();
    return c.isLetterOrNumber() || QStringLiteral("-._~=,+").contains(c);
}

QString escaped(const QString& part) {
    QString out;
    for (qsizetype i = 0; i < part.size(); ++i) {
        const QChar c = part[i];
        const bool hidden = i == 0 && c == u'.';  // no hidden or "." names
        if (plainCharacter(c) && !hidden) out += c;
        else
            for (const char b : QString(c).toUtf8()) out += QStringLiteral("_%1").arg(uchar(b), 2, 16, QChar(u'0'));
    }
    return out.isEmpty() ? QStringLiteral("_") : out;
}

// A name too long for a file system keeps its start and a digest.
QString capped(const QString& name) {
    if (name.toUtf8().size() <= 160) return name;
    const QByteArray digest = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return name.left(50) + u'~' + QString::fromLatin1(digest);
}

QString safePart(const QString& part) { return capped(escaped(part)); }

QString pageFileName(const QString& last) {
    const qsizetype query = last.indexOf(u'?');
    QString base = query < 0 ? last : last.left(query);
    for (const char* ext : {".txt", ".html", ".htm"})
        if (query < 0 && base.endsWith(QLatin1String(ext), Qt::CaseInsensitive) && base.size() > int(strlen(ext)))
            base.chop(qsizetype(strlen(ext)));
    QString name = escaped(base);
    if (query >= 0) name += u'@' + escaped(last.mid(query + 1));
    return capped(name) + QStringLiteral(".html");
}

bool attachmentKind(const QString& file) {
    static const QStringList kinds{"bmp", "jpg", "jpeg", "gif", "png", "dxm", "dat", "mld"};
    return kinds.contains(QFileInfo(file).suffix().toLower());
}

// The address a mirroring download saved as `relative`.
QString addressOf(const QString& relative) {
    QStringList parts = relative.split(u'/');
    QString address = QStringLiteral("http://") + parts.takeFirst();
    QString query;
    if (const qsizetype q = parts.last().indexOf(u'?'); q >= 0) {
        query = u'?' + QString::fromLatin1(QUrl::toPercentEncoding(parts.last().mid(q + 1), "=&"));
        parts.last().truncate(q);
    }
    if (parts.last() == u"index.html" && query.isEmpty()) parts.last().clear();
    for (const QString& p : parts) address += u'/' + QString::fromLatin1(QUrl::toPercentEncoding(p));
    return address + query;
}

}  // namespace

QString siteOutputName(const QString& archiveName, bool page) {
    QStringList parts = archiveName.split(u'/');
    QString host = safePart(parts.takeFirst().replace(u':', u'_'));
    if (reservedTop(host)) host += QStringLiteral("-site");
    QStringList out{host};
    const QString last = parts.isEmpty() ? QString() : parts.takeLast();
    for (const QString& p : parts) out << safePart(p);
    out << (page ? pageFileName(last) : safePart(last));
    return out.join(u'/');
}

QString siteAttachmentBeside(const QString& pageOutput, const QString& name) {
    const QString plain = AttachmentFolder::plainFileName(name);
    return pageOutput.left(pageOutput.lastIndexOf(u'/') + 1) + safePart(plain);
}

QStringList archivePageAddresses(const ArchiveFetcher& archive) {
    const QString top = archive.folder();
    QStringList names;
    QDirIterator it(top, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = it.next().mid(top.size() + 1);
        if (!attachmentKind(relative) && relative.contains(u'/')) names << relative;
    }
    names.sort();
    QStringList addresses;
    for (const QString& name : names) {
        const QString address = addressOf(name);
        if (archiveName(address) == name && archive.answers(address)) addresses << address;
    }
    return addresses;
}

QString takeName(UniqueNames& names, const QString& file) {
    const qsizetype dot = file.lastIndexOf(u'.');
    if (dot <= file.lastIndexOf(u'/') + 1) return names.take(file, {});
    return names.take(file.left(dot), file.mid(dot));
}

}  // namespace sumire
