#include "export/OutputFiles.h"

#include "export/FileWrite.h"
#include "page/LocalRead.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

namespace sumire {
namespace {

std::pair<quint64, quint64> nodeOf(const QString& path, bool* exists) {
    struct stat st = {};
    *exists = ::stat(QFile::encodeName(path).constData(), &st) == 0;
    return {quint64(st.st_dev), quint64(st.st_ino)};
}

}  // namespace

OutputFiles::OutputFiles(const QString& folder, const QStringList& inputs)
    : folder_(folder.isEmpty() ? QString() : resolvedPath(folder)) {
    for (const QString& input : inputs) addInput(input);
}

void OutputFiles::addInput(const QString& path) {
    inputs_.insert(resolvedPath(path));
    bool exists = false;
    const auto node = nodeOf(path, &exists);
    if (exists) inputNodes_.insert(node);
}

QString OutputFiles::path(const QString& relative) const { return QDir(folder_).filePath(relative); }

QString OutputFiles::refusal(const QString& path) const {
    const QString resolved = resolvedPath(path);
    if (!folder_.isEmpty() && (resolved == folder_ || !isInsideFolder(resolved, folder_)))
        return QStringLiteral("%1 lies outside %2").arg(path, folder_);
    bool exists = false;
    const auto node = nodeOf(resolved, &exists);
    if (inputs_.contains(resolved)) return QStringLiteral("%1 is %2, which this command reads").arg(path, resolved);
    if (exists && inputNodes_.contains(node)) return QStringLiteral("%1 is a file this command reads").arg(path);
    return {};
}

bool OutputFiles::write(const QString& path, const QByteArray& bytes, QString* error) const {
    *error = refusal(path);
    return error->isEmpty() && writeWholeFile(path, bytes, error);
}

bool OutputFiles::write(const QString& path, const std::function<bool(QIODevice&)>& fill, QString* error) const {
    *error = refusal(path);
    return error->isEmpty() && writeWholeFile(path, fill, error);
}

}  // namespace sumire
