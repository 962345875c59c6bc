// The exported sample site in a real browser (headless Chromium): what the
// screen shows, what the DOM holds, where links go and what is loaded.

#include "ExportFiles.h"
#include "art/Pictographs.h"
#include "display/LcdRenderer.h"
#include "display/PictographText.h"
#include "display/WholePage.h"
#include "export/LcdScreen.h"
#include "export/PageLoader.h"
#include "page/HttpFetcher.h"
#include "support/FakeWindow.h"

#include <QDirIterator>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <set>
#include <gtest/gtest.h>
#include <map>

namespace sumire {
namespace {

using namespace exporttest;

const QString kSamples = QStringLiteral(SUMIRE_SOURCE_DIR "/samples");

class Browser : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new QTemporaryDir;
        ExportOptions o;
        o.pages = {kSamples};
        o.out = dir_->filePath("site");
        const ExportRun run = exportPages(o);
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
    }
    static void TearDownTestSuite() { delete dir_; }

    void SetUp() override {
        chromium_ = QStandardPaths::findExecutable("chromium");
        if (chromium_.isEmpty()) GTEST_SKIP() << "chromium is not installed (deps.txt)";
    }

    static QString site(const QString& name) { return dir_->filePath("site/" + name); }

    // Chromium as root, headless, with a profile of its own each run.
    QByteArray chromium(const QStringList& arguments) {
        QTemporaryDir profile;
        QProcess p;
        p.start(chromium_, QStringList{"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                                       "--disable-background-networking", "--disable-component-update",
                                       "--disable-sync", "--disable-features=NetworkTimeServiceQuerying",
                                       "--host-resolver-rules=MAP * ~NOTFOUND", "--user-data-dir=" + profile.path()} +
                               arguments);
        EXPECT_TRUE(p.waitForFinished(90000));
        return p.readAllStandardOutput();
    }

    // The page alone at the top left, its blinking paused at `delay` seconds
    // into the two-second period; a copy beside the page, so its files load.
    QImage screenshot(const QString& page, double delay) { return screenshotOf(site(page), delay); }
    QImage screenshotOf(const QString& path, double delay) {
        QString html = readText(path);
        html.replace("</head>", QStringLiteral("<style>header,ol,details{display:none}body{margin:0}"
                                               ".bl{animation-play-state:paused!important;"
                                               "animation-delay:-%1s!important}</style></head>")
                                    .arg(delay));
        const QString copy = QFileInfo(path).dir().filePath("shot-" + QFileInfo(path).fileName());
        writeFile(copy, html.toUtf8());
        const QString png = dir_->filePath("shot.png");
        QFile::remove(png);
        chromium({"--screenshot=" + png, "--window-size=400,900", QUrl::fromLocalFile(copy).toString()});
        QFile::remove(copy);
        return QImage(png).convertToFormat(QImage::Format_RGB32);
    }

    static std::unique_ptr<LoadedPage> load(const QString& sample) {
        HttpFetcher fetcher;
        QTemporaryDir work;
        return PageLoader(fetcher, work.path(), 20).load(kSamples + "/" + sample);
    }

    // The addresses the browser requested for the page itself (the browser's
    // own background requests carry no page of a file).
    QStringList requestsOfPages(const QString& page) {
        const QString log = dir_->filePath("net.json");
        QFile::remove(log);
        chromium({"--log-net-log=" + log, "--dump-dom", QUrl::fromLocalFile(page).toString()});
        QFile file(log);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QStringList urls;
        for (const QJsonValue event : QJsonDocument::fromJson(file.readAll())["events"].toArray()) {
            const QJsonObject params = event["params"].toObject();
            if (params["network_isolation_key"].toString().contains("file://")) urls << params["url"].toString();
        }
        urls.removeDuplicates();
        return urls;
    }

    static QTemporaryDir* dir_;
    QString chromium_;
};
QTemporaryDir* Browser::dir_ = nullptr;

QRgb rgbOf(int packed) { return qRgb(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF); }

// A glyph's cells in the screenshot (2 pixels a pixel of the LCD).
QRect cellRect(const PageModel& m, int64_t row, const LcdGlyph& g) {
    const double x = 2 * (kTextLeft - kLcdLeft + g.col * m.charWidth) / 15.0;
    const double y = 2 * (kTextTop - kLcdTop + row * m.lineHeight) / 15.0;
    return QRect(int(std::ceil(x)), int(std::ceil(y)), int(2 * g.cells * m.charWidth / 15.0) - 1,
                 int(2 * m.lineHeight / 15.0) - 1);
}

int countColour(const QImage& image, const QRect& r, QRgb colour) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

TEST_F(Browser, ScreenShowsColoursPictographDotsAndBlinkingInItsPhases) {
    const auto colours = load("colors.txt");
    const QImage shot = screenshot("colors.html", 0.5);
    ASSERT_FALSE(shot.isNull());
    const LcdScreen screen = readLcdScreen(colours->model, colours->pictures, ScreenExtent::WholePage);
    EXPECT_EQ(shot.pixel(10, 2 * int(screen.heightPx) - 6), rgbOf(screen.background));  // below the text
    EXPECT_EQ(shot.pixel(0, 0), qRgb(0, 0, 0));                                         // the frame
    // Every colour run shows pixels of its own colour.
    std::set<int> runs;
    for (const auto& row : screen.glyphs)
        for (const LcdGlyph& g : row) runs.insert(g.colour);
    ASSERT_GE(runs.size(), 5u);
    const QRect lcd(0, 0, 2 * int(screen.widthPx), 2 * int(screen.heightPx));
    for (int colour : runs) EXPECT_GT(countColour(shot, lcd, rgbOf(colour)), 0) << std::hex << colour;

    // blink.txt: blinking glyphs shown at 0.5 s, gone at 1.5 s; steady ones stay.
    const auto blink = load("blink.txt");
    const LcdScreen b = readLcdScreen(blink->model, blink->pictures, ScreenExtent::WholePage);
    const QImage shown = screenshot("blink.html", 0.5), hidden = screenshot("blink.html", 1.5);
    int blinking = 0, pictographs = 0;
    for (size_t r = 0; r < b.glyphs.size(); ++r) {
        for (const LcdGlyph& g : b.glyphs[r]) {
            if (g.text.trimmed().isEmpty()) continue;
            const QRect cell = cellRect(blink->model, int64_t(r), g);
            const int background = countColour(shown, cell, rgbOf(b.background));
            EXPECT_LT(background, cell.width() * cell.height()) << "row " << r << " col " << g.col;
            const int left = countColour(hidden, cell, rgbOf(b.background));
            if (g.blinks) EXPECT_EQ(left, cell.width() * cell.height()) << "row " << r << " col " << g.col;
            else EXPECT_LT(left, cell.width() * cell.height()) << "row " << r << " col " << g.col;
            blinking += g.blinks;
            // A pictograph: its 12 x 12 dots, 2 pixels each, centred in two cells.
            const int code = pictographCode(g.text[0].unicode());
            if (code < 0) continue;
            ++pictographs;
            const double ox =
                2 * (kTextLeft - kLcdLeft + g.col * blink->model.charWidth) / 15.0 + (2 * 2 * 100 / 15.0 - 24) / 2;
            const double oy =
                2 * (kTextTop - kLcdTop + int64_t(r) * blink->model.lineHeight) / 15.0 + (2 * 200 / 15.0 - 24) / 2;
            for (int dy = 0; dy < 12; ++dy)
                for (int dx = 0; dx < 12; ++dx) {
                    const QRgb px = shown.pixel(int(ox + 2 * dx + 1), int(oy + 2 * dy + 1));
                    EXPECT_EQ(px == rgbOf(g.colour), pictographDot(code, dx, dy)) << code << " dot " << dx << "," << dy;
                }
        }
    }
    EXPECT_GT(blinking, 5);
    EXPECT_GT(pictographs, 2);
}

// Codes without a design: the mark's dots, 2 pixels each, centred in the
// code's cells (two for F0A0 from a Shift_JIS page, one for U+E800).
TEST_F(Browser, MarksOfCodesWithoutADesignShowTheirDots) {
    writeFile(dir_->filePath("codes/marks.txt"),
              "A\xF0\xA0"
              "B\xF8\xA0"
              "C\r\n");
    writeFile(dir_->filePath("codes/one.txt"),
              "a\xEE\xA0\x80"
              "b\r\n");
    ExportOptions o;
    o.pages = {dir_->filePath("codes")};
    o.out = dir_->filePath("codes-site");
    ASSERT_EQ(exportPages(o).status, 0);
    const struct {
        const char* page;
        char16_t ch;
        int col, cells;
    } marks[] = {{"marks.html", u'\uE05F', 1, 2}, {"marks.html", u'\uE63F', 4, 2}, {"one.html", u'\uE800', 1, 1}};
    for (const auto& m : marks) {
        const QImage shot = screenshotOf(dir_->filePath(QStringLiteral("codes-site/") + m.page), 0.5);
        ASSERT_FALSE(shot.isNull());
        const int width = markWidth(m.cells);
        const double ox = 2 * (kTextLeft - kLcdLeft + m.col * 100) / 15.0 + (2 * m.cells * 100 / 15.0 - 2 * width) / 2;
        const double oy = 2 * (kTextTop - kLcdTop) / 15.0 + (2 * 200 / 15.0 - 24) / 2;
        for (int dy = 0; dy < kMarkHeight; ++dy)
            for (int dx = 0; dx < width; ++dx) {
                const QRgb px = shot.pixel(int(ox + 2 * dx + 1), int(oy + 2 * dy + 1));
                EXPECT_EQ(px == qRgb(0, 0, 0), markDot(m.ch, m.cells, dx, dy)) << m.page << " dot " << dx << "," << dy;
            }
    }
}

// The characters DrawLcd prints on each row of the whole page, pictographs
// as their Unicode equivalents.
QStringList drawnRows(const LoadedPage& page) {
    test::RecordingCanvas canvas;
    const WholePage whole = DrawWholePage(page.model, page.pictures, canvas);
    QStringList rows(int(whole.rows));
    for (const test::DrawOp& op : canvas.ops) {
        if (op.kind != "text") continue;
        const char16_t code = char16_t(op.values[2]);
        if (code < 0x20 || code == 0x7F) continue;
        const int64_t row = (op.values[1] - kTextTop) / page.model.lineHeight;
        const int c = pictographCode(code);
        rows[int(row)] += c >= 0 ? pictographEquivalent(c).unicode : QString(QChar(code));
    }
    return rows;
}

QString unescape(QString s) {
    s.remove(QRegularExpression("<[^>]*>"));
    return s.replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&quot;", "\"")
        .replace("&nbsp;", QChar(0xA0))
        .replace("&amp;", "&");
}

TEST_F(Browser, DomRowsHoldTheCharactersDrawLcdPrintsOnThem) {
    // The sample index became index-2.html: index.html is the archive's.
    for (const QString sample : {"index", "mail", "colors", "blink", "emoji", "long", "attach"}) {
        const QString html = sample == "index" ? "index-2.html" : sample + ".html";
        const QString dom = QString::fromUtf8(chromium({"--dump-dom", QUrl::fromLocalFile(site(html)).toString()}));
        ASSERT_FALSE(dom.isEmpty()) << sample.toStdString();
        QStringList rows;
        static const QRegularExpression row("<div class=\"r\">(.*?)</div>");
        for (auto it = row.globalMatch(dom); it.hasNext();) rows << unescape(it.next().captured(1));
        const QString file = sample == "index" ? "index.txt" : sample + ".txt";
        EXPECT_EQ(rows, drawnRows(*load(file))) << sample.toStdString();
    }
}

TEST_F(Browser, LinksLeadToTheOtherExportedPagesAndNothingLoadsFromOutside) {
    const QString dom = QString::fromUtf8(chromium({"--dump-dom", QUrl::fromLocalFile(site("mail.html")).toString()}));
    static const QRegularExpression link(
        "<ol class=\"links\">\\s*<li><span class=\"key\">0</span> <a href=\"([^\"]+)\">");
    const QRegularExpressionMatch back = link.match(dom);
    ASSERT_TRUE(back.hasMatch()) << dom.toStdString();
    const QString target = QFileInfo(QFileInfo(site("mail.html")).dir().filePath(back.captured(1))).canonicalFilePath();
    EXPECT_EQ(target, QFileInfo(site("index-2.html")).canonicalFilePath());
    EXPECT_TRUE(readText(target).contains(QStringLiteral("<title>すみれ見本ページ</title>")));

    // Every file the archive names is relative and inside it.
    static const QRegularExpression named("(?:src|href)=\"([^\"]*)\"|url\\(([^)]*)\\)");
    for (QDirIterator it(site(""), {"*.html", "*.css"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString file = it.next();
        for (auto m = named.globalMatch(readText(file)); m.hasNext();) {
            const auto one = m.next();
            const QString ref = one.captured(1) + one.captured(2);
            if (file.endsWith(".html") && one.captured(0).startsWith("href") && ref.startsWith("http"))
                continue;  // a link
            EXPECT_FALSE(ref.contains(':')) << file.toStdString() << ": " << ref.toStdString();
            const QString resolved = QDir::cleanPath(QFileInfo(file).absoluteDir().filePath(ref));
            EXPECT_TRUE(resolved.startsWith(QDir::cleanPath(site("")))) << ref.toStdString();
            EXPECT_TRUE(QFileInfo::exists(resolved)) << file.toStdString() << ": " << ref.toStdString();
        }
    }
    // The browser's request log: no address requested for a page of the
    // archive. A page that names an outside picture shows the log sees it.
    EXPECT_EQ(requestsOfPages(site("index.html")), QStringList{});
    EXPECT_EQ(requestsOfPages(site("attach.html")), QStringList{});
    const QString outside = dir_->filePath("outside.html");
    writeFile(outside, "<!DOCTYPE html><title>x</title><img src=\"http://example.org/x.png\" alt=\"\">");
    EXPECT_EQ(requestsOfPages(outside), QStringList{"http://example.org/x.png"});
}

}  // namespace
}  // namespace sumire
