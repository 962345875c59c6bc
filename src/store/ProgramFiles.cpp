#include "store/ProgramFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

namespace sumire {
QString installedDataDir() {
    const QString dir =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + u'/' + QStringLiteral(SUMIRE_DATA_FROM_BIN));
    return QFileInfo(dir).isDir() ? dir : QString();
}

QStringList programDataDirs() {
    if (const QString installed = installedDataDir(); !installed.isEmpty()) return {installed};
    QStringList dirs;
    if (const QString sourceTree = QStringLiteral(SUMIRE_SOURCE_TREE); QFileInfo(sourceTree).isDir())
        dirs << sourceTree;
    dirs << QCoreApplication::applicationDirPath();  // where the build copies the handset pictures
    return dirs;
}

QString findProgramFile(const QString& workDir, const QString& name, const QStringList& dataDirs) {
    const QString inWorkDir = QDir(workDir).filePath(name);
    if (QFileInfo(inWorkDir).isFile()) return inWorkDir;
    for (const QString& dir : dataDirs) {
        const QString candidate = QDir(dir).filePath(name);
        if (QFileInfo(candidate).isFile()) return candidate;
    }
    return inWorkDir;
}

namespace {
bool isUtf8File(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    static_cast<void>(QString(utf8(file.read(16 * 1024 * 1024))));  // decodes on the conversion
    return !utf8.hasError();
}
}  // namespace

QString findGuideFile(const QString& workDir, const QStringList& dataDirs, const QString& name) {
    for (const QString& dir : QStringList{workDir} + dataDirs) {
        const QString candidate = QDir(dir).filePath(name);
        if (QFileInfo(candidate).isFile() && isUtf8File(candidate)) return candidate;
    }
    return findProgramFile(workDir, name, dataDirs);
}

QString defaultWorkDir() {
    const QString programDir = QCoreApplication::applicationDirPath();
    if (installedDataDir().isEmpty() && QFileInfo(programDir).isWritable()) return programDir;
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userDir);
    return userDir;
}

QString samplesDir(const QStringList& dataDirs) {
    for (const QString& dir : dataDirs) {
        const QString samples = QDir(dir).filePath(QStringLiteral("samples"));
        if (QFileInfo(QDir(samples).filePath(QStringLiteral("index.txt"))).isFile()) return samples;
    }
    return {};
}

}  // namespace sumire
