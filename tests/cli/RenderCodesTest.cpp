// What `render` draws for the handsets' own codes: a pictograph sent as its
// two raw bytes looks exactly like its tag, and a private-use code without a
// design shows its mark in its own cells, moving nothing else.

#include "cli/RenderCommand.h"
#include "display/PictographText.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>

namespace sumire {
namespace {

QString writePage(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}

RenderedPage renderLcd(const QString& page) {
    RenderOptions options;
    options.crop = Crop::Lcd;
    RenderedPage shown = PageRenderer(options).render(page);
    EXPECT_FALSE(shown.image.isNull()) << qPrintable(shown.error);
    return shown;
}

// The pixels of `cells` cells from column `col` of row `row` in the LCD crop,
// at width 20 (100 x 200 twips a cell, the crop starting at pixel 24, 64).
QRect cellPixels(int row, int col, int cells) {
    const auto px = [](double twips) { return int(std::lround(twips / 15.0)); };
    const int left = px(400 + col * 100) - 24, right = px(400 + (col + cells) * 100) - 24;
    const int top = px(1000 + row * 200) - 64, bottom = px(1000 + (row + 1) * 200) - 64;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

int inkIn(const QImage& image, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == 0;
    return n;
}

struct Mark {
    int row, col, cells;
};

// `marked` and `plain` differ inside the marks' cells only, and each cell of
// each mark holds ink.
void expectMarksOnly(const QImage& marked, const QImage& plain, const std::vector<Mark>& marks) {
    ASSERT_EQ(marked.size(), plain.size());
    for (int y = 0; y < marked.height(); ++y)
        for (int x = 0; x < marked.width(); ++x) {
            bool inMark = false;
            for (const Mark& m : marks) inMark = inMark || cellPixels(m.row, m.col, m.cells).contains(x, y);
            if (!inMark) {
                ASSERT_EQ(marked.pixel(x, y), plain.pixel(x, y)) << "moved at " << x << "," << y;
            }
        }
    for (const Mark& m : marks)
        for (int cell = 0; cell < m.cells; ++cell)
            EXPECT_GT(inkIn(marked, cellPixels(m.row, m.col + cell, 1)), 3)
                << "row " << m.row << " col " << m.col + cell << " is blank";
}

TEST(RenderCodes, CodesWithoutADesignShowAMarkInTheirCellsAndNothingElseMoves) {
    QTemporaryDir dir;
    // Shift_JIS: the handset family's later pictograph F0A0 and another
    // carrier's F8A0, two cells each, beside text and a pictograph; the
    // reference page has ideographic spaces (two blank cells) in their place.
    const QByteArray page =
        "A\xF0\xA0"
        "B\x82\xA0\xF8\xA0\xF0\x40"
        "C\r\n\xF8\xA0xyz\r\n";
    QByteArray blank = page;
    blank.replace("\xF0\xA0", "\x81\x40").replace("\xF8\xA0", "\x81\x40");
    const RenderedPage marked = renderLcd(writePage(dir, "marked.txt", page));
    const RenderedPage plain = renderLcd(writePage(dir, "plain.txt", blank));
    expectMarksOnly(marked.image, plain.image, {{0, 1, 2}, {0, 6, 2}, {1, 0, 2}});
    // The two codes' marks differ (their last two hex digits: 5F and 3F).
    EXPECT_NE(marked.image.copy(cellPixels(0, 1, 2)), marked.image.copy(cellPixels(0, 6, 2)));
    EXPECT_EQ(marked.image.copy(cellPixels(0, 6, 2)), marked.image.copy(cellPixels(1, 0, 2)));

    // UTF-8: U+E800, which code page 932 has no code for, takes one cell; a
    // space stands in for it.
    const RenderedPage utf8 = renderLcd(writePage(dir, "utf8.txt",
                                                  "a\xEE\xA0\x80"
                                                  "b\xEE\x81\x9F"
                                                  "c\r\n"));
    const RenderedPage spaces = renderLcd(writePage(dir, "spaces.txt",
                                                    "a b\xE3\x80\x80"
                                                    "c\r\n"));
    expectMarksOnly(utf8.image, spaces.image, {{0, 1, 1}, {0, 3, 2}});
}

// Each of the 95 tags and its two raw bytes (F040 + code, F080 for code 63,
// as the handsets send them) draw the same pixels.
TEST(RenderCodes, RawPictographBytesDrawExactlyAsTheirTags) {
    QTemporaryDir dir;
    QByteArray tags, raw;
    for (int code = 0; code < kPictographCount; ++code) {
        tags += pictographEquivalent(code).tag.toLatin1();
        const int trail = 0x40 + code + (code >= 63 ? 1 : 0);
        raw += char(0xF0);
        raw += char(trail);
    }
    // 95 two-cell characters fill the ten rows of the LCD at width 20.
    const RenderedPage fromTags = renderLcd(writePage(dir, "tags.txt", tags));
    const RenderedPage fromBytes = renderLcd(writePage(dir, "raw.txt", raw));
    EXPECT_EQ(fromTags.image, fromBytes.image);
    for (int row = 0; row < 10; ++row) EXPECT_GT(inkIn(fromTags.image, cellPixels(row, 0, 18)), 100) << row;
    ASSERT_EQ(fromTags.drawing.size(), fromBytes.drawing.size());
    for (size_t i = 0; i < fromTags.drawing.size(); ++i)
        EXPECT_EQ(fromTags.drawing[i].values, fromBytes.drawing[i].values);
}

}  // namespace
}  // namespace sumire
