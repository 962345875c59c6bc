#pragma once
// The LCD's letters: a Japanese dot-matrix bitmap face, read from the files
// the system's font package installs, at the largest of its sizes whose
// full-width glyph fits one row and two cells of the display width. Rows then
// never touch, whatever the width. Pictographs are scaled to the same size.

#include <QColor>
#include <QRawFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace sumire {

// The package that installs the face; named when it is missing.
inline constexpr const char* kLcdFacePackage = "xfonts-efont-unicode";

// The face's size in pixels (the height of its glyphs and the width of a
// full-width one) for cells of `charWidth` and rows of `lineHeight` twips.
int lcdDotSize(int charWidth, int lineHeight);

// The face at `size` pixels, read once per size. Invalid when the package's
// file is missing; the first miss says so on standard error. The folder is
// SUMIRE_LCD_FONT_DIR when set (X fonts kept elsewhere).
const QRawFont& lcdDotFace(int size);

// Starts reading the face at `size` on another thread, while the program
// starts up, so that the first drawing finds it ready.
void prefetchLcdDotFace(int size);

// The top left pixel of a box of `size` centred in `cells` (device pixels),
// at the same offset from the cells' first pixel in every cell and row.
QPoint centredIn(const QRectF& cells, QSize size);

// Draws `text` in `face`, centred in `cells`; false, drawing nothing, when
// the face lacks a glyph for it.
bool drawDotText(QPainter& p, const QRawFont& face, const QRectF& cells, const QString& text, const QColor& colour);

}  // namespace sumire
