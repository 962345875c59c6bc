#pragma once
// Small helpers for drawing pixel-exact artwork with QPainter: the 16-colour
// palette of the period's toolbar art, pictures given as rows of palette
// letters, and bevelled boxes.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QStringList>

namespace sumire::tool {

// Palette letters: '.' transparent, 'k' black, 'r' dark red, 'g' dark green,
// 'o' olive, 'n' navy, 'p' purple, 't' teal, 's' silver, 'd' grey, 'R' red,
// 'G' green, 'Y' yellow, 'B' blue, 'M' magenta, 'C' cyan, 'w' white,
// 'b' brown, 'O' orange, 'y' pale yellow, 'l' light grey, 'e' skin,
// 'v' mid green, 'V' light green, 'h' screen green.
QColor paletteColour(QChar letter);

// Paints `rows` (one string per pixel row, one palette letter per pixel)
// with its top-left corner at (x, y); '.' leaves the pixel alone.
void drawPixels(QPainter& p, int x, int y, const QStringList& rows);

// A transparent ARGB image of the given size.
QImage blankImage(int width, int height);

// An image drawn from palette rows.
QImage pixelImage(const QStringList& rows);

// A box with a one-pixel light edge at top and left and a dark edge at right
// and bottom, filled with `face`; `rect` includes the edges.
void bevelBox(QPainter& p, const QRect& rect, const QColor& face, const QColor& light, const QColor& dark);

// A one-pixel outline just inside `rect`.
void outline(QPainter& p, const QRect& rect, const QColor& colour);

// A one-pixel line between two pixel centres, without smoothing.
void pixelLine(QPainter& p, QPoint from, QPoint to, const QColor& colour);

}  // namespace sumire::tool
