// sumire render: the pictures it writes (size per crop, the LCD in the page's
// colours, the same bytes every time, the blink phase, the handset) and how
// it names them and reports pages it cannot show.

#include "Pixels.h"
#include "ProgramRun.h"
#include "TestFiles.h"
#include "cli/DemoServer.h"
#include "cli/RenderCommand.h"
#include "page/TextCodec.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>

namespace sumire {
namespace {

using test::countPixels;
using test::ProgramResult;
using test::readFile;
using test::samplePath;

// The program on a headless machine, started in `dir`.
ProgramResult runIn(const QTemporaryDir& dir, const QStringList& arguments) {
    return test::runProgram(arguments, test::headlessIn(dir.path()));
}

ProgramResult render(const QTemporaryDir& dir, const QStringList& arguments) {
    return runIn(dir, QStringList{"render"} + arguments);
}

TEST(Render, EachCropHasItsSize) {
    QTemporaryDir dir;
    const struct {
        const char* crop;
        QSize size;
    } crops[] = {{"window", {634, 457}}, {"handset", {189, 457}}, {"lcd", {138, 138}}};
    for (const auto& c : crops) {
        const QString out = dir.filePath(QString(c.crop) + ".png");
        const ProgramResult run = render(dir, {samplePath("colors.txt"), "--crop", c.crop, "-o", out});
        ASSERT_EQ(run.exitCode, 0) << c.crop << run.err.constData();
        EXPECT_EQ(QImage(out).size(), c.size) << c.crop;
    }
    // The offline page's path stays readable in the disabled address box.
    const QImage window(dir.filePath("window.png"));
    EXPECT_GT(test::countPixels(window, QRect(243, 43, 330, 16), qRgb(128, 128, 128)), 20);
}

// colors.txt sets <BODY=000066 BG=FFFFCC>; the index keeps the white LCD.
TEST(Render, LcdShowsThePageBackgroundInsideItsFrame) {
    QTemporaryDir dir;
    const struct {
        const char* page;
        QRgb background;
    } pages[] = {{"colors.txt", qRgb(0xFF, 0xFF, 0xCC)}, {"index.txt", qRgb(255, 255, 255)}};
    for (const auto& p : pages) {
        const QString out = dir.filePath("lcd.png");
        const ProgramResult run = render(dir, {samplePath(p.page), "--crop", "lcd", "-o", out});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        const QImage lcd(out);
        ASSERT_EQ(lcd.size(), QSize(138, 138));
        const QRgb black = qRgb(0, 0, 0);
        EXPECT_EQ(countPixels(lcd, QRect(0, 0, 138, 1), black), 138) << p.page;  // the frame
        EXPECT_EQ(countPixels(lcd, QRect(137, 0, 1, 138), black), 138) << p.page;
        // Inside the frame the text covers some pixels; most are background.
        const QRect inside(1, 1, 136, 136);
        EXPECT_EQ(lcd.pixel(1, 1) & 0xFFFFFF, p.background & 0xFFFFFF) << p.page;
        EXPECT_GT(countPixels(lcd, inside, p.background), inside.width() * inside.height() / 2) << p.page;
    }
}

TEST(Render, TheSamePageGivesTheSameBytes) {
    QTemporaryDir dir;
    DemoServer server(QDir(samplePath("")).absolutePath());
    ASSERT_TRUE(server.start());
    for (const QString& page : {samplePath("attach.txt"), server.url("/attach.txt")}) {
        const ProgramResult first = render(dir, {page, "-o", dir.filePath("1.png")});
        const ProgramResult second = render(dir, {page, "-o", dir.filePath("2.png")});
        ASSERT_EQ(first.exitCode, 0) << first.err.constData();
        ASSERT_EQ(second.exitCode, 0) << second.err.constData();
        const QByteArray bytes = readFile(dir.filePath("1.png"));
        EXPECT_GT(bytes.size(), 1000);
        EXPECT_EQ(bytes, readFile(dir.filePath("2.png"))) << qPrintable(page);
    }
}

// A page in UTF-16 with its byte order mark, either end first, draws as the
// same page in UTF-8 does.
TEST(Render, Utf16PagesWithAByteOrderMarkAreRecognised) {
    QTemporaryDir dir;
    const QString text = QStringLiteral("Subject: 件名\r\n<BODY=000066 BG=FFFFCC>すみれ<#HEART>\r\nabc");
    const QByteArray le =
        QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    QByteArray be = le;
    for (qsizetype i = 0; i < be.size(); i += 2) std::swap(be[i], be[i + 1]);
    const struct {
        const char* name;
        QByteArray bytes;
    } pages[] = {{"utf8.txt", text.toUtf8()}, {"le.txt", le}, {"be.txt", be}};
    for (const auto& page : pages) {
        test::writeFile(dir.filePath(page.name), page.bytes);
        const ProgramResult run =
            render(dir, {dir.filePath(page.name), "--crop", "lcd", "-o", dir.filePath(page.name) + ".png"});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(readFile(dir.filePath(page.name) + ".png"), readFile(dir.filePath("utf8.txt.png"))) << page.name;
    }
}

// The cells of the blinking characters: the text operations drawn in the
// background colour in phase 1, in pixels (a little larger than the cell).
QList<QRect> blinkCells(const RenderedPage& phase0, const RenderedPage& phase1, int background) {
    QList<QRect> cells;
    EXPECT_EQ(phase0.drawing.size(), phase1.drawing.size());
    for (size_t i = 0; i < phase1.drawing.size() && i < phase0.drawing.size(); ++i) {
        const LcdOp& op = phase1.drawing[i];
        if (op.kind != "text" || op.values[3] != background || phase0.drawing[i].values[3] == background) continue;
        const int width = encodeCp932(QString(QChar(char16_t(op.values[2])))).size();  // 1 or 2 cells
        const int x = int(op.values[0]) / 15, y = int(op.values[1]) / 15;
        cells << QRect(x - 1, y - 1, width * 100 / 15 + 3, 200 / 15 + 3);
    }
    return cells;
}

TEST(Render, PhaseOneHidesTheBlinkingRunThatPhaseZeroShows) {
    RenderOptions options;
    PageRenderer renderer(options);
    const RenderedPage shown = renderer.render(samplePath("blink.txt"));
    options.phase = 1;
    const RenderedPage hidden = PageRenderer(options).render(samplePath("blink.txt"));
    ASSERT_FALSE(shown.image.isNull()) << qPrintable(shown.error);
    ASSERT_FALSE(hidden.image.isNull()) << qPrintable(hidden.error);

    const int white = 0xFFFFFF;
    const QList<QRect> cells = blinkCells(shown, hidden, white);
    ASSERT_GE(cells.size(), 5);  // 新着メール at least
    // Every cell of the run shows ink in phase 0 and only background in phase 1.
    for (const QRect& cell : cells) {
        const int area = cell.width() * cell.height();
        EXPECT_LT(countPixels(shown.image, cell, white), area) << cell.x() << "," << cell.y();
    }
    // The two pictures differ only inside those cells, where phase 1 is blank.
    int differing = 0;
    for (int y = 0; y < shown.image.height(); ++y) {
        for (int x = 0; x < shown.image.width(); ++x) {
            if (shown.image.pixel(x, y) == hidden.image.pixel(x, y)) continue;
            ++differing;
            const bool inCell =
                std::any_of(cells.begin(), cells.end(), [&](const QRect& c) { return c.contains(x, y); });
            EXPECT_TRUE(inCell) << "pixel " << x << "," << y;
            EXPECT_EQ(hidden.image.pixel(x, y) & 0xFFFFFF, QRgb(white)) << "pixel " << x << "," << y;
            if (!inCell) return;
        }
    }
    EXPECT_GT(differing, 100);
}

TEST(Render, HandsetModelIsDrawnAndTheUsersSettingIsLeftAlone) {
    QTemporaryDir dir;
    // The user has chosen model 1; rendering neither uses nor changes that.
    const QString ini = dir.filePath("config/Sumire/Sumire.ini");
    {
        QSettings user(ini, QSettings::IniFormat);
        user.setValue("Startup/Phone", "1");
    }
    const QByteArray before = readFile(ini);
    const QString page = samplePath("index.txt");
    ASSERT_EQ(render(dir, {page, "--crop", "handset", "-o", "builtin.png"}).exitCode, 0);
    ASSERT_EQ(render(dir, {page, "--crop", "handset", "--model", "1", "-o", "red.png"}).exitCode, 0);
    ASSERT_EQ(render(dir, {page, "--crop", "handset", "--model", "2", "-o", "black.png"}).exitCode, 0);
    const QImage builtin(dir.filePath("builtin.png")), red(dir.filePath("red.png")), black(dir.filePath("black.png"));
    EXPECT_NE(builtin, red);
    EXPECT_NE(red, black);
    // Only the picture around the LCD changes; the LCD itself stays.
    const QRect lcd = cropRect(Crop::Lcd);
    EXPECT_EQ(builtin.copy(lcd), red.copy(lcd));
    EXPECT_EQ(readFile(ini), before);
}

// The characters drawn on one LCD row (y in twips), in order.
QString rowText(const RenderedPage& page, int y) {
    QString text;
    for (const LcdOp& op : page.drawing)
        if (op.kind == "text" && op.values[1] == y) text += QChar(char16_t(op.values[2]));
    return text;
}

TEST(Render, ScrollIsTheFirstRowShownAndStopsAtTheEnd) {
    RenderOptions options;
    const RenderedPage top = PageRenderer(options).render(samplePath("long.txt"));
    options.scroll = 3;
    const RenderedPage down3 = PageRenderer(options).render(samplePath("long.txt"));
    options.scroll = 100000;
    const RenderedPage end = PageRenderer(options).render(samplePath("long.txt"));
    ASSERT_FALSE(top.image.isNull() || down3.image.isNull() || end.image.isNull());
    int rowsWithText = 0;
    for (int row = 0; row < 7; ++row) {
        EXPECT_EQ(rowText(down3, 1000 + row * 200), rowText(top, 1000 + (row + 3) * 200)) << row;
        rowsWithText += !rowText(down3, 1000 + row * 200).isEmpty();
    }
    EXPECT_GE(rowsWithText, 5);
    EXPECT_NE(top.image, down3.image);
    EXPECT_NE(down3.image, end.image);
    // Far past the end, the scrolling stops where "↓" stops.
    options.scroll = 200;
    EXPECT_EQ(PageRenderer(options).render(samplePath("long.txt")).image, end.image);
    EXPECT_FALSE(rowText(end, 1000).isEmpty());
}

TEST(Render, WidthIsTheDisplayWidth) {
    RenderOptions options;
    options.width = 10;
    const RenderedPage narrow = PageRenderer(options).render(samplePath("mail.txt"));
    ASSERT_FALSE(narrow.image.isNull()) << qPrintable(narrow.error);
    // At width 10 a cell is 200 twips wide and a row 300 twips high.
    int texts = 0;
    for (const LcdOp& op : narrow.drawing) {
        if (op.kind != "text") continue;
        ++texts;
        EXPECT_EQ((op.values[0] - 400) % 200, 0) << op.values[0];
        EXPECT_EQ((op.values[1] - 1000) % 300, 0) << op.values[1];
    }
    EXPECT_GT(texts, 5);
}

TEST(Render, AMissingPageIsReportedAndTheOthersAreWritten) {
    QTemporaryDir dir;
    DemoServer server(QDir(samplePath("")).absolutePath());
    ASSERT_TRUE(server.start());
    const QString missing = dir.filePath("no-such-page.txt");
    const QString unfetched = server.url("/no-such-page-either.txt");
    const ProgramResult run =
        render(dir, {missing, samplePath("colors.txt"), unfetched, samplePath("mail.txt"), "-o", "out"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(missing.toUtf8())) << run.err.constData();
    EXPECT_TRUE(run.err.contains(unfetched.toUtf8())) << run.err.constData();
    EXPECT_TRUE(run.err.contains("404")) << run.err.constData();
    EXPECT_EQ(QDir(dir.filePath("out")).entryList(QDir::Files), QStringList({"colors.png", "mail.png"}));
    EXPECT_EQ(QImage(dir.filePath("out/colors.png")).size(), QSize(634, 457));
}

TEST(Render, OutputNames) {
    QTemporaryDir dir;
    // One page, no -o: its name with .png in the current folder.
    ASSERT_EQ(render(dir, {samplePath("mail.txt")}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("mail.png")));
    // One page, -o an existing folder: into it.
    QDir().mkpath(dir.filePath("into"));
    ASSERT_EQ(render(dir, {samplePath("mail.txt"), "-o", "into"}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("into/mail.png")));
    // One page into a file of a folder that is not there yet, or into a new
    // folder named with a final "/": the folder is made.
    ASSERT_EQ(render(dir, {samplePath("mail.txt"), "-o", "made/for/one.png"}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("made/for/one.png")));
    ASSERT_EQ(render(dir, {samplePath("mail.txt"), "-o", "made/into/"}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("made/into/mail.png")));
    // Several pages: a folder, made if needed; the same name twice is kept apart.
    const ProgramResult several =
        render(dir, {samplePath("mail.txt"), samplePath("index.txt"), samplePath("mail.txt"), "-o", "new/folder"});
    ASSERT_EQ(several.exitCode, 0) << several.err.constData();
    EXPECT_EQ(QDir(dir.filePath("new/folder")).entryList(QDir::Files),
              QStringList({"index.png", "mail-2.png", "mail.png"}));
    // Names that differ only in case are one name on many USB sticks: both
    // pictures are kept, as export keeps its pages.
    test::writeFile(dir.filePath("x/Index.txt"), "upper\r\n");
    test::writeFile(dir.filePath("y/index.txt"), "lower\r\n");
    ASSERT_EQ(render(dir, {"x/Index.txt", "y/index.txt", "-o", "cased"}).exitCode, 0);
    QStringList cased = QDir(dir.filePath("cased")).entryList(QDir::Files);
    cased.sort();
    EXPECT_EQ(cased, QStringList({"Index.png", "index-2.png"}));
    EXPECT_NE(readFile(dir.filePath("cased/Index.png")), readFile(dir.filePath("cased/index-2.png")));
    // A folder that cannot be made: the place is taken by a file.
    QFile taken(dir.filePath("taken"));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.close();
    const ProgramResult blocked = render(dir, {samplePath("mail.txt"), samplePath("index.txt"), "-o", "taken"});
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.err.contains("taken")) << blocked.err.constData();
    // A file that cannot be written: its folder is a file.
    const ProgramResult unwritable = render(dir, {samplePath("index.txt"), "-o", "taken/index.png"});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.err.contains("taken/index.png")) << unwritable.err.constData();
}

// A page that is no text is still drawn, as text, and exported; both
// commands say what it is. A text that merely begins like a picture is not
// taken for one.
TEST(Render, PagesThatAreNoTextAreShownWithAWarning) {
    QTemporaryDir dir;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (const char* format : {"PNG", "BMP", "JPEG"}) picture.save(dir.filePath(QString(format) + ".txt"), format);
    const struct {
        const char* file;
        QByteArray bytes;  // empty: written above
        const char* warning;
    } cases[] = {
        {"PNG.txt", {}, "is a PNG picture, not a text page"},
        {"BMP.txt", {}, "is a BMP picture, not a text page"},
        {"JPEG.txt", {}, "is a JPEG picture, not a text page"},
        {"nul.txt", QByteArray("text\0more", 9), "is binary data, not a text page"},
        {"bmw.txt", "BMW drives by\r\n", nullptr},
    };
    for (const auto& c : cases) {
        if (!c.bytes.isEmpty()) test::writeFile(dir.filePath(c.file), c.bytes);
        const ProgramResult drawn = render(dir, {c.file, "-o", "pictures/"});
        const ProgramResult exported = runIn(dir, {"export", c.file, "-o", "web"});
        for (const ProgramResult* run : {&drawn, &exported}) {
            EXPECT_EQ(run->exitCode, 0) << c.file << run->err.constData();
            if (c.warning) EXPECT_TRUE(run->err.contains(c.warning)) << c.file << ": " << run->err.constData();
            else EXPECT_FALSE(run->err.contains("not a text page")) << run->err.constData();
        }
        EXPECT_TRUE(QFile::exists(dir.filePath("pictures/" + QFileInfo(c.file).completeBaseName() + ".png")));
    }
}

TEST(Render, AWrongOptionWritesNothing) {
    QTemporaryDir dir;
    const ProgramResult run = render(dir, {samplePath("mail.txt"), "--width", "19"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("--width")) << run.err.constData();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

// The rows of a page whose every body line ends in CR LF: its lines after the
// <BODY= line.
int bodyRows(const QString& page) {
    const QList<QByteArray> lines = readFile(page).split('\n');
    int body = 0;
    while (body < lines.size() && !lines[body].startsWith("<BODY=")) ++body;
    return int(lines.size()) - body - 2;  // less the <BODY= line and the empty piece after the last LF
}

TEST(Render, FullIsEveryRowAndItsTopTenRowsAreTheWindowsLcd) {
    RenderOptions options;
    options.crop = Crop::Lcd;
    const RenderedPage top = PageRenderer(options).render(samplePath("long.txt"));
    options.full = true;
    const RenderedPage full = PageRenderer(options).render(samplePath("long.txt"));
    ASSERT_FALSE(top.image.isNull() || full.image.isNull()) << qPrintable(full.error);
    const int rows = bodyRows(samplePath("long.txt"));
    ASSERT_GT(rows, 60);
    // The LCD box reaches 200 twips lower for each row past the tenth.
    const int bottom = int(std::lround((3015 + (rows - 10) * 200) / 15.0));
    EXPECT_EQ(full.image.size(), QSize(138, bottom - 64 + 1));
    // Rows 0-9 end at pixel 199 of the window, where its frame is not yet.
    EXPECT_EQ(full.image.copy(0, 0, 138, 136), top.image.copy(0, 0, 138, 136));
    const QRgb background = qRgb(0xCC, 0xFF, 0xCC), black = qRgb(0, 0, 0);
    EXPECT_EQ(countPixels(full.image, QRect(0, full.image.height() - 1, 138, 1), black), 138);  // the frame
    // The last row holds text: ink between the last row's top and the frame.
    const QRect lastRow(1, full.image.height() - 1 - 200 / 15 - 1, 136, 200 / 15);
    EXPECT_LT(countPixels(full.image, lastRow, background), lastRow.width() * lastRow.height());
}

TEST(Render, ScaleRepeatsEachPixel) {
    RenderOptions options;
    options.crop = Crop::Handset;
    const RenderedPage one = PageRenderer(options).render(samplePath("attach.txt"));
    options.scale = 3;
    const RenderedPage three = PageRenderer(options).render(samplePath("attach.txt"));
    ASSERT_FALSE(one.image.isNull() || three.image.isNull());
    ASSERT_EQ(three.image.size(), one.image.size() * 3);
    int mismatches = 0;
    for (int y = 0; y < three.image.height(); ++y)
        for (int x = 0; x < three.image.width(); ++x)
            mismatches += three.image.pixel(x, y) != one.image.pixel(x / 3, y / 3);
    EXPECT_EQ(mismatches, 0);
    // --full scales too.
    options.full = true;
    options.crop = Crop::Lcd;
    const RenderedPage fullThree = PageRenderer(options).render(samplePath("attach.txt"));
    options.scale = 1;
    const RenderedPage fullOne = PageRenderer(options).render(samplePath("attach.txt"));
    EXPECT_EQ(fullThree.image.size(), fullOne.image.size() * 3);
}

// The LCD alone is drawn without a window: the program then runs without a
// QApplication, where making any widget ends it with a fatal error. Every
// sample, its pictures and blinking runs included, is drawn that way.
TEST(Render, TheLcdAloneIsDrawnWithoutAnyWidget) {
    QTemporaryDir dir;
    const QString samples = QFileInfo(samplePath("index.txt")).absolutePath();
    for (const QStringList& options : {QStringList{"--crop", "lcd"}, QStringList{"--full", "--width", "12"},
                                       QStringList{"--crop", "lcd", "--animate", "-j", "2"}}) {
        const ProgramResult run = render(dir, QStringList{samples, "-o", "lcd"} + options);
        EXPECT_EQ(run.exitCode, 0) << options.join(' ').toStdString() << run.err.constData();
        EXPECT_FALSE(run.err.contains("QWidget")) << run.err.constData();
        EXPECT_EQ(QDir(dir.filePath("lcd")).entryList(QDir::Files).size(),
                  QDir(samples).entryList({"*.txt"}, QDir::Files).size());
        QDir(dir.filePath("lcd")).removeRecursively();
    }
}

TEST(Render, AFolderIsItsPagesWithTheirRelativePaths) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("site/sub/deeper"));
    for (const char* to : {"site/a.txt", "site/sub/b.txt", "site/sub/deeper/a.txt"})
        ASSERT_TRUE(QFile::copy(samplePath("mail.txt"), dir.filePath(to)));
    ASSERT_TRUE(QFile::copy(samplePath("photo.bmp"), dir.filePath("site/photo.bmp")));  // not a page
    const ProgramResult run = render(dir, {"site", "--crop", "lcd", "-o", "out"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    QStringList written;
    QDirIterator it(dir.filePath("out"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) written << QDir(dir.filePath("out")).relativeFilePath(it.next());
    written.sort();
    EXPECT_EQ(written, QStringList({"a.png", "sub/b.png", "sub/deeper/a.png"}));
    EXPECT_EQ(readFile(dir.filePath("out/sub/b.png")), readFile(dir.filePath("out/a.png")));
    EXPECT_EQ(QImage(dir.filePath("out/a.png")).size(), QSize(138, 138));
    // A folder without pages is a failure, not silence.
    QDir().mkpath(dir.filePath("empty"));
    const ProgramResult none = render(dir, {"empty", "-o", "out2"});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.contains("empty")) << none.err.constData();
}

TEST(Render, FullRefusesScrollAndOtherCrops) {
    QTemporaryDir dir;
    for (const QStringList& wrong : {QStringList{"--full", "--scroll", "3"}, QStringList{"--full", "--crop", "window"},
                                     QStringList{"--scale", "9"}, QStringList{"--scale", "0"}}) {
        const ProgramResult run = render(dir, QStringList{samplePath("mail.txt")} + wrong);
        EXPECT_EQ(run.exitCode, 2) << qPrintable(wrong.join(' '));
        EXPECT_TRUE(run.err.contains(wrong[0].toUtf8())) << run.err.constData();
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

}  // namespace
}  // namespace sumire
