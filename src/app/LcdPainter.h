#pragma once
// The canvas DrawLcd draws on: each operation is painted at once onto the
// client area's persistent image and recorded; the record holds the
// operations of the latest drawing pass (a pass starts with its box).

#include "display/LcdCanvas.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace sumire {

class ClientArea;
class PictureBoxes;
struct PageModel;

struct LcdOp {
    QString kind;                 // "box", "frame", "text", "blt"
    std::vector<int64_t> values;  // in the order the canvas received them
};

class LcdPainter : public LcdCanvas {
public:
    LcdPainter(ClientArea& area, const PageModel& model, const PictureBoxes& boxes);

    void box(int x1, int y1, int x2, int y2, int colour) override;
    void frame(int x1, int y1, int x2, int y2, int colour) override;
    void text(int64_t x, int64_t y, char16_t code, int colour) override;
    void blt(int slot, int64_t x, int64_t y, int64_t width, int64_t height) override;
    void setTimer1Enabled(bool enabled) override;
    void setAutoRedraw(bool on) override { autoRedraw_ = on; }

    // Timer1's enabled state lives with its owner.
    void onTimer1Changed(std::function<void(bool)> handler) { timer1Changed_ = std::move(handler); }
    bool autoRedraw() const { return autoRedraw_; }
    const std::vector<LcdOp>& lastPass() const { return ops_; }

    // The outline face for what the dot face cannot draw (LcdFace.h).
    QFont lcdFont() const;
    // The dot face's size at the display width, in pixels.
    int dotSize() const;

private:
    void drawString(int64_t x, int64_t y, const QString& s, int colour);
    void paintPictograph(int64_t x, int64_t y, int code, int colour);
    void paintMark(int64_t x, int64_t y, char16_t code, int colour);
    void changed(const QRect& r);
    QRectF cellsRect(int64_t x, int64_t y, int cells) const;
    void clipToScreen(QPainter& p) const;

    ClientArea& area_;
    const PageModel& model_;
    const PictureBoxes& boxes_;
    std::vector<LcdOp> ops_;
    QRect screen_;  // inside the latest box's frame, pixels
    std::function<void(bool)> timer1Changed_;
    bool autoRedraw_ = true;
    // A high surrogate waits for its low half, which completes the character.
    char16_t pendingHigh_ = 0;
    int64_t pendingX_ = 0, pendingY_ = 0;
};

QColor colourOf(int packed);

}  // namespace sumire
