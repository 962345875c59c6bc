#include "store/LocalFiles.h"

#include "TestFiles.h"

#include <QDir>
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
    const QStringList roots = driveRoots();
    EXPECT_TRUE(roots.contains("/"));
    EXPECT_TRUE(roots.contains(driveOf(QDir::tempPath())));
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
        const LoadedText r = loadTextFile(bad);
        EXPECT_FALSE(r.text.has_value()) << bad.toStdString();
        EXPECT_FALSE(r.error.isEmpty());
    }
    writeFile(dir.filePath("big.txt"), QByteArray(100, 'x'));
    EXPECT_FALSE(loadTextFile(dir.filePath("big.txt"), 99).text.has_value());
}

}  // namespace
}  // namespace sumire
