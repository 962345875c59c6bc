#include "page/AttachmentFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

TEST(AttachmentFolder, ReducesPageNamesToPlainFileNames) {
    EXPECT_EQ(AttachmentFolder::plainFileName("pic.bmp"), QString("pic.bmp"));
    EXPECT_EQ(AttachmentFolder::plainFileName("../../bookmark.txt"), QString("bookmark.txt"));
    EXPECT_EQ(AttachmentFolder::plainFileName("/etc/passwd"), QString("passwd"));
    EXPECT_EQ(AttachmentFolder::plainFileName("C:\\WINDOWS\\a.dat"), QString("a.dat"));
    EXPECT_EQ(AttachmentFolder::plainFileName("C:a.dat"), QString("a.dat"));
    EXPECT_EQ(AttachmentFolder::plainFileName("*.bmp"), QString(".bmp"));
    EXPECT_EQ(AttachmentFolder::plainFileName("a\tb\x01?.dxm"), QString("ab.dxm"));
    EXPECT_EQ(AttachmentFolder::plainFileName("写真.bmp"), QString("写真.bmp"));
    for (const char* nothing : {"", ".", "..", "dir/", "..\\..", "a/..", "*?", " "})
        EXPECT_TRUE(AttachmentFolder::plainFileName(nothing).isEmpty()) << nothing;
    const QString longName = QString("x").repeated(5000) + ".bmp";
    const QString reduced = AttachmentFolder::plainFileName(longName);
    EXPECT_LE(reduced.toUtf8().size(), 200);
    EXPECT_TRUE(reduced.endsWith(".bmp"));
}

TEST(AttachmentFolder, WritesOnlyInsideItselfAndDeletesOnlyWhatItWrote) {
    QTemporaryDir work;
    const QString dir = work.filePath("attachments");
    QFile precious(work.filePath("bookmark.txt"));
    ASSERT_TRUE(precious.open(QIODevice::WriteOnly));
    precious.write("keep");
    precious.close();

    AttachmentFolder folder(dir);
    const QString path = folder.write("../bookmark.txt", "evil");
    EXPECT_EQ(path, dir + "/bookmark.txt");
    EXPECT_TRUE(folder.write("..", "x").isEmpty());
    QFile again(work.filePath("bookmark.txt"));
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), QByteArray("keep"));

    QFile stranger(dir + "/stranger.bmp");
    ASSERT_TRUE(stranger.open(QIODevice::WriteOnly));
    stranger.close();
    EXPECT_EQ(folder.writtenPath("x/bookmark.txt"), path);
    EXPECT_TRUE(folder.removeWritten().isEmpty());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QFile::exists(dir + "/stranger.bmp"));
    EXPECT_TRUE(QFile::exists(work.filePath("bookmark.txt")));
}

TEST(AttachmentFolder, AFailedWriteLeavesNoFileAndIsNotRemembered) {
    QTemporaryDir work;
    AttachmentFolder folder(work.filePath("attachments"));
    // A folder in the way of the file makes the write fail, also for root.
    ASSERT_TRUE(QDir().mkpath(work.filePath("attachments/taken.bmp")));
    EXPECT_TRUE(folder.write("taken.bmp", "bytes").isEmpty());
    EXPECT_TRUE(folder.writtenPath("taken.bmp").isEmpty());
    EXPECT_TRUE(folder.writtenFiles().isEmpty());
    EXPECT_TRUE(QFileInfo(work.filePath("attachments/taken.bmp")).isDir());
}

}  // namespace
}  // namespace sumire
