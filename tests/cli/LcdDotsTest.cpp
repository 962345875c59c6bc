// The LCD drawn as a dot matrix, looked at in the pictures `render` writes:
// rows that never touch, nothing past the screen's edge, letters that read,
// pictographs as tall as the text, and the outline face when the dot face's
// package is missing.

#include "Pixels.h"
#include "ProgramRun.h"
#include "TestFiles.h"
#include "cli/RenderCommand.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>

namespace sumire {
namespace {

struct Width {
    int chars, charWidth, lineHeight, lineCount;
};
constexpr Width kWidths[] = {
    {20, 100, 200, 10}, {18, 115, 210, 9}, {16, 130, 220, 9}, {14, 145, 230, 8}, {12, 165, 250, 7}, {10, 200, 300, 6},
};
constexpr QPoint kLcdCorner(24, 64);        // the LCD crop's place in the window
constexpr QRect kInside(25, 65, 136, 136);  // inside the frame, handset pixels

int px(double twips) { return int(std::lround(twips / 15.0)); }
// Pixel rows [first, last] of row `r` and columns of cell `c`, in the LCD crop.
std::pair<int, int> rowBand(int r, const Width& w) {
    return {px(1000 + r * w.lineHeight) - kLcdCorner.y(), px(1000 + (r + 1) * w.lineHeight) - kLcdCorner.y() - 1};
}
std::pair<int, int> cellBand(int c, const Width& w) {
    return {px(400 + c * w.charWidth) - kLcdCorner.x(), px(400 + (c + 1) * w.charWidth) - kLcdCorner.x() - 1};
}
int bandOf(int pixel, int count, const Width& w, std::pair<int, int> (*band)(int, const Width&)) {
    for (int i = 0; i < count; ++i)
        if (pixel >= band(i, w).first && pixel <= band(i, w).second) return i;
    return -1;
}

class LcdDots : public ::testing::Test {
protected:
    QImage render(const QString& text, int width, Crop crop = Crop::Lcd) {
        const QString page = dir_.filePath(QStringLiteral("page%1.txt").arg(++pages_));
        test::writeFile(page, text.toUtf8());
        RenderOptions options;
        options.crop = crop;
        options.width = width;
        const RenderedPage shown = PageRenderer(options).render(page);
        EXPECT_FALSE(shown.image.isNull()) << qPrintable(shown.error);
        return shown.image.convertToFormat(QImage::Format_RGB32);
    }
    QTemporaryDir dir_;
    int pages_ = 0;
};

// The ink of a picture's area, as rows of '#' and '.' trimmed to the ink's box.
QStringList inkOf(const QImage& image, const QRect& area) {
    QStringList rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QString row;
        for (int x = area.left(); x <= area.right(); ++x)
            row += (image.pixel(x, y) & 0xFFFFFF) == 0 ? QLatin1Char('#') : QLatin1Char('.');
        if (row.contains(QLatin1Char('#')) || !rows.isEmpty()) rows.append(row);
    }
    while (!rows.isEmpty() && !rows.last().contains(QLatin1Char('#'))) rows.removeLast();
    qsizetype left = rows.value(0).size(), right = -1;
    for (const QString& row : rows) {
        if (!row.contains(QLatin1Char('#'))) continue;
        left = std::min(left, row.indexOf(QLatin1Char('#')));
        right = std::max(right, row.lastIndexOf(QLatin1Char('#')));
    }
    for (QString& row : rows) row = row.mid(left, right - left + 1);
    return rows;
}

// Dense full-width characters and pictographs on every row, red on even rows
// and blue on odd ones: each colour stays in its own rows' bands.
TEST_F(LcdDots, RowsNeverTouchAtAnyWidth) {
    const QStringList dense = {"鬱", "龍", "驫", "■", "＿", "￣", "｜", "<#CLOCK>", "<#TRAIN>", "<#HOME>"};
    for (const Width& w : kWidths) {
        QString page;
        for (int r = 0; r < w.lineCount; ++r) {
            page += r % 2 ? "<C=0000FF>" : "<C=FF0000>";
            for (int c = 0; c < w.chars / 2; ++c) page += dense[(r + c) % dense.size()];
            page += "</C>";
        }
        const QImage lcd = render(page, w.chars);
        std::vector<int> inkPerRow(size_t(w.lineCount), 0);
        for (int y = 1; y < lcd.height() - 1; ++y)
            for (int x = 1; x < lcd.width() - 1; ++x) {
                const QRgb pixel = lcd.pixel(x, y) & 0xFFFFFF;
                if (pixel == 0xFFFFFF) continue;
                const int row = bandOf(y, w.lineCount, w, rowBand);
                ASSERT_GE(row, 0) << "width " << w.chars << ": ink below the last row at y " << y;
                EXPECT_EQ(pixel, row % 2 ? 0x0000FFu : 0xFF0000u)
                    << "width " << w.chars << ": ink of a neighbour in row " << row << " at " << x << "," << y;
                ++inkPerRow[size_t(row)];
            }
        for (int r = 0; r < w.lineCount; ++r)
            EXPECT_GT(inkPerRow[size_t(r)], 100) << "width " << w.chars << " row " << r;
    }
}

// A row of double-byte characters and pictographs that ends at the last
// cell: the handset outside the screen's inside is as an empty page leaves it.
TEST_F(LcdDots, NothingIsDrawnPastTheScreensEdge) {
    const QStringList last = {"鬱", "<#HEART>", "■", "<#TRAIN>", "\uE0FF"};
    for (const Width& w : kWidths) {
        for (const QString& end : last) {
            const QString row = QString("龍").repeated(w.chars / 2 - 1) + end;
            const QImage page = render(row + row, w.chars, Crop::Handset);
            const QImage empty = render(QString(), w.chars, Crop::Handset);
            const int lastCells = px(400 + (w.chars - 2) * w.charWidth);
            int inkOfTheLast = 0;
            for (int y = 0; y < page.height(); ++y)
                for (int x = 0; x < page.width(); ++x) {
                    if (page.pixel(x, y) == empty.pixel(x, y)) continue;
                    ASSERT_TRUE(kInside.contains(x, y))
                        << "width " << w.chars << " " << qPrintable(end) << ": drawn at " << x << "," << y;
                    if (x >= lastCells) ++inkOfTheLast;
                }
            EXPECT_GT(inkOfTheLast, 10) << "width " << w.chars << " " << qPrintable(end);
        }
    }
}

// Width 20: every printable ASCII character in every other cell keeps its
// ink in its own cell, and the letters that used to merge read apart.
TEST_F(LcdDots, EveryAsciiLetterReadsInItsOwnCell) {
    const Width& w = kWidths[0];
    QString page;
    for (char16_t c = 0x21; c < 0x7F; ++c) page += QString(QChar(c)) + ((c - 0x21) % 10 == 9 ? "" : " ");
    const QImage lcd = render(page, w.chars);
    std::map<char16_t, int> ink;
    for (int y = 1; y < lcd.height() - 1; ++y)
        for (int x = 1; x < lcd.width() - 1; ++x) {
            if ((lcd.pixel(x, y) & 0xFFFFFF) != 0) continue;
            const int row = bandOf(y, w.lineCount, w, rowBand), cell = bandOf(x, w.chars, w, cellBand);
            ASSERT_TRUE(row >= 0 && cell >= 0 && cell % 2 == 0) << "ink between cells at " << x << "," << y;
            ++ink[char16_t(0x21 + row * 10 + cell / 2)];
        }
    for (char16_t c = 0x21; c < 0x7F; ++c) EXPECT_GT(ink[c], 1) << "no ink for " << char(c);

    const auto glyph = [&](char16_t c) {
        const int i = c - 0x21, row = i / 10, cell = i % 10 * 2;
        return inkOf(lcd, QRect(QPoint(cellBand(cell, w).first, rowBand(row, w).first),
                                QPoint(cellBand(cell, w).second, rowBand(row, w).second)));
    };
    EXPECT_NE(glyph('M'), glyph('W'));
    const QImage block = render("■", w.chars);
    EXPECT_NE(glyph('m'), inkOf(block, QRect(1, 1, 20, 20)));
    // The strokes that tell them apart: m's three stems across its middle,
    // the open top and bottom of x, M meeting high and W low in the middle.
    const struct {
        char16_t c;
        double where;
        bool across;
        int runs;
    } strokes[] = {{u'm', 0.5, true, 3}, {u'x', 0, true, 2},    {u'x', 1, true, 2},   {u'M', 0, true, 2},
                   {u'W', 1, true, 2},   {u'M', 0.5, false, 1}, {u'W', 0.5, false, 1}};
    for (const auto& s : strokes) {
        const QStringList rows = glyph(s.c);
        ASSERT_GE(rows.size(), 5) << char(s.c);
        QString line;
        if (s.across) line = rows[int(std::lround(s.where * double(rows.size() - 1)))];
        else
            for (const QString& row : rows) line += row[int(std::lround(s.where * double(row.size() - 1)))];
        EXPECT_EQ(line.split(QLatin1Char('.'), Qt::SkipEmptyParts).size(), s.runs)
            << char(s.c) << ": " << qPrintable(line);
        if (s.across) continue;
        const bool high = line.indexOf(QLatin1Char('#')) < line.size() / 2;
        EXPECT_EQ(high, s.c == u'M') << char(s.c) << " meets on the wrong side: " << qPrintable(line);
    }
}

// At every width a pictograph is about as tall as a kanji beside it, and
// both fit their row.
TEST_F(LcdDots, PictographsAreAsTallAsTheText) {
    const struct {
        const char* kanji;
        const char* pictograph;
    } pairs[] = {{"龍", "<#CLOCK>"}, {"驫", "<#TRAIN>"}, {"日", "<#HOME>"}, {"鬱", "<#DOKURO>"}};
    for (const Width& w : kWidths) {
        for (const auto& pair : pairs) {
            const QImage lcd = render(QString::fromUtf8(pair.kanji) + pair.pictograph, w.chars);
            const auto rows = rowBand(0, w);
            const auto height = [&](int firstCell) {
                return int(inkOf(lcd, QRect(QPoint(cellBand(firstCell, w).first, rows.first),
                                            QPoint(cellBand(firstCell + 1, w).second, rows.second)))
                               .size());
            };
            const int kanji = height(0), pictograph = height(2);
            EXPECT_GE(kanji, 10) << pair.kanji << " width " << w.chars;
            EXPECT_NEAR(pictograph, kanji, 2) << pair.pictograph << " width " << w.chars;
        }
    }
}

// Without the dot face's files the page is still drawn, in the outline face,
// and standard error names the missing package once, for all its pages.
TEST(LcdDotFace, MissingPackageFallsBackAndSaysSoOnce) {
    QTemporaryDir dir;
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) test::writeFile(dir.filePath(name), "MAIL 日本 <#HEART>");
    test::RunSetup setup;
    setup.environment.insert("SUMIRE_LCD_FONT_DIR", dir.filePath("no-fonts"));
    for (const char* jobs : {"1", "2"}) {
        const QString out = dir.filePath(QStringLiteral("out%1").arg(jobs));
        const test::ProgramResult run =
            test::runProgram({"render", dir.filePath("a.txt"), dir.filePath("b.txt"), dir.filePath("c.txt"), "--crop",
                              "lcd", "-o", out, "-j", jobs},
                             setup);
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(run.err.count("xfonts-efont-unicode"), 1) << run.err.constData();
        const QImage picture(out + "/b.png");
        ASSERT_FALSE(picture.isNull());
        EXPECT_GT(test::countPixels(picture, picture.rect().adjusted(1, 1, -1, -1), qRgb(0, 0, 0)), 50);
    }
}

}  // namespace
}  // namespace sumire
