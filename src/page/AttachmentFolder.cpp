#include "page/AttachmentFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace sumire {
namespace {

constexpr qsizetype kMaxNameBytes = 200;  // well inside a file system's name limit

bool unwantedInName(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F || QStringView(u"*?\"<>|:").contains(c);
}

}  // namespace

AttachmentFolder::AttachmentFolder(QString dir) : dir_(dir.isEmpty() ? dir : QDir::cleanPath(dir)) {}

AttachmentFolder AttachmentFolder::inside(const QString& base) {
    return AttachmentFolder(base.isEmpty() ? QString() : base + QStringLiteral("/attachments"));
}

bool AttachmentFolder::make(QString* error) {
    auto refuse = [&](const QString& reason) {
        const QString folder = dir_.isEmpty() ? QString() : u' ' + dir_;
        if (error) *error = QStringLiteral("cannot make the attachment folder%1: %2").arg(folder, reason);
        return false;
    };
    if (dir_.isEmpty() || QDir::isRelativePath(dir_)) return refuse(QStringLiteral("no folder to make it in"));
    const QFileInfo folder(dir_);
    if (folder.isSymLink()) return refuse(QStringLiteral("a link stands in its place"));
    if (folder.isDir()) return true;
    if (!QFileInfo(folder.path()).isDir()) return refuse(QStringLiteral("its folder %1 is missing").arg(folder.path()));
    if (folder.exists()) return refuse(QStringLiteral("a file stands in its place"));
    if (!QDir().mkdir(dir_)) return refuse(QStringLiteral("the folder cannot be written"));
    return true;
}

QString AttachmentFolder::plainFileName(const QString& pageName) {
    // Only the last path component counts, whichever separator the page used.
    const qsizetype cut = std::max(pageName.lastIndexOf(u'/'), pageName.lastIndexOf(u'\\'));
    QString name = pageName.mid(cut + 1);
    // A drive prefix without a separator ("C:name").
    if (name.size() >= 2 && name[1] == u':' && name[0].isLetter()) name = name.mid(2);
    name.removeIf(unwantedInName);
    name = name.trimmed();
    // Keep the end of an over-long name, so its extension stays.
    while (name.toUtf8().size() > kMaxNameBytes) name.remove(0, 1);
    if (name.isEmpty() || name == u"." || name == u"..") return {};
    return name;
}

QString AttachmentFolder::write(const QString& pageName, const QByteArray& bytes, QString* error) {
    const QString name = plainFileName(pageName);
    if (name.isEmpty()) {
        if (error) *error = QStringLiteral("no usable file name");
        return {};
    }
    if (!make(error)) return {};
    const QString path = dir_ + u'/' + name;
    // A link planted in the folder is replaced, never written through.
    if (QFileInfo(path).isSymLink()) QFile::remove(path);
    // A temporary file needs no sync to disk; a write that fails part way
    // removes what it wrote, so that no file is left for it.
    QFile file(path);
    const bool whole =
        file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!whole || file.error() != QFileDevice::NoError) {
        if (error) *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        if (QFileInfo(path).isFile()) QFile::remove(path);
        return {};
    }
    if (!written_.contains(path)) written_ << path;
    return path;
}

QString AttachmentFolder::writtenPath(const QString& pageName) const {
    const QString name = plainFileName(pageName);
    if (name.isEmpty()) return {};
    const QString path = dir_ + u'/' + name;
    return written_.contains(path) && QFileInfo(path).isFile() ? path : QString();
}

QStringList AttachmentFolder::removeWritten() {
    QStringList failed;
    for (const QString& path : std::as_const(written_))
        if (QFileInfo::exists(path) && !QFile::remove(path)) failed << path;
    written_.clear();
    return failed;
}

}  // namespace sumire
