#include "export/OutputFiles.h"

#include "page/LocalRead.h"

#include <QDir>
#include <QFile>
#include <optional>
#include <sys/stat.h>

namespace sumire {
namespace {

// The file's device and inode; none when it does not exist.
std::optional<std::pair<quint64, quint64>> nodeOf(const QString& path) {
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;
    return std::pair{quint64(st.st_dev), quint64(st.st_ino)};
}

}  // namespace

OutputFiles::OutputFiles(const QString& folder, const QStringList& inputs)
    : folder_(folder.isEmpty() ? QString() : resolvedPath(folder)) {
    for (const QString& input : inputs) {
        inputs_.insert(resolvedPath(input));
        if (const auto node = nodeOf(input)) inputNodes_.insert(*node);
    }
}

QString OutputFiles::path(const QString& relative) const { return QDir(folder_).filePath(relative); }

QString OutputFiles::refusal(const QString& path) const {
    const QString resolved = resolvedPath(path);
    if (!folder_.isEmpty() && (resolved == folder_ || !isInsideFolder(resolved, folder_)))
        return QStringLiteral("%1 lies outside %2").arg(path, folder_);
    const auto node = nodeOf(resolved);
    if (inputs_.contains(resolved)) return QStringLiteral("%1 is %2, which this command reads").arg(path, resolved);
    if (node && inputNodes_.contains(*node)) return QStringLiteral("%1 is a file this command reads").arg(path);
    return {};
}

}  // namespace sumire
