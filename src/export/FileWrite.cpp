#include "export/FileWrite.h"

#include "text/Interruption.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace sumire {
namespace {

bool sameBytes(const QString& path, const QByteArray& bytes) {
    QFile old(path);
    return old.size() == bytes.size() && old.open(QIODevice::ReadOnly) && old.readAll() == bytes;
}

FileFiller filling(const QByteArray& bytes) {
    return [&bytes](QIODevice& out) { return out.write(bytes) == bytes.size(); };
}

bool makeFolderOf(const QString& path, QString* error) {
    const QString folder = QFileInfo(path).absolutePath();
    if (QDir().mkpath(folder) && QFileInfo(folder).isDir()) return true;
    *error = QStringLiteral("cannot write %1: cannot make the folder %2").arg(path, folder);
    return false;
}

}  // namespace

bool replaceFile(const QString& path, const FileFiller& fill, QString* error) {
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    const bool opened = file.open();
    const RemovedOnInterrupt partial(file.fileName());
    errno = 0;
    if (!opened || !fill(file) || !file.flush()) {
        // Qt's text for a failed write is often "Unknown error"; the system's says why.
        const int code = errno;
        *error = file.errorString();
        if (code != 0 && (error->isEmpty() || error->startsWith(QLatin1String("Unknown"))))
            *error = QString::fromLocal8Bit(std::strerror(code));
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    file.setAutoRemove(false);
    return true;
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString* error) {
    return replaceFile(path, filling(bytes), error);
}

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
    if (QFileInfo(path).isFile() && sameBytes(path, bytes)) return true;  // an earlier export's, unchanged
    return writeWholeFile(path, filling(bytes), error);
}

bool writeWholeFile(const QString& path, const FileFiller& fill, QString* error) {
    if (!makeFolderOf(path, error)) return false;
    QString why;
    if (replaceFile(path, fill, &why)) return true;
    *error = QStringLiteral("cannot write %1: %2").arg(path, why);
    return false;
}

}  // namespace sumire
