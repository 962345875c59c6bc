// Where the program's own files are found, and the "{BASE}" placeholder of
// the sample pages.

#include "page/PageFile.h"
#include "store/ProgramFiles.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::writeFile;

TEST(ProgramFiles, WorkingFolderFirstThenTheDataFoldersInOrder) {
    QTemporaryDir dir;
    const QString work = dir.filePath("work"), data1 = dir.filePath("data1"), data2 = dir.filePath("data2");
    writeFile(data1 + "/phone_02.jpg", "1");
    writeFile(data2 + "/phone_02.jpg", "2");
    writeFile(data2 + "/readme.txt", "2");
    writeFile(work + "/readme.txt", "w");
    QDir().mkpath(data1 + "/phone_03.jpg");  // a folder is no file
    const QStringList data{data1, data2};

    EXPECT_EQ(findProgramFile(work, "readme.txt", data), work + "/readme.txt");
    EXPECT_EQ(findProgramFile(work, "phone_02.jpg", data), data1 + "/phone_02.jpg");
    // Found nowhere: the working folder's path, where the caller then fails.
    EXPECT_EQ(findProgramFile(work, "phone_03.jpg", data), work + "/phone_03.jpg");
    EXPECT_EQ(findProgramFile(work, "phone_01.jpg", {}), work + "/phone_01.jpg");
}

TEST(ProgramFiles, TheGuideIsTheFirstReadmeInUtf8) {
    QTemporaryDir dir;
    const QString work = dir.filePath("work"), data1 = dir.filePath("data1"), data2 = dir.filePath("data2");
    const QByteArray cp932 = "\x90\xE0\x96\xBE\x8F\x91";  // "説明書" in code page 932
    writeFile(work + "/readme.txt", cp932);
    writeFile(data1 + "/readme.txt", cp932);
    writeFile(data2 + "/readme.txt", QString::fromUtf8("説明書").toUtf8());
    const QStringList data{data1, data2};
    EXPECT_EQ(findGuideFile(work, data), data2 + "/readme.txt");
    // The working folder's own guide comes first when it is UTF-8.
    writeFile(work + "/readme.txt", "plain ASCII is UTF-8 too");
    EXPECT_EQ(findGuideFile(work, data), work + "/readme.txt");
    // With no UTF-8 guide anywhere, the usual one is opened all the same.
    EXPECT_EQ(findGuideFile(dir.filePath("none"), {data1}), data1 + "/readme.txt");
    EXPECT_EQ(findGuideFile(dir.filePath("none"), {}), dir.filePath("none") + "/readme.txt");
}

TEST(ProgramFiles, SamplesAreTheFirstDataFolderWithAnIndex) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("a/samples"));  // no index page
    writeFile(dir.filePath("b/samples/index.txt"), "x");
    EXPECT_EQ(samplesDir({dir.filePath("a"), dir.filePath("b")}), dir.filePath("b/samples"));
    EXPECT_EQ(samplesDir({dir.filePath("a")}), QString());
    // A build run finds the source tree's samples.
    EXPECT_TRUE(QFileInfo::exists(QDir(samplesDir()).filePath("index.txt"))) << qPrintable(samplesDir());
}

TEST(ProgramFiles, BaseIsReplacedOnShiftJisCharacterBoundaries) {
    const QByteArray base = "http://127.0.0.1:8080";
    EXPECT_EQ(replaceBaseInBytes("SEL=1;{BASE}/mail.txt>", base), "SEL=1;http://127.0.0.1:8080/mail.txt>");
    EXPECT_EQ(replaceBaseInBytes("{BASE}{BASE}", "x"), "xx");
    EXPECT_EQ(replaceBaseInBytes("{BASE", "x"), "{BASE");
    // 0x81 0x7B is one double-byte character ("＋") whose second byte is "{".
    EXPECT_EQ(replaceBaseInBytes("\x81{BASE}", "x"), "\x81{BASE}");
    EXPECT_EQ(replaceBaseInBytes("\x82\xA0{BASE}", "x"), "\x82\xA0x");
    EXPECT_EQ(replaceBaseInBytes("a\x81", "x"), "a\x81");  // a lead byte at the end
    EXPECT_EQ(replaceBase("SEL=0;{BASE}/index.txt>", "/srv/samples"), "SEL=0;/srv/samples/index.txt>");
}

TEST(ProgramFiles, PageFolderAsWritten) {
    EXPECT_EQ(pageFolder("samples/index.txt"), QString("samples"));
    EXPECT_EQ(pageFolder("/srv/samples/index.txt"), QString("/srv/samples"));
    EXPECT_EQ(pageFolder("index.txt"), QString("."));
}

}  // namespace
}  // namespace sumire
