#include "export/LcdScreen.h"

#include "display/CellWidth.h"
#include "display/DiscardingCanvas.h"
#include "display/LcdRenderer.h"
#include "display/WholePage.h"

namespace sumire {
namespace {

// The box and pictures of phase 1, and only the colour of each character:
// the phase that is not written.
class HiddenPhase : public DiscardingCanvas {
public:
    explicit HiddenPhase(std::vector<int>& colours) : colours_(colours) {}
    void box(int x1, int y1, int x2, int y2, int colour) override {
        background = colour;
        left = x1;
        top = y1;
        right = x2;
        bottom = y2;
    }
    void text(int64_t, int64_t, char16_t, int colour) override { colours_.push_back(colour); }
    void blt(int slot, int64_t x, int64_t y, int64_t w, int64_t h) override { blts.push_back({slot, x, y, w, h}); }

    int background = 0;
    int64_t left = 0, top = 0, right = 0, bottom = 0;
    std::vector<LcdPicture> blts;

private:
    std::vector<int>& colours_;
};

int64_t floorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// Phase 0's characters, gathered into the row being drawn; a row is handed
// on once the drawing moves below it. A high surrogate and the low one
// printed after it make one glyph, as the window draws the pair at the first
// one's place.
class ShownPhase : public DiscardingCanvas {
public:
    ShownPhase(const PageModel& m, const LcdScreen& screen, const std::vector<int>& hidden,
               const std::function<void(std::vector<LcdGlyph>&)>& handOn)
        : m_(m), screen_(screen), hidden_(hidden), handOn_(handOn) {}
    void text(int64_t x, int64_t y, char16_t code, int colour) override {
        const size_t index = count_++;
        if (QChar::isLowSurrogate(code) && pendingHigh_) {
            pendingHigh_->text += QChar(code);
            pendingHigh_->cells += widths_[code];
        }
        pendingHigh_ = nullptr;
        const int64_t row = floorDiv(y - kTextTop, m_.lineHeight);
        if (row < 0 || row >= screen_.rows || drawsNothing(code) || QChar::isLowSurrogate(code)) return;
        moveTo(row);
        if (row < next_) return;  // a row already handed on: the drawing never goes back up
        const bool comparable = hidden_.size() > index;
        current_.push_back({floorDiv(x - kTextLeft, m_.charWidth), QString(QChar(code)), widths_[code], colour,
                            comparable && hidden_[index] != colour});
        if (QChar::isHighSurrogate(code)) pendingHigh_ = &current_.back();
    }
    // Hands on the rows above `row`, empty ones too.
    void moveTo(int64_t row) {
        while (next_ < row) {
            dropLoneSurrogate();
            handOn_(current_);
            current_.clear();
            ++next_;
        }
    }

private:
    // A high surrogate no low one followed is not drawn.
    void dropLoneSurrogate() {
        std::erase_if(current_, [](const LcdGlyph& g) {
            return g.text.size() == 1 && QChar::isHighSurrogate(g.text[0].unicode());
        });
        pendingHigh_ = nullptr;
    }

    const PageModel& m_;
    const LcdScreen& screen_;
    const std::vector<int>& hidden_;
    const std::function<void(std::vector<LcdGlyph>&)>& handOn_;
    const uint8_t* widths_ = cellWidthTable();
    std::vector<LcdGlyph> current_;
    LcdGlyph* pendingHigh_ = nullptr;
    int64_t next_ = 0;  // the row being gathered
    size_t count_ = 0;
};

// Returns the rows drawn.
int64_t draw(const PageModel& model, const PictureSlots& pictures, ScreenExtent extent, int phase, LcdCanvas& out) {
    PageModel copy = model;
    copy.blinkPhase = phase;
    if (extent == ScreenExtent::WholePage) return DrawWholePage(copy, pictures, out).rows;
    copy.scrollTop = 0;
    DrawLcd(copy, pictures, out);
    return model.lineCount;
}

}  // namespace

LcdScreenReader::LcdScreenReader(const PageModel& model, const PictureSlots& pictures, ScreenExtent extent)
    : model_(model), pictures_(pictures), extent_(extent) {
    HiddenPhase hidden(hiddenColours_);
    screen_.rows = draw(model, pictures, extent, 1, hidden);
    screen_.background = hidden.background;
    screen_.textColour = packColor(model.textRed, model.textGreen, model.textBlue);
    screen_.widthPx = roundedPixels(hidden.right) - roundedPixels(hidden.left) + 1;
    screen_.heightPx = roundedPixels(hidden.bottom) - roundedPixels(hidden.top) + 1;
    for (LcdPicture p : hidden.blts) {
        p.x -= roundedPixels(kLcdLeft);
        p.y -= roundedPixels(kLcdTop);
        screen_.pictures.push_back(p);
    }
}

void LcdScreenReader::readRows(const std::function<void(std::vector<LcdGlyph>&)>& row) {
    ShownPhase shown(model_, screen_, hiddenColours_, row);
    draw(model_, pictures_, extent_, 0, shown);
    shown.moveTo(screen_.rows);
}

LcdScreen readLcdScreen(const PageModel& model, const PictureSlots& pictures, ScreenExtent extent) {
    LcdScreenReader reader(model, pictures, extent);
    LcdScreen screen = reader.screen();
    reader.readRows([&screen](std::vector<LcdGlyph>& glyphs) { screen.glyphs.push_back(std::move(glyphs)); });
    return screen;
}

}  // namespace sumire
