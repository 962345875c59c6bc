#include "store/LocalFiles.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::writeFile;

TEST(LocalFiles, ListsFoldersAndOnlyTextFiles) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("pages"));
    QDir().mkpath(dir.filePath("Mail"));
    writeFile(dir.filePath("b.txt"), "b");
    writeFile(dir.filePath("A.TXT"), "a");
    writeFile(dir.filePath("pic.bmp"), "p");
    writeFile(dir.filePath("notes.txt.bak"), "n");
    EXPECT_EQ(subfolders(dir.path()), QStringList({"Mail", "pages"}));
    EXPECT_EQ(textFiles(dir.path()), QStringList({"A.TXT", "b.txt"}));
}

TEST(LocalFiles, DrivesAreTheMountedRoots) {
    const QStringList roots = driveRoots(QDir::tempPath());
    EXPECT_TRUE(roots.contains("/"));
    EXPECT_TRUE(roots.contains(driveOf(QDir::tempPath())));
    for (const QString& mounted : mountedRoots()) EXPECT_TRUE(roots.contains(mounted)) << mounted.toStdString();
}

// A chroot's mount table lists what is mounted inside it, but not its root.
TEST(LocalFiles, DrivesAlwaysOfferTheRootAndTheWorkingFoldersDrive) {
    const QStringList chroot = {"/proc", "/dev", "/home"};
    EXPECT_EQ(driveRoots("/srv/pages", chroot), QStringList({"/", "/dev", "/home", "/proc"}));
    EXPECT_EQ(driveRoots("/home/u/pages", {}), QStringList({"/"}));
    EXPECT_EQ(driveOf("/srv/pages", chroot), QString("/"));
    EXPECT_EQ(driveOf("/home/u/pages", chroot), QString("/home"));
    EXPECT_EQ(driveOf("/home", chroot), QString("/home"));
    // A folder whose name merely begins like a mount point is not on it.
    EXPECT_EQ(driveOf("/homework/pages", chroot), QString("/"));
    // The deepest mount point wins, whatever the table's order.
    EXPECT_EQ(driveOf("/home/u/usb/a", {"/home/u/usb", "/home", "/"}), QString("/home/u/usb"));
}

TEST(LocalFiles, TheDriveOfALinkIsTheDriveOfWhatItLinksTo) {
    QTemporaryDir dir;
    const QString real = QFileInfo(dir.path()).canonicalFilePath() + "/disk";
    QDir().mkpath(real + "/pages");
    ASSERT_TRUE(QFile::link(real + "/pages", dir.filePath("link")));
    EXPECT_EQ(driveOf(dir.filePath("link"), {"/", real}), real);
}

TEST(LocalFiles, JoinAddsTheSeparatorEvenAfterOne) {
    EXPECT_EQ(joinPath("/home/u/pages", "a.txt"), QString("/home/u/pages/a.txt"));
    EXPECT_EQ(joinPath("/", "a.txt"), QString("//a.txt"));
}

TEST(LocalFiles, LoadsPlainTextByTheEngineRuleAndReportsWhatItCannotLoad) {
    QTemporaryDir dir;
    writeFile(dir.filePath("sjis.txt"), "\x83\x65\x83\x58\x83\x67\r\n<#HEART>");
    writeFile(dir.filePath("utf8.txt"), QString::fromUtf8("テスト").toUtf8());
    EXPECT_EQ(loadTextFile(dir.filePath("sjis.txt")).text, QString::fromUtf8("テスト\r\n<#HEART>"));
    EXPECT_EQ(loadTextFile(dir.filePath("utf8.txt")).text, QString::fromUtf8("テスト"));

    for (const QString& bad : {QString(), QString("  "), dir.filePath("none.txt"), dir.path()}) {
        const PageFileText r = loadTextFile(bad);
        EXPECT_FALSE(r.text.has_value()) << bad.toStdString();
        EXPECT_FALSE(r.error.isEmpty());
    }
    writeFile(dir.filePath("big.txt"), QByteArray(100, 'x'));
    EXPECT_FALSE(loadTextFile(dir.filePath("big.txt"), 99).text.has_value());
}

}  // namespace
}  // namespace sumire
