#include "LcdPainter.h"

#include "ClientArea.h"
#include "PictureBoxes.h"
#include "art/Pictographs.h"
#include "display/CellWidth.h"
#include "display/PageModel.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace sumire {
namespace {

constexpr double kTwipsPerPixel = 15.0;

int toPixels(int64_t twips) { return int(std::lround(double(twips) / kTwipsPerPixel)); }

// The rectangle between two corners given in twips, both corners included.
QRect cornersRect(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(toPixels(x1), toPixels(y1)), QPoint(toPixels(x2), toPixels(y2))).normalized();
}

bool drawsNothing(char16_t code) { return code < 0x20 || code == 0x7F; }

}  // namespace

QColor colourOf(int packed) { return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF); }

LcdPainter::LcdPainter(ClientArea& area, const PageModel& model, const PictureBoxes& boxes)
    : area_(area), model_(model), boxes_(boxes) {}

QFont LcdPainter::lcdFont() const {
    // The fixed-pitch face: a half-width glyph is half a full-width one, so
    // each half-width letter stays in its own cell as on a handset.
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(int(std::lround(model_.fontSize * 96.0 / 72.0)));
    // Crisp dots, as on a handset's screen.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setKerning(false);
    return font;
}

void LcdPainter::changed(const QRect& r) { area_.update(r); }

void LcdPainter::box(int x1, int y1, int x2, int y2, int colour) {
    ops_.clear();  // every drawing pass begins with its box
    pendingHigh_ = 0;
    ops_.push_back({QStringLiteral("box"), {x1, y1, x2, y2, colour}});
    const QRect r = cornersRect(x1, y1, x2, y2);
    QPainter p(&area_.image());
    p.fillRect(r, colourOf(colour));
    changed(r);
}

void LcdPainter::frame(int x1, int y1, int x2, int y2, int colour) {
    ops_.push_back({QStringLiteral("frame"), {x1, y1, x2, y2, colour}});
    const QRect r = cornersRect(x1, y1, x2, y2);
    const QColor c = colourOf(colour);
    QPainter p(&area_.image());
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), c);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), c);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), c);
    changed(r);
}

void LcdPainter::text(int64_t x, int64_t y, char16_t code, int colour) {
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

void LcdPainter::drawString(int64_t x, int64_t y, const QString& s, int colour) {
    const QFont font = lcdFont();
    const QFontMetrics metrics(font);
    const QPoint topLeft(toPixels(x), toPixels(y));
    QPainter p(&area_.image());
    p.setFont(font);
    p.setPen(colourOf(colour));
    p.drawText(topLeft + QPoint(0, metrics.ascent()), s);
    changed(QRect(topLeft, QSize(metrics.horizontalAdvance(s) + 2, metrics.height())));
}

// A pictograph fills two half-width cells of one row.
void LcdPainter::paintPictograph(int64_t x, int64_t y, int code, int colour) {
    const QRectF cell(double(x) / kTwipsPerPixel, double(y) / kTwipsPerPixel, 2.0 * model_.charWidth / kTwipsPerPixel,
                      model_.lineHeight / kTwipsPerPixel);
    QPainter p(&area_.image());
    ::sumire::drawPictograph(p, code, cell, colourOf(colour));
    changed(cell.toAlignedRect());
}

// A private-use code without a design: its mark in the cells it takes, never
// a font's blank or missing-glyph box.
void LcdPainter::paintMark(int64_t x, int64_t y, char16_t code, int colour) {
    const int cells = cellWidth(code);
    const QRectF cell(double(x) / kTwipsPerPixel, double(y) / kTwipsPerPixel,
                      cells * double(model_.charWidth) / kTwipsPerPixel, model_.lineHeight / kTwipsPerPixel);
    QPainter p(&area_.image());
    drawMark(p, code, cells, cell, colourOf(colour));
    changed(cell.toAlignedRect());
}

void LcdPainter::blt(int slot, int64_t x, int64_t y, int64_t width, int64_t height) {
    ops_.push_back({QStringLiteral("blt"), {slot, x, y, width, height}});
    const PictureBox* source = slot >= 0 && slot < PictureBoxes::kCount ? boxes_.box(slot) : nullptr;
    if (!source || width <= 0 || height <= 0) return;
    const QImage inner = source->innerImage();
    const QRect target = QRect(int(x), int(y), int(std::min<int64_t>(width, inner.width())),
                               int(std::min<int64_t>(height, inner.height())));
    if (target.isEmpty()) return;
    QPainter p(&area_.image());
    p.drawImage(target.topLeft(), inner, QRect(QPoint(0, 0), target.size()));
    changed(target);
}

void LcdPainter::setTimer1Enabled(bool enabled) {
    if (timer1Changed_) timer1Changed_(enabled);
}

}  // namespace sumire
