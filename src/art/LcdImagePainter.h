#pragma once
// The canvas DrawLcd draws on when the LCD becomes pixels: each operation is
// painted at once onto an image and recorded; the record holds the
// operations of the latest drawing pass (a pass starts with its box). The
// window paints its client area through it, `render` a bare image.

#include "display/LcdCanvas.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace sumire {

class BoxSlots;
struct PageModel;

struct LcdOp {
    QString kind;                 // "box", "frame", "text", "blt"
    std::vector<int64_t> values;  // in the order the canvas received them
};

class LcdImagePainter : public LcdCanvas {
public:
    // `image` is painted on where it is when each operation comes.
    LcdImagePainter(QImage& image, const PageModel& model, const BoxSlots& pictures);

    void box(int x1, int y1, int x2, int y2, int colour) override;
    void frame(int x1, int y1, int x2, int y2, int colour) override;
    void text(int64_t x, int64_t y, char16_t code, int colour) override;
    void blt(int slot, int64_t x, int64_t y, int64_t width, int64_t height) override;

    const std::vector<LcdOp>& lastPass() const { return ops_; }
    // The outline face for what the dot face cannot draw (LcdFace.h).
    QFont lcdFont() const;
    // The dot face's size at the display width, in pixels.
    int dotSize() const;

protected:
    // Each part of the image an operation painted.
    virtual void changed(const QRect&) {}

private:
    void drawString(int64_t x, int64_t y, const QString& s, int colour);
    void paintPictograph(int64_t x, int64_t y, int code, int colour);
    void paintMark(int64_t x, int64_t y, char16_t code, int colour);
    QRectF cellsRect(int64_t x, int64_t y, int cells) const;
    void clipToScreen(QPainter& p) const;

    QImage& image_;
    const PageModel& model_;
    const BoxSlots& pictures_;
    std::vector<LcdOp> ops_;
    QRect screen_;  // inside the latest box's frame, pixels
    // A high surrogate waits for its low half, which completes the character.
    char16_t pendingHigh_ = 0;
    int64_t pendingX_ = 0, pendingY_ = 0;
};

QColor colourOf(int packed);

}  // namespace sumire
