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

}  // namespace sumire
