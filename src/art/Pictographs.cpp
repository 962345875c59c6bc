#include "Pictographs.h"

#include "PictographDesigns.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace sumire {

namespace {

// Whole device pixels inside `cell` (edges rounded inwards).
QRect innerDeviceRect(const QPainter& p, const QRectF& cell) {
    const QRectF device = p.deviceTransform().mapRect(cell);
    const int left = static_cast<int>(std::ceil(device.left() - 1e-6));
    const int top = static_cast<int>(std::ceil(device.top() - 1e-6));
    const int right = static_cast<int>(std::floor(device.right() + 1e-6));
    const int bottom = static_cast<int>(std::floor(device.bottom() + 1e-6));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// Device position of dot edge k (0..12) along one axis, so that dots of one
// design differ by at most one pixel in size.
int dotEdge(double origin, double dot, int k) { return static_cast<int>(std::lround(origin + k * dot)); }

// 3 x 5 hex digits, one row of three dots a string.
constexpr const char* kHexDigits[16][5] = {
    {"###", "#.#", "#.#", "#.#", "###"}, {".#.", "##.", ".#.", ".#.", "###"}, {"###", "..#", "###", "#..", "###"},
    {"###", "..#", "###", "..#", "###"}, {"#.#", "#.#", "###", "..#", "..#"}, {"###", "#..", "###", "..#", "###"},
    {"###", "#..", "###", "#.#", "###"}, {"###", "..#", "..#", "..#", "..#"}, {"###", "#.#", "###", "#.#", "###"},
    {"###", "#.#", "###", "..#", "###"}, {".#.", "#.#", "###", "#.#", "#.#"}, {"##.", "#.#", "##.", "#.#", "##."},
    {".##", "#..", "#..", "#..", ".##"}, {"##.", "#.#", "#.#", "#.#", "##."}, {"###", "#..", "##.", "#..", "###"},
    {"###", "#..", "##.", "#..", "#.."},
};

bool digitDot(int digit, int x, int y) { return x >= 0 && x < 3 && y >= 0 && y < 5 && kHexDigits[digit][y][x] == '#'; }

// Dots along a frame's edge: every other one, symmetric, corners set.
bool frameDot(int i, int length) {
    const int fromEnd = std::min(i, length - 1 - i);
    return fromEnd % 2 == 0;
}

// Paints the set dots of a cols x rows grid as large as fits into `cell`,
// centred, with edges on whole device pixels.
template <typename DotSet>
void drawDots(QPainter& p, const QRectF& cell, int cols, int rows, const QColor& colour, DotSet isSet) {
    // Square dots need an unrotated, unsheared mapping to the device.
    if (p.deviceTransform().type() > QTransform::TxScale) return;
    const QRect area = innerDeviceRect(p, cell);
    const double dot = std::min(area.width() / double(cols), area.height() / double(rows));
    if (dot <= 0) return;
    const double originX = area.left() + (area.width() - dot * cols) / 2;
    const double originY = area.top() + (area.height() - dot * rows) / 2;

    // Fill in device pixels so that dot edges stay sharp under any scale.
    p.save();
    p.setViewTransformEnabled(false);
    p.setWorldTransform(QTransform());
    for (int y = 0; y < rows; ++y) {
        const int top = dotEdge(originY, dot, y);
        const int height = dotEdge(originY, dot, y + 1) - top;
        for (int x = 0; x < cols; ++x) {
            if (!isSet(x, y)) continue;
            const int left = dotEdge(originX, dot, x);
            p.fillRect(QRect(left, top, dotEdge(originX, dot, x + 1) - left, height), colour);
        }
    }
    p.restore();
}

// Paints a cols x rows grid as `size` pixels from `topLeft`, each pixel
// taking the dot under its centre; one rectangle per run of set pixels.
template <typename DotSet>
void drawScaledDots(QPainter& p, QPoint topLeft, int cols, int rows, QSize size, const QColor& colour, DotSet isSet) {
    const int w = size.width(), h = size.height();
    for (int ty = 0; ty < h; ++ty) {
        const int y = (2 * ty + 1) * rows / (2 * h);
        int runStart = -1;
        for (int tx = 0; tx <= w; ++tx) {
            const bool set = tx < w && isSet((2 * tx + 1) * cols / (2 * w), y);
            if (set && runStart < 0) runStart = tx;
            if (set || runStart < 0) continue;
            p.fillRect(QRect(topLeft.x() + runStart, topLeft.y() + ty, tx - runStart, 1), colour);
            runStart = -1;
        }
    }
}

}  // namespace

bool pictographDot(int code, int x, int y) {
    if (code < 0 || code >= kPictographCount || x < 0 || x >= kPictographSize || y < 0 || y >= kPictographSize)
        return false;
    return art::kPictographDesigns[code][y][x] == '#';
}

void drawPictograph(QPainter& p, int code, const QRectF& cell, const QColor& colour) {
    if (code < 0 || code >= kPictographCount) return;
    drawDots(p, cell, kPictographSize, kPictographSize, colour,
             [code](int x, int y) { return pictographDot(code, x, y); });
}

bool markDot(char16_t ch, int cells, int x, int y) {
    const int width = markWidth(cells);
    if (x < 0 || x >= width || y < 0 || y >= kMarkHeight) return false;
    const int high = (ch >> 4) & 0xF, low = ch & 0xF;
    if (width == 12) {
        if (y == 0 || y == kMarkHeight - 1) return frameDot(x, width);
        if (x == 0 || x == width - 1) return frameDot(y, kMarkHeight);
        return digitDot(high, x - 2, y - 3) || digitDot(low, x - 7, y - 3);
    }
    if (y == 0) return frameDot(x, width);
    return digitDot(high, x - 1, y - 1) || digitDot(low, x - 1, y - 7);
}

void drawMark(QPainter& p, char16_t ch, int cells, const QRectF& cell, const QColor& colour) {
    drawDots(p, cell, markWidth(cells), kMarkHeight, colour,
             [ch, cells](int x, int y) { return markDot(ch, cells, x, y); });
}

void drawPictographDots(QPainter& p, int code, QPoint topLeft, int size, const QColor& colour) {
    if (code < 0 || code >= kPictographCount || size <= 0) return;
    drawScaledDots(p, topLeft, kPictographSize, kPictographSize, QSize(size, size), colour,
                   [code](int x, int y) { return pictographDot(code, x, y); });
}

void drawMarkDots(QPainter& p, char16_t ch, int cells, QPoint topLeft, int size, const QColor& colour) {
    if (size <= 0) return;
    const QSize box(cells >= 2 ? size : std::max(1, size / 2), size);
    drawScaledDots(p, topLeft, markWidth(cells), kMarkHeight, box, colour,
                   [ch, cells](int x, int y) { return markDot(ch, cells, x, y); });
}

}  // namespace sumire
