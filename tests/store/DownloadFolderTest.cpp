#include "store/DownloadFolder.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::readFile;
using test::writeFile;

class DownloadFolderTest : public ::testing::Test {
protected:
    DownloadFolderTest() {
        QDir().mkpath(work.filePath("download"));
        QDir().mkpath(work.filePath("attachments"));
    }
    QString download() const { return work.filePath("download"); }
    QTemporaryDir work;
};

TEST_F(DownloadFolderTest, KeepsACopyAndOverwritesItTheSecondTime) {
    const QString temp = work.filePath("attachments/a.bmp");
    writeFile(temp, "first");
    EXPECT_TRUE(keepAttachment(temp, download(), "a.bmp").ok);
    EXPECT_EQ(readFile(download() + "/a.bmp"), QByteArray("first"));
    writeFile(temp, "second, longer");
    EXPECT_TRUE(keepAttachment(temp, download(), "a.bmp").ok);
    EXPECT_EQ(readFile(download() + "/a.bmp"), QByteArray("second, longer"));
    EXPECT_EQ(readFile(temp), QByteArray("second, longer"));  // the temporary file stays
}

TEST_F(DownloadFolderTest, APageNameCannotLeaveTheFolder) {
    const QString temp = work.filePath("attachments/bookmark.txt");
    writeFile(temp, "evil");
    writeFile(work.filePath("bookmark.txt"), "mine");
    EXPECT_TRUE(keepAttachment(temp, download(), "../bookmark.txt").ok);
    EXPECT_EQ(readFile(work.filePath("bookmark.txt")), QByteArray("mine"));
    EXPECT_EQ(readFile(download() + "/bookmark.txt"), QByteArray("evil"));
}

TEST_F(DownloadFolderTest, FailuresAreReportedNotClaimedAsSuccess) {
    // The temporary file is gone.
    KeepResult r = keepAttachment(work.filePath("attachments/gone.bmp"), download(), "gone.bmp");
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains("gone.bmp"));
    // The download folder is missing.
    const QString temp = work.filePath("attachments/b.dat");
    writeFile(temp, "b");
    EXPECT_FALSE(keepAttachment(temp, work.filePath("nowhere"), "b.dat").ok);
    // A folder stands where the copy would go: the write fails also for root.
    ASSERT_TRUE(QDir().mkpath(download() + "/b.dat/inner"));
    r = keepAttachment(temp, download(), "b.dat");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_TRUE(QFileInfo(download() + "/b.dat/inner").isDir());
}

TEST_F(DownloadFolderTest, EmptyingDeletesFilesButNotFolders) {
    writeFile(download() + "/x.bmp", "x");
    writeFile(download() + "/.hidden", "h");
    QDir().mkpath(download() + "/sub");
    writeFile(download() + "/sub/keep.dat", "k");
    emptyDownloadFolder(download());
    EXPECT_EQ(QDir(download()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList({"sub"}));
    EXPECT_TRUE(QFile::exists(download() + "/sub/keep.dat"));
    emptyDownloadFolder(download());                // already empty: nothing happens
    emptyDownloadFolder(work.filePath("missing"));  // no folder: nothing happens
}

}  // namespace
}  // namespace sumire
