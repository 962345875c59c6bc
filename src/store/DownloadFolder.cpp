#include "store/DownloadFolder.h"

#include "page/AttachmentFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace sumire {

KeepResult keepAttachment(const QString& source, const QString& downloadDir, const QString& pageName) {
    // The name comes from the page: only its plain file name is used here too.
    const QString name = AttachmentFolder::plainFileName(pageName);
    QFile in(source);
    if (source.isEmpty() || name.isEmpty() || !QFileInfo(source).isFile())
        return {false,
                QCoreApplication::translate("sumire::DownloadFolder", "%1 の一時ファイルがありません。").arg(pageName),
                {}};
    if (!QFileInfo(downloadDir).isDir())
        return {false,
                QCoreApplication::translate("sumire::DownloadFolder", "フォルダ %1 がありません。").arg(downloadDir),
                {}};
    if (!in.open(QIODevice::ReadOnly))
        return {
            false,
            QCoreApplication::translate("sumire::DownloadFolder", "%1 を読めません: %2").arg(source, in.errorString()),
            {}};
    const QByteArray bytes = in.readAll();
    QSaveFile out(QDir(downloadDir).filePath(name));
    // commit() alone does not notice a failed final flush.
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.flush() || !out.commit())
        return {false,
                QCoreApplication::translate("sumire::DownloadFolder", "%1 に書き込めません: %2")
                    .arg(out.fileName(), out.errorString()),
                {}};
    return {true, {}, QFileInfo(out.fileName()).absoluteFilePath()};
}

void emptyDownloadFolder(const QString& downloadDir) {
    QDir dir(downloadDir);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) dir.remove(name);
}

}  // namespace sumire
