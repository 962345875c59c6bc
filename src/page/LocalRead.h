#pragma once
// Every local read of a name that a page or an address supplies goes through
// here: paths are compared only after every link in them is resolved, and
// only regular files are read, so a FIFO, a device or the process's own
// standard input never makes a read wait without end.

#include <QByteArray>
#include <QString>
#include <optional>

namespace sumire {

// The absolute path with "." and ".." taken out and every symbolic link
// resolved. The part of the path that does not exist yet is kept as written
// below the deepest part that does.
QString resolvedPath(const QString& path);

// True when `path` is `folder` or lies below it; both already resolved.
bool isInsideFolder(const QString& path, const QString& folder);

// The resolved path of `path` when it lies inside `folder` or one of its
// subfolders once both are resolved; nothing otherwise.
std::optional<QString> confinedPath(const QString& folder, const QString& path);

// The local path an address names: a file: URL's path, or the address itself.
QString localPathOf(const QString& address);

// The most a page file may hold.
inline constexpr qint64 kMaxPageBytes = 16 * 1024 * 1024;

// Why a read was refused, for callers that word it themselves. A folder, a
// FIFO or a device is no such file: only a regular file is a page file.
enum class ReadFailure { None, NoName, NoSuchFile, TooLarge, Unreadable };

struct LocalBytes {
    std::optional<QByteArray> bytes;
    QString error;  // why not, for the user
    ReadFailure failure = ReadFailure::None;
    QString detail = {};  // the reason alone, without the path
};

// The whole of the regular file that the local path or file: URL `address`
// names, of at most maxBytes bytes. Anything else (a folder, a FIFO, a
// device, a socket) is refused without waiting on it.
LocalBytes readLocalFile(const QString& address, qint64 maxBytes);

}  // namespace sumire
