#include "art/Pictographs.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QString>
#include <gtest/gtest.h>

namespace sumire {
namespace {

QString designOf(int code) {
    QString text;
    for (int y = 0; y < kPictographSize; ++y)
        for (int x = 0; x < kPictographSize; ++x)
            text += pictographDot(code, x, y) ? QLatin1Char('#') : QLatin1Char('.');
    return text;
}

TEST(PictographDesigns, EveryDesignHasDotsAndNoTwoAreAlike) {
    QSet<QString> seen;
    for (int code = 0; code < kPictographCount; ++code) {
        const QString design = designOf(code);
        EXPECT_TRUE(design.contains(QLatin1Char('#'))) << "code " << code << " is empty";
        EXPECT_FALSE(seen.contains(design)) << "code " << code << " repeats another design";
        seen.insert(design);
    }
    EXPECT_EQ(seen.size(), kPictographCount);
}

TEST(PictographDesigns, OutsideTheGridNothingIsSet) {
    // HEART's dots fill the middle row edge to edge; its neighbours outside are clear.
    EXPECT_TRUE(pictographDot(0, 0, 4));
    EXPECT_TRUE(pictographDot(0, 11, 4));
    EXPECT_FALSE(pictographDot(0, -1, 4));
    EXPECT_FALSE(pictographDot(0, 12, 4));
    EXPECT_FALSE(pictographDot(0, 5, 12));
    EXPECT_FALSE(pictographDot(-1, 5, 5));
    EXPECT_FALSE(pictographDot(kPictographCount, 5, 5));
}

// Everything painted on a white picture: each pixel must be `colour` and lie
// inside `allowed`; returns how many there are.
int paintedPixels(const QImage& image, const QColor& colour, const QRect& allowed) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == qRgb(255, 255, 255)) continue;
            ++count;
            EXPECT_EQ(pixel, colour.rgb()) << "at " << x << "," << y;
            EXPECT_TRUE(allowed.contains(x, y)) << "outside the cell at " << x << "," << y;
        }
    }
    return count;
}

QImage whiteImage() {
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Pictograph `code` drawn into `cell` on a white picture, the painter
// scaled by `scale`.
QImage drawn(int code, const QRectF& cell, const QColor& colour, qreal scale = 1) {
    QImage image = whiteImage();
    QPainter p(&image);
    p.scale(scale, scale);
    drawPictograph(p, code, cell, colour);
    return image;
}

TEST(DrawPictograph, FillsAnExactCellDotForDot) {
    const QColor colour(200, 0, 50);
    for (int code : {0, 30, 63, 94}) {
        const QImage image = drawn(code, QRectF(10, 20, 36, 24), colour);  // 2 pixels a dot, centred
        const int count = paintedPixels(image, colour, QRect(10, 20, 36, 24));
        int dots = 0;
        for (int y = 0; y < kPictographSize; ++y) {
            for (int x = 0; x < kPictographSize; ++x) {
                const bool set = pictographDot(code, x, y);
                dots += set;
                const QRgb expected = set ? colour.rgb() : qRgb(255, 255, 255);
                ASSERT_EQ(image.pixel(16 + 2 * x, 20 + 2 * y), expected) << code;
                ASSERT_EQ(image.pixel(17 + 2 * x, 21 + 2 * y), expected) << code;
            }
        }
        EXPECT_EQ(count, dots * 4) << code;
    }
}

TEST(DrawPictograph, StaysInsideFractionalAndTransformedCells) {
    const QColor colour(0, 0, 255);
    // HEART reaches the left and right edges of its grid, CLOCK the top and
    // bottom: in a narrow and in a flat cell they touch the cell's inner pixels.
    QImage image = drawn(0, QRectF(10.4, 5.5, 24.3, 40), colour);
    EXPECT_GT(paintedPixels(image, colour, QRect(11, 6, 23, 39)), 0);
    EXPECT_EQ(image.pixel(11, 25), colour.rgb());

    image = drawn(1, QRectF(40.5, 7.6, 50, 20.8), colour);
    EXPECT_GT(paintedPixels(image, colour, QRect(41, 8, 49, 20)), 0);
    EXPECT_EQ(image.pixel(65, 8), colour.rgb());

    // In twips, as the window draws: 15 twips a pixel.
    image = drawn(0, QRectF(360, 960, 400, 200), colour, 1.0 / 15);  // pixels 24..50 x 64..77
    EXPECT_GT(paintedPixels(image, colour, QRect(24, 64, 26, 13)), 60);
}

QString markOf(char16_t ch, int cells) {
    QString text;
    for (int y = 0; y < kMarkHeight; ++y) {
        for (int x = 0; x < markWidth(cells); ++x)
            text += markDot(ch, cells, x, y) ? QLatin1Char('#') : QLatin1Char('.');
        text += QLatin1Char('\n');
    }
    return text;
}

// The mark of a code without a design is told apart by its last two hex
// digits, in both widths, and looks like no pictograph.
TEST(Marks, EachLowByteHasItsOwnMarkUnlikeAnyPictograph) {
    QSet<QString> pictographs;
    for (int code = 0; code < kPictographCount; ++code) pictographs.insert(designOf(code));
    for (int cells : {1, 2}) {
        QSet<QString> seen;
        for (int low = 0; low < 256; ++low) {
            const QString mark = markOf(char16_t(0xE000 + low), cells);
            EXPECT_EQ(mark, markOf(char16_t(0xF800 + low), cells)) << "only the last two digits count";
            EXPECT_FALSE(seen.contains(mark)) << cells << " cells, low byte " << low;
            seen.insert(mark);
            QString flat = mark;
            EXPECT_FALSE(pictographs.contains(flat.remove(QLatin1Char('\n'))));
            // The dotted line across the top has its corners set.
            EXPECT_TRUE(markDot(char16_t(low), cells, 0, 0));
            EXPECT_TRUE(markDot(char16_t(low), cells, markWidth(cells) - 1, 0));
            EXPECT_FALSE(markDot(char16_t(low), cells, markWidth(cells), 0));
            EXPECT_FALSE(markDot(char16_t(low), cells, 0, kMarkHeight));
            EXPECT_FALSE(markDot(char16_t(low), cells, -1, 3));
        }
        EXPECT_EQ(seen.size(), 256);
    }
}

TEST(Marks, DigitsReadInOrderInsideTheDottedFrame) {
    EXPECT_EQ(markOf(u'\uE05F', 2), QStringLiteral("#.#.#..#.#.#\n"
                                                   "............\n"
                                                   "#..........#\n"
                                                   "..###..###..\n"
                                                   "#.#....#...#\n"
                                                   "..###..##...\n"
                                                   "....#..#....\n"
                                                   "#.###..#...#\n"
                                                   "............\n"
                                                   "#..........#\n"
                                                   "............\n"
                                                   "#.#.#..#.#.#\n"));
    EXPECT_EQ(markOf(u'\uE8A1', 1), QStringLiteral("#.##.#\n"
                                                   "..#...\n"
                                                   ".#.#..\n"
                                                   ".###..\n"
                                                   ".#.#..\n"
                                                   ".#.#..\n"
                                                   "......\n"
                                                   "..#...\n"
                                                   ".##...\n"
                                                   "..#...\n"
                                                   "..#...\n"
                                                   ".###..\n"));
}

TEST(Marks, DrawnDotForDotInsideTheirCells) {
    const QColor colour(0, 120, 0);
    for (int cells : {1, 2}) {
        QImage image = whiteImage();
        QPainter p(&image);
        // 2 pixels a dot: 12 x 24 for one cell, 24 x 24 for two, centred in
        // cells 14 pixels wide and 24 high.
        drawMark(p, u'\uE63F', cells, QRectF(20, 10, 14 * cells, 24), colour);
        p.end();
        const int width = markWidth(cells);
        const int left = 20 + (14 * cells - 2 * width) / 2, top = 10;
        int dots = 0;
        for (int y = 0; y < kMarkHeight; ++y)
            for (int x = 0; x < width; ++x) {
                const bool set = markDot(u'\uE63F', cells, x, y);
                dots += set;
                ASSERT_EQ(image.pixel(left + 2 * x + 1, top + 2 * y + 1), set ? colour.rgb() : qRgb(255, 255, 255))
                    << cells << " cells, dot " << x << "," << y;
            }
        EXPECT_EQ(paintedPixels(image, colour, QRect(left, top, 2 * width, 24)), 4 * dots);
    }
}

TEST(DrawPictograph, DrawsNothingForUnknownCodesOrRotatedPainters) {
    QImage image = whiteImage();
    QPainter p(&image);
    drawPictograph(p, -1, QRectF(0, 0, 48, 24), Qt::black);
    drawPictograph(p, kPictographCount, QRectF(0, 0, 48, 24), Qt::black);
    p.rotate(30);
    drawPictograph(p, 0, QRectF(40, 0, 48, 24), Qt::black);
    p.end();
    EXPECT_EQ(paintedPixels(image, Qt::black, QRect()), 0);
}

}  // namespace
}  // namespace sumire

namespace sumire {
namespace {

// A black and white picture as rows of '#' and '.', with each run of equal
// neighbouring rows and then of equal columns kept once: what is left is the
// same for a design and any nearest-neighbour enlargement of it.
QStringList collapsed(const QImage& image) {
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            EXPECT_TRUE(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255)) << "a smoothed pixel";
            row += pixel == qRgb(0, 0, 0) ? QLatin1Char('#') : QLatin1Char('.');
        }
        if (rows.isEmpty() || rows.last() != row) rows.append(row);
    }
    QList<int> keep;
    const auto column = [&rows](int x) {
        QString c;
        for (const QString& row : rows) c += row[x];
        return c;
    };
    for (int x = 0; x < image.width(); ++x)
        if (x == 0 || column(x) != column(x - 1)) keep.append(x);
    for (QString& row : rows) {
        QString kept;
        for (int x : keep) kept += row[x];
        row = kept;
    }
    return rows;
}

QImage designImage(int code) {
    QImage image(kPictographSize, kPictographSize, QImage::Format_RGB32);
    for (int y = 0; y < kPictographSize; ++y)
        for (int x = 0; x < kPictographSize; ++x)
            image.setPixel(x, y, pictographDot(code, x, y) ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    return image;
}

// The LCD's sizes: every design enlarged by nearest neighbour, never smoothed,
// nothing outside its square; at 24, each dot exactly 2 x 2 pixels.
TEST(DrawPictographDots, EnlargesByNearestNeighbourOnly) {
    for (int size : {12, 14, 16, 24}) {
        for (int code = 0; code < kPictographCount; ++code) {
            QImage image(size + 4, size + 4, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter p(&image);
            drawPictographDots(p, code, QPoint(2, 2), size, Qt::black);
            p.end();
            const QImage inside = image.copy(2, 2, size, size);
            EXPECT_EQ(paintedPixels(image, Qt::black, QRect(2, 2, size, size)),
                      paintedPixels(inside, Qt::black, inside.rect()));
            ASSERT_EQ(collapsed(inside), collapsed(designImage(code))) << "code " << code << " size " << size;
            if (size % kPictographSize == 0) {
                EXPECT_EQ(inside, designImage(code).scaled(size, size)) << "code " << code << " size " << size;
            }
        }
    }
}

}  // namespace
}  // namespace sumire
