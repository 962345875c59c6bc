// The LCD's letters are drawn in a fixed-pitch face: each half-width letter
// stays within its own cell, as a handset draws it, at every display width.

#include "cli/RenderCommand.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>

namespace sumire {
namespace {

// Pixel columns of cell `col` in the LCD crop (the crop starts at pixel 24).
std::pair<int, int> cellColumns(int col, int charWidth) {
    const auto px = [](double twips) { return int(std::lround(twips / 15.0)); };
    return {px(400 + col * charWidth) - 24, px(400 + (col + 1) * charWidth) - 24 - 1};
}

TEST(LcdFace, EachHalfWidthLetterStaysInItsOwnCell) {
    QTemporaryDir dir;
    const struct { int width, charWidth; } widths[] = {{20, 100}, {14, 145}, {10, 200}};
    // Wide and narrow letters in every other cell of one row (nine cells
    // at width 10); the cells between stay empty.
    for (const char* letters : {"M W m w M", "I i l ! 1"}) {
        const QString page = dir.filePath("letters.txt");
        QFile f(page);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(letters);
        f.close();
        for (const auto& w : widths) {
            RenderOptions options;
            options.crop = Crop::Lcd;
            options.width = w.width;
            const RenderedPage shown = PageRenderer(options).render(page);
            ASSERT_FALSE(shown.image.isNull()) << qPrintable(shown.error);
            std::vector<int> inkPerCell(12, 0);
            for (int y = 1; y < shown.image.height() - 1; ++y)
                for (int x = 1; x < shown.image.width() - 1; ++x) {
                    if ((shown.image.pixel(x, y) & 0xFFFFFF) != 0) continue;
                    int cell = -1;
                    for (int c = 0; c < 12; ++c) {
                        const auto [left, right] = cellColumns(c, w.charWidth);
                        if (x >= left && x <= right) cell = c;
                    }
                    ASSERT_GE(cell, 0) << letters << " ink at " << x << "," << y;
                    ++inkPerCell[size_t(cell)];
                }
            for (int c = 0; c < 9; ++c) {
                if (c % 2 == 0) EXPECT_GT(inkPerCell[size_t(c)], 3) << letters << " width " << w.width << " cell " << c;
                else
                    EXPECT_EQ(inkPerCell[size_t(c)], 0) << letters << " width " << w.width << " spills into cell " << c;
            }
        }
    }
}

}  // namespace
}  // namespace sumire
