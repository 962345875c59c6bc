#include "page/LocalRead.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sumire {
namespace {

// Closes the descriptor however the read ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

LocalBytes refused(const QString& path, ReadFailure failure, const QString& reason) {
    return {std::nullopt, QStringLiteral("cannot read %1: %2").arg(path, reason), failure, reason};
}

QString systemError() {
    if (errno == ENOENT) return QStringLiteral("No such file");
    return QString::fromLocal8Bit(std::strerror(errno));
}

LocalBytes tooLarge(const QString& path, qint64 maxBytes) {
    return refused(path, ReadFailure::TooLarge, QStringLiteral("larger than %1 bytes").arg(maxBytes));
}

LocalBytes unreadable(const QString& path) { return refused(path, ReadFailure::Unreadable, systemError()); }

// A name that cannot be opened is no such file unless it stands for a
// regular file (one the user may not read, say).
LocalBytes notOpened(const QString& path) {
    const QString reason = systemError();
    struct stat info {};
    const bool regular = ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
    return refused(path, regular ? ReadFailure::Unreadable : ReadFailure::NoSuchFile, reason);
}

}  // namespace

QString resolvedPath(const QString& path) {
    QString rest;
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    // Walk up to the deepest part that exists, resolve that, put the rest back.
    while (QFileInfo(existing).canonicalFilePath().isEmpty() && existing != u"/") {
        const qsizetype cut = existing.lastIndexOf(u'/');
        rest = existing.mid(cut) + rest;
        existing = cut <= 0 ? QStringLiteral("/") : existing.left(cut);
    }
    const QString real = QFileInfo(existing).canonicalFilePath();
    return QDir::cleanPath((real.isEmpty() ? existing : real) + rest);
}

bool isInsideFolder(const QString& path, const QString& folder) {
    if (path == folder) return true;
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    return path.startsWith(prefix);
}

std::optional<QString> confinedPath(const QString& folder, const QString& path) {
    // A name that stands but cannot be resolved (a broken link, or a link of
    // /proc to a pipe or a deleted file) is no file of the folder.
    const QFileInfo info(path);
    if ((info.exists() || info.isSymLink()) && info.canonicalFilePath().isEmpty()) return std::nullopt;
    const QString real = resolvedPath(path);
    if (!isInsideFolder(real, resolvedPath(folder))) return std::nullopt;
    return real;
}

QString localPathOf(const QString& address) {
    if (address.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) return QUrl(address).toLocalFile();
    return address;
}

namespace {

LocalBytes readRegularFile(const QString& path, qint64 maxBytes) {
    // Opened without waiting: a FIFO with no writer would block an ordinary
    // open. What it is is judged on the open descriptor, not on the name.
    const Descriptor fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0) return notOpened(path);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return unreadable(path);
    if (S_ISDIR(info.st_mode)) return refused(path, ReadFailure::NoSuchFile, QStringLiteral("it is a folder"));
    if (!S_ISREG(info.st_mode)) return refused(path, ReadFailure::NoSuchFile, QStringLiteral("not a regular file"));
    if (info.st_size > maxBytes) return tooLarge(path, maxBytes);
    // One byte past the limit: a file that grew since is still refused.
    QByteArray bytes(qsizetype(info.st_size) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxBytes) return tooLarge(path, maxBytes);
            bytes.resize(std::min<qint64>(maxBytes + 1, qint64(got) * 2 + 4096));
        }
        const ssize_t n = ::read(fd.get(), bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return unreadable(path);
        if (n == 0) break;
        got += n;
    }
    if (got > maxBytes) return tooLarge(path, maxBytes);
    bytes.resize(got);
    return {bytes, {}};
}

}  // namespace

LocalBytes readLocalFile(const QString& address, qint64 maxBytes) {
    const QString path = localPathOf(address);
    if (path.isEmpty()) return refused(address, ReadFailure::NoName, QStringLiteral("no file name"));
    return readRegularFile(path, maxBytes);
}

}  // namespace sumire
