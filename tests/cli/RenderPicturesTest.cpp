// The picture files of `sumire render`: the PNG encoder keeps every pixel
// (palette and RGB), its files replace older ones whole; the crops are the
// window's own pixels, and `render` draws what a script's `shot` of the
// window shows.

#include "ProgramRun.h"
#include "TestFiles.h"
#include "cli/PngFile.h"
#include "export/FileWrite.h"
#include "cli/RenderCommand.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::ProgramResult;
using test::readFile;
using test::samplePath;

// The colour type byte of a PNG's header chunk: 2 RGB, 3 palette.
int colourType(const QByteArray& png) { return png.size() > 25 ? int(uchar(png[25])) : -1; }

QImage decoded(const QByteArray& png) { return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32); }

TEST(PngFile, FewColoursGoIntoAPaletteAndEveryPixelComesBack) {
    QImage picture(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x / 5 * 40, y / 4 * 50, (x + y) % 5 * 50));  // 8 x 6 x 5 colours
    const QByteArray png = encodePng(picture);
    EXPECT_EQ(colourType(png), 3);
    EXPECT_EQ(decoded(png), picture);
    EXPECT_EQ(encodePng(picture), png);  // the same bytes every time
}

TEST(PngFile, ManyColoursAreWrittenAsRgbAndEveryPixelComesBack) {
    // 257 colours: one more than a palette holds, the last one at the end.
    QImage picture(257, 3, QImage::Format_RGB32);
    picture.fill(qRgb(9, 9, 9));
    for (int x = 0; x < 256; ++x) picture.setPixel(x, 0, qRgb(x, 255 - x, 128));
    picture.setPixel(256, 2, qRgb(1, 2, 3));
    const QByteArray png = encodePng(picture);
    EXPECT_EQ(colourType(png), 2);
    EXPECT_EQ(decoded(png), picture);
    // Other formats are written by their colours.
    const QImage rgb888 = picture.convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(decoded(encodePng(rgb888)), picture);
    EXPECT_TRUE(encodePng(QImage()).isEmpty());
}

TEST(PngFile, AFileIsReplacedWholeOrLeftAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath("page.png");
    test::writeFile(path, "older");
    QString error;
    ASSERT_TRUE(replaceFile(path, "newer bytes", &error)) << qPrintable(error);
    EXPECT_EQ(readFile(path), "newer bytes");
    // A folder where the file should be: the write fails and the folder stays.
    const QString taken = dir.filePath("taken.png");
    ASSERT_TRUE(QDir().mkpath(taken + "/inside"));
    EXPECT_FALSE(replaceFile(taken, "bytes", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(taken + "/inside").isDir());
    // A file where the folder should be: nothing is written.
    EXPECT_FALSE(replaceFile(path + "/under.png", "bytes", &error));
    EXPECT_EQ(readFile(path), "newer bytes");
    // No temporary file is left beside them.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"page.png"}));
}

// The handset and LCD crops are taken from the window's image without
// drawing its controls; they must equal those parts of the whole window.
TEST(RenderPictures, EachCropIsThatPartOfTheWindow) {
    for (const char* page : {"attach.txt", "blink.txt", "colors.txt"}) {
        RenderOptions options;
        options.model = 1;
        const RenderedPage window = PageRenderer(options).render(samplePath(page));
        ASSERT_FALSE(window.image.isNull()) << qPrintable(window.error);
        for (const Crop crop : {Crop::Handset, Crop::Lcd}) {
            options.crop = crop;
            const RenderedPage part = PageRenderer(options).render(samplePath(page));
            ASSERT_FALSE(part.image.isNull()) << qPrintable(part.error);
            EXPECT_EQ(part.image, window.image.copy(cropRect(crop))) << page << " crop " << int(crop);
        }
    }
}

// Pages drawn one after another by one renderer look as each does alone.
TEST(RenderPictures, APageLooksTheSameAfterOtherPages) {
    RenderOptions options;
    PageRenderer alone(options);
    const RenderedPage mailAlone = alone.render(samplePath("mail.txt"));
    PageRenderer afterOthers(options);
    for (const char* page : {"attach.txt", "blink.txt", "long.txt"}) afterOthers.render(samplePath(page));
    const RenderedPage mailAfter = afterOthers.render(samplePath("mail.txt"));
    ASSERT_FALSE(mailAlone.image.isNull() || mailAfter.image.isNull());
    EXPECT_EQ(mailAfter.image, mailAlone.image);
    // attach.txt writes its attachment files; none is left for the next page.
    PageRenderer attach(options);
    const RenderedPage first = attach.render(samplePath("attach.txt"));
    const RenderedPage again = attach.render(samplePath("attach.txt"));
    EXPECT_EQ(again.image, first.image);
}

// A person's window, through a script, and `render` of the same page: the
// page dropped onto the window is opened as `render` opens it.
TEST(RenderPictures, RenderDrawsWhatTheWindowsShotShows) {
    QTemporaryDir dir;
    const QString page = dir.filePath("page.txt");  // long enough for the text box's scroll bar
    test::writeFile(page, readFile(samplePath("attach.txt")).replace("{BASE}", QFile::encodeName(samplePath(""))));
    test::writeFile(dir.filePath("script.txt"), ("drop " + page + "\nshot " + dir.filePath("shot.png")).toUtf8());
    const test::RunSetup setup = test::headlessIn(dir.path(), true);
    const ProgramResult shot =
        test::runProgram({"--script", dir.filePath("script.txt"), "--workdir", dir.filePath("work")}, setup);
    ASSERT_EQ(shot.exitCode, 0) << shot.err.constData();
    const ProgramResult render = test::runProgram({"render", page, "-o", dir.filePath("render.png")}, setup);
    ASSERT_EQ(render.exitCode, 0) << render.err.constData();
    const QImage fromShot(dir.filePath("shot.png")), fromRender(dir.filePath("render.png"));
    ASSERT_FALSE(fromShot.isNull());
    EXPECT_EQ(fromRender.convertToFormat(QImage::Format_RGB32), fromShot.convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace sumire
