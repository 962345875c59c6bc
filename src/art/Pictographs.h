#pragma once
// The handset's own pictographs: 95 monochrome 12 x 12 designs, one for each
// emoji tag code (0 HEART ... 94 "!!"), drawn in place of the characters the
// scanner puts into the display text for them (pictographCode()).

#include "display/PictographText.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace sumire {

constexpr int kPictographSize = 12;

// Whether the dot at column x, row y of design `code` is set. Out-of-range
// arguments give false.
bool pictographDot(int code, int x, int y);

// Draws design `code` as large as fits into `cell` (two half-width LCD cells
// wide, one row high) with square dots, centred, in `colour`. Dot edges fall on
// whole device pixels and nothing is painted outside `cell`.
void drawPictograph(QPainter& p, int code, const QRectF& cell, const QColor& colour);

// The mark shown for a private-use character that has no design, so that no
// code is ever blank: the last two hex digits of its code (3 x 5 dots each).
// Two cells: a 12 x 12 dotted frame round the digits side by side. One cell
// (a code that code page 932 has no code for): 6 x 12, a dotted line over the
// digits one above the other.
constexpr int kMarkHeight = 12;
constexpr int markWidth(int cells) { return cells >= 2 ? 12 : 6; }
// Whether the dot at column x, row y of the mark for `ch` in `cells` cells is
// set; false outside the grid.
bool markDot(char16_t ch, int cells, int x, int y);
// Draws the mark into `cell` (`cells` half-width LCD cells wide, one row high)
// the way drawPictograph draws a design.
void drawMark(QPainter& p, char16_t ch, int cells, const QRectF& cell, const QColor& colour);

// The LCD's way: design `code` as `size` x `size` pixels from `topLeft` (in
// the painter's coordinates, taken as pixels), each dot repeated by nearest
// neighbour, never smoothed: by a whole number when `size` is a multiple of
// 12, otherwise with rows and columns repeated evenly.
void drawPictographDots(QPainter& p, int code, QPoint topLeft, int size, const QColor& colour);
// The mark the same way: `size` tall, as wide in two cells, half in one.
void drawMarkDots(QPainter& p, char16_t ch, int cells, QPoint topLeft, int size, const QColor& colour);

}  // namespace sumire
