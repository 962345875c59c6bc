// `render --archive` draws an address of a saved site as the viewer in
// archive mode shows it, attachments from the same folder included.

#include "support/ProgramRun.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

TEST(RenderArchive, RenderOfAnAddressIsTheViewersShot) {
    QTemporaryDir dir;
    const QString site = dir.filePath("mirror/www.example.jp:8080/");
    QDir().mkpath(site);
    test::writeFile(site + "index.html",
                    "Subject: top\r\nAppend: Name=\"photo.bmp\"\r\n<C=CC0000>red</C><#HEART>\r\n"
                    "<IMG=\"photo.bmp\">\r\nmore");
    ASSERT_TRUE(QFile::copy(test::samplePath("photo.bmp"), site + "photo.bmp"));
    const QString address = "http://www.example.jp:8080/";
    test::writeFile(dir.filePath("script.txt"), ("shot " + dir.filePath("shot.png")).toUtf8());
    const test::RunSetup setup = test::headlessIn(dir.path(), true);
    const test::ProgramResult shot = test::runProgram({"--archive", dir.filePath("mirror"), address, "--script",
                                                       dir.filePath("script.txt"), "--workdir", dir.filePath("work")},
                                                      setup);
    ASSERT_EQ(shot.exitCode, 0) << shot.err.constData();
    const test::ProgramResult render = test::runProgram(
        {"render", "--archive", dir.filePath("mirror"), address, "-o", dir.filePath("render.png")}, setup);
    ASSERT_EQ(render.exitCode, 0) << render.err.constData();
    QImage fromShot = QImage(dir.filePath("shot.png")).convertToFormat(QImage::Format_RGB32);
    QImage fromRender = QImage(dir.filePath("render.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(fromShot.isNull());
    // All but the address box, whose caret blinks in the window and is steady
    // in `render`.
    for (QImage* image : {&fromShot, &fromRender}) QPainter(image).fillRect(240, 38, 340, 26, Qt::white);
    EXPECT_EQ(fromRender, fromShot);
    // The LCD alone, drawn without a window, from the same archive.
    const test::ProgramResult lcd = test::runProgram(
        {"render", "--archive", dir.filePath("mirror"), address, "--crop", "lcd", "-o", dir.filePath("lcd.png")},
        setup);
    ASSERT_EQ(lcd.exitCode, 0) << lcd.err.constData();
    EXPECT_EQ(QImage(dir.filePath("lcd.png")).convertToFormat(QImage::Format_RGB32), fromShot.copy(24, 64, 138, 138));

    // An address the archive lacks fails its page, and nothing is fetched.
    const test::ProgramResult lacking = test::runProgram(
        {"render", "--archive", dir.filePath("mirror"), "http://127.0.0.1:1/x.txt", "-o", dir.filePath("x.png")},
        setup);
    EXPECT_EQ(lacking.exitCode, 1);
    EXPECT_TRUE(lacking.err.contains("not in the archive")) << lacking.err.constData();
}

}  // namespace
}  // namespace sumire
