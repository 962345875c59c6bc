#include "export/LcdScreen.h"

#include "display/CellWidth.h"
#include "display/LcdRenderer.h"
#include "display/WholePage.h"

#include <cmath>

namespace sumire {
namespace {

constexpr int kTwipsPerPixel = 15;

struct TextOp {
    int64_t x, y;
    char16_t code;
    int colour;
};

class Collector : public LcdCanvas {
public:
    void box(int x1, int y1, int x2, int y2, int colour) override {
        background = colour;
        left = x1;
        top = y1;
        right = x2;
        bottom = y2;
    }
    void frame(int, int, int, int, int) override {}
    void text(int64_t x, int64_t y, char16_t code, int colour) override { texts.push_back({x, y, code, colour}); }
    void blt(int slot, int64_t x, int64_t y, int64_t w, int64_t h) override { blts.push_back({slot, x, y, w, h}); }
    void setTimer1Enabled(bool) override {}
    void setAutoRedraw(bool) override {}

    int background = 0;
    int64_t left = 0, top = 0, right = 0, bottom = 0;
    std::vector<TextOp> texts;
    std::vector<LcdPicture> blts;
};

// Returns the rows drawn.
int64_t draw(const PageModel& model, const PictureSlots& pictures, ScreenExtent extent, int phase, Collector& out) {
    PageModel copy = model;
    copy.blinkPhase = phase;
    if (extent == ScreenExtent::WholePage) return DrawWholePage(copy, pictures, out).rows;
    copy.scrollTop = 0;
    DrawLcd(copy, pictures, out);
    return model.lineCount;
}

// Pixels of a twips coordinate, rounded as the window's painter rounds.
int64_t toPixels(int64_t twips) { return int64_t(std::llround(double(twips) / kTwipsPerPixel)); }

int64_t floorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Row by row; a high surrogate and the low one printed after it make one
// glyph, as the window draws the pair at the first one's place.
void addGlyphs(LcdScreen& screen, const PageModel& m, const std::vector<TextOp>& shown,
               const std::vector<TextOp>& hidden) {
    const bool comparable = hidden.size() == shown.size();
    const uint8_t* widths = cellWidthTable();
    for (size_t i = 0; i < shown.size(); ++i) {
        const TextOp& op = shown[i];
        const int64_t row = floorDiv(op.y - kTextTop, m.lineHeight);
        if (row < 0 || row >= screen.rows || drawsNothing(op.code) || QChar::isLowSurrogate(op.code)) continue;
        LcdGlyph g;
        g.col = floorDiv(op.x - kTextLeft, m.charWidth);
        g.text = QString(QChar(op.code));
        g.cells = widths[op.code];
        g.colour = op.colour;
        g.blinks = comparable && hidden[i].colour != op.colour;
        if (QChar::isHighSurrogate(op.code)) {
            if (i + 1 >= shown.size() || !QChar::isLowSurrogate(shown[i + 1].code)) continue;
            g.text += QChar(shown[i + 1].code);
            g.cells += widths[shown[i + 1].code];
        }
        screen.blinking = screen.blinking || g.blinks;
        screen.glyphs[size_t(row)].push_back(g);
    }
}

}  // namespace

bool drawsNothing(char16_t code) { return code < 0x20 || code == 0x7F; }

LcdScreen readLcdScreen(const PageModel& model, const PictureSlots& pictures, ScreenExtent extent) {
    Collector shown, hidden;
    const int64_t rows = draw(model, pictures, extent, 0, shown);
    draw(model, pictures, extent, 1, hidden);
    LcdScreen screen;
    screen.background = shown.background;
    screen.textColour = packColor(model.textRed, model.textGreen, model.textBlue);
    screen.widthPx = toPixels(shown.right) - toPixels(shown.left) + 1;
    screen.heightPx = toPixels(shown.bottom) - toPixels(shown.top) + 1;
    screen.rows = rows;
    screen.glyphs.resize(size_t(screen.rows));
    addGlyphs(screen, model, shown.texts, hidden.texts);
    for (LcdPicture p : shown.blts) {
        p.x -= toPixels(kLcdLeft);
        p.y -= toPixels(kLcdTop);
        screen.pictures.push_back(p);
    }
    return screen;
}

}  // namespace sumire
