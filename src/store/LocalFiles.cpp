#include "store/LocalFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace sumire {

QStringList mountedRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid()) roots << volume.rootPath();
    return roots;
}

QStringList driveRoots(const QString& workFolder, const QStringList& mounted) {
    QStringList roots = mounted;
    roots << QStringLiteral("/") << driveOf(workFolder, mounted);
    roots.removeDuplicates();
    roots.sort();
    return roots;
}

namespace {
// The path with its links resolved where it exists, as the mount table names folders.
QString realPath(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool holds(const QString& root, const QString& path) {
    if (root == QLatin1String("/")) return true;
    return path == root || path.startsWith(root + u'/');
}
}  // namespace

QString driveOf(const QString& path, const QStringList& mounted) {
    const QString real = realPath(path);
    QString best = QStringLiteral("/");
    for (const QString& root : mounted) {
        const QString clean = QDir::cleanPath(root);
        if (clean.size() > best.size() && holds(clean, real)) best = clean;
    }
    return best;
}

QStringList subfolders(const QString& folder) {
    return QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QStringList textFiles(const QString& folder) {
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.txt")});
    return dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QString joinPath(const QString& folder, const QString& name) { return folder + u'/' + name; }

namespace {
QString refusal(const PageFileText& file, const QString& path) {
    switch (file.failure) {
    case ReadFailure::TooLarge:
        return QCoreApplication::translate("sumire::LocalFiles", "%1 は大きすぎて開けません。").arg(path);
    case ReadFailure::Unreadable:
        return QCoreApplication::translate("sumire::LocalFiles", "%1 を読めません: %2").arg(path, file.detail);
    default: return QCoreApplication::translate("sumire::LocalFiles", "%1 というファイルはありません。").arg(path);
    }
}
}  // namespace

PageFileText loadTextFile(const QString& path, qint64 maxBytes) {
    if (path.trimmed().isEmpty())
        return {std::nullopt, QCoreApplication::translate("sumire::LocalFiles", "ファイルが選ばれていません。"),
                ReadFailure::NoName};
    PageFileText file = readPageFile(path, maxBytes);
    if (!file.text) file.error = refusal(file, path);
    return file;
}

}  // namespace sumire
