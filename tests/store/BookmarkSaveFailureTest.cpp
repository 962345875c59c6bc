// Saves that fail. Tests run as root, where permission bits stop no write, so
// a save is made to fail by a folder in the file's place, a file-size limit or
// an immutable folder; each is undone at the end of its scope.

#include "store/BookmarkStore.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sumire {
namespace {

using test::readFile;
using test::writeFile;

// Files of the process may grow to `bytes` only; SIGXFSZ is ignored so that
// the write fails instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ok_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    bool ok() const { return ok_; }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
    bool ok_ = false;
};

// A folder in which no file can be created, renamed or removed: immutable
// (root), or without write permission (any other user).
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) : path_(QFile::encodeName(path)) {
        if (geteuid() != 0) {
            ok_ = chmod(path_.constData(), 0555) == 0;
            return;
        }
        const int fd = open(path_.constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags |= FS_IMMUTABLE_FL;
            ok_ = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        if (fd >= 0) close(fd);
    }
    ~ReadOnlyFolder() {
        if (!ok_) return;
        if (geteuid() != 0) {
            chmod(path_.constData(), 0755);
            return;
        }
        const int fd = open(path_.constData(), O_RDONLY | O_DIRECTORY);
        int flags = 0;
        if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags &= ~FS_IMMUTABLE_FL;
            ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        if (fd >= 0) close(fd);
    }
    bool ok() const { return ok_; }

private:
    QByteArray path_;
    bool ok_ = false;
};

const QByteArray kOld = "\"\x93\xFA\x96\x7B\",\"http://h/1\"\r\n\"B\",\"b\"\r\n";  // 日本, B

class BookmarkSaveFailureTest : public test::BookmarkFolderTest {
protected:
    void SetUp() override {
        writeFile(path, kOld);
        ASSERT_TRUE(store.ReadBookmarkFile(path));
        QObject::connect(&store, &BookmarkStore::bookmarksChanged, [this] { ++changes; });
    }
    // The store, the file and the folder are as before the failed change.
    void expectNothingChanged(const BookmarkResult& r) {
        EXPECT_EQ(r.status, BookmarkResult::Failed);
        EXPECT_FALSE(r);
        EXPECT_TRUE(r.error.contains("bookmark.txt")) << r.error.toStdString();
        EXPECT_EQ(readFile(path), kOld);
        EXPECT_EQ(store.bookmarkTitles(), (QStringList{"日本", "B"}));
        EXPECT_EQ(store.bookmarkAddresses(), (QStringList{"http://h/1", "b"}));
        EXPECT_EQ(changes, 0);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                  QStringList{"bookmark.txt"});
    }

    BookmarkStore store;
    int changes = 0;
};

TEST_F(BookmarkSaveFailureTest, FileSizeLimitLeavesTheOldFileWhole) {
    BookmarkResult add, update, remove;
    {
        FileSizeLimit limit(8);
        ASSERT_TRUE(limit.ok());
        add = store.AddBookmark("C", "http://h/3");
        update = store.UpdateBookmark(0, "http://h/changed", "変更");
        remove = store.DeleteBookmark(0);
    }
    expectNothingChanged(add);
    expectNothingChanged(update);
    expectNothingChanged(remove);
    // Once writing works again the change goes through.
    ASSERT_TRUE(store.DeleteBookmark(0));
    EXPECT_EQ(readFile(path), QByteArray("\"B\",\"b\"\r\n"));
}

TEST_F(BookmarkSaveFailureTest, ReadOnlyFolderLeavesTheOldFileWhole) {
    BookmarkResult add, update, remove, write;
    {
        ReadOnlyFolder readOnly(dir.path());
        if (!readOnly.ok()) GTEST_SKIP() << "cannot make a folder read-only here";
        add = store.AddBookmark("C", "http://h/3");
        update = store.UpdateBookmark(1, "x", "y");
        remove = store.DeleteBookmark(1);
        write = store.WriteBookmarkFile(0);
    }
    expectNothingChanged(add);
    expectNothingChanged(update);
    expectNothingChanged(remove);
    expectNothingChanged(write);
}

TEST_F(BookmarkSaveFailureTest, FolderInPlaceOfTheFileIsReportedAndKept) {
    const QString other = dir.filePath("sub/bookmark.txt");
    ASSERT_TRUE(QDir(dir.path()).mkpath("sub/bookmark.txt/inner"));
    const BookmarkResult r = saveBookmarkFile(other, {{"a", "b"}});
    EXPECT_EQ(r.status, BookmarkResult::Failed);
    EXPECT_TRUE(r.error.contains(other));
    EXPECT_TRUE(QFileInfo(other + "/inner").isDir());
    EXPECT_EQ(QDir(dir.filePath("sub")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"bookmark.txt"});
}

TEST_F(BookmarkSaveFailureTest, MissingFolderIsReported) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("gone"));
    BookmarkStore elsewhere;
    ASSERT_TRUE(elsewhere.ReadBookmarkFile(dir.filePath("gone/bookmark.txt")));
    ASSERT_TRUE(QDir(dir.path()).rmdir("gone"));
    const BookmarkResult r = elsewhere.AddBookmark("a", "b");
    EXPECT_EQ(r.status, BookmarkResult::Failed);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(elsewhere.lastBookmark(), -1);
}

// A file that exists but could not be read is never overwritten: its
// bookmarks would be lost.
TEST_F(BookmarkSaveFailureTest, UnreadableFileIsNotOverwritten) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("other"));
    const QString blocked = dir.filePath("other/bookmark.txt");
    ASSERT_TRUE(QDir().mkdir(blocked));
    BookmarkStore unread;
    const BookmarkResult read = unread.ReadBookmarkFile(blocked);
    EXPECT_EQ(read.status, BookmarkResult::Failed);
    EXPECT_FALSE(read.error.isEmpty());
    EXPECT_EQ(unread.lastBookmark(), -1);
    // Even once the obstacle is gone, the store does not write.
    ASSERT_TRUE(QDir().rmdir(blocked));
    const BookmarkResult add = unread.AddBookmark("a", "b");
    EXPECT_EQ(add.status, BookmarkResult::Failed);
    EXPECT_FALSE(add.error.isEmpty());
    EXPECT_EQ(unread.lastBookmark(), -1);
    EXPECT_FALSE(QFile::exists(blocked));
    EXPECT_EQ(unread.WriteBookmarkFile(-1).status, BookmarkResult::Failed);
    EXPECT_FALSE(QFile::exists(blocked));
}

}  // namespace
}  // namespace sumire
