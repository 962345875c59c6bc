#include "art/LcdImagePainter.h"

#include "art/BoxSlots.h"
#include "art/LcdFace.h"
#include "art/Pictographs.h"
#include "display/CellWidth.h"
#include "display/PageModel.h"
#include "display/Twips.h"

#include <QFontMetrics>
#include <QPainter>

namespace sumire {
namespace {

// The rectangle between two corners given in twips, both corners included.
QRect cornersRect(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(int(roundedPixels(x1)), int(roundedPixels(y1))),
                 QPoint(int(roundedPixels(x2)), int(roundedPixels(y2))))
        .normalized();
}

}  // namespace

QColor colourOf(int packed) { return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF); }

LcdImagePainter::LcdImagePainter(QImage& image, const PageModel& model, const BoxSlots& pictures)
    : image_(image), model_(model), pictures_(pictures) {}

QFont LcdImagePainter::lcdFont() const {
    // Where the dot face lacks a glyph, or its package is missing: the
    // fixed-pitch outline face at the dot face's size, so that rows still
    // never touch.
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(dotSize());
    // Crisp dots, as on a handset's screen.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setKerning(false);
    // Hinted as at 1x at any zoom: Qt turns hinting off for a scaled window,
    // which would change the dots of the 1x picture the zoom repeats.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

int LcdImagePainter::dotSize() const { return lcdDotSize(model_.charWidth, model_.lineHeight); }

// The cells a character of `cells` half-width cells takes, in pixels.
QRectF LcdImagePainter::cellsRect(int64_t x, int64_t y, int cells) const {
    return QRectF(twipsToPixels(double(x)), twipsToPixels(double(y)), twipsToPixels(cells * double(model_.charWidth)),
                  twipsToPixels(model_.lineHeight));
}

// Text and pictographs stay inside the LCD box's frame.
void LcdImagePainter::clipToScreen(QPainter& p) const {
    if (!screen_.isEmpty()) p.setClipRect(screen_);
}

void LcdImagePainter::box(int x1, int y1, int x2, int y2, int colour) {
    ops_.clear();  // every drawing pass begins with its box
    pendingHigh_ = 0;
    ops_.push_back({QStringLiteral("box"), {x1, y1, x2, y2, colour}});
    const QRect r = cornersRect(x1, y1, x2, y2);
    screen_ = r.adjusted(1, 1, -1, -1);
    QPainter p(&image_);
    p.fillRect(r, colourOf(colour));
    changed(r);
}

void LcdImagePainter::frame(int x1, int y1, int x2, int y2, int colour) {
    ops_.push_back({QStringLiteral("frame"), {x1, y1, x2, y2, colour}});
    const QRect r = cornersRect(x1, y1, x2, y2);
    const QColor c = colourOf(colour);
    QPainter p(&image_);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
    changed(r);
}

void LcdImagePainter::text(int64_t x, int64_t y, char16_t code, int colour) {
    ops_.push_back({QStringLiteral("text"), {x, y, code, colour}});
    const char16_t high = pendingHigh_;
    pendingHigh_ = 0;
    if (QChar::isHighSurrogate(code)) {
        pendingHigh_ = code;
        pendingX_ = x;
        pendingY_ = y;
        return;
    }
    if (QChar::isLowSurrogate(code)) {
        if (high != 0) {
            const QChar pair[2] = {QChar(high), QChar(code)};
            drawString(pendingX_, pendingY_, QString(pair, 2), colour);
        }
        return;
    }
    if (drawsNothing(code)) return;
    const int pictograph = pictographCode(code);
    if (pictograph >= 0) paintPictograph(x, y, pictograph, colour);
    else if (isPrivateUse(code)) paintMark(x, y, code, colour);
    else drawString(x, y, QString(QChar(code)), colour);
}

void LcdImagePainter::drawString(int64_t x, int64_t y, const QString& s, int colour) {
    const int size = dotSize();
    int width = 0;
    for (const QChar c : s) width += cellWidth(c.unicode());
    const QRectF cells = cellsRect(x, y, width);
    QPainter p(&image_);
    clipToScreen(p);
    if (!drawDotText(p, lcdDotFace(size), cells, s, colourOf(colour))) {
        const QFont font = lcdFont();
        const QFontMetrics metrics(font);
        const QPoint topLeft = centredIn(cells, QSize(metrics.horizontalAdvance(s), size));
        p.setFont(font);
        p.setPen(colourOf(colour));
        p.drawText(topLeft + QPoint(0, metrics.ascent()), s);
    }
    changed(cells.toAlignedRect().adjusted(-1, -1, 1, 1));
}

// A pictograph fills two half-width cells of one row, as tall as a
// full-width glyph.
void LcdImagePainter::paintPictograph(int64_t x, int64_t y, int code, int colour) {
    const int size = dotSize();
    const QRectF cells = cellsRect(x, y, 2);
    QPainter p(&image_);
    clipToScreen(p);
    drawPictographDots(p, code, centredIn(cells, QSize(size, size)), size, colourOf(colour));
    changed(cells.toAlignedRect().adjusted(-1, -1, 1, 1));
}

// A private-use code without a design: its mark in the cells it takes, never
// a font's blank or missing-glyph box.
void LcdImagePainter::paintMark(int64_t x, int64_t y, char16_t code, int colour) {
    const int size = dotSize();
    const int cells = cellWidth(code);
    const QRectF box = cellsRect(x, y, cells);
    QPainter p(&image_);
    clipToScreen(p);
    const QSize mark(cells >= 2 ? size : size / 2, size);
    drawMarkDots(p, code, cells, centredIn(box, mark), size, colourOf(colour));
    changed(box.toAlignedRect().adjusted(-1, -1, 1, 1));
}

void LcdImagePainter::blt(int slot, int64_t x, int64_t y, int64_t width, int64_t height) {
    ops_.push_back({QStringLiteral("blt"), {slot, x, y, width, height}});
    if (width <= 0 || height <= 0) return;
    const QImage inner = pictures_.innerImage(slot);
    if (inner.isNull()) return;
    const QRect target = QRect(int(x), int(y), int(std::min<int64_t>(width, inner.width())),
                               int(std::min<int64_t>(height, inner.height())));
    if (target.isEmpty()) return;
    QPainter p(&image_);
    p.drawImage(target.topLeft(), inner, QRect(QPoint(0, 0), target.size()));
    changed(target);
}

}  // namespace sumire
