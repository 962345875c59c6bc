#include "display/WholePage.h"

#include "display/DiscardingCanvas.h"
#include "display/LcdRenderer.h"

#include <algorithm>

namespace sumire {
namespace {

// Passes every operation on, with the LCD box stretched to the tall screen.
class TallCanvas : public LcdCanvas {
public:
    TallCanvas(LcdCanvas& to, int64_t bottom) : to_(to), bottom_(bottom) {}
    void box(int x1, int y1, int x2, int, int colour) override { to_.box(x1, y1, x2, bottom(), colour); }
    void frame(int x1, int y1, int x2, int, int colour) override { to_.frame(x1, y1, x2, bottom(), colour); }
    void text(int64_t x, int64_t y, char16_t code, int colour) override { to_.text(x, y, code, colour); }
    void blt(int slot, int64_t x, int64_t y, int64_t w, int64_t h) override { to_.blt(slot, x, y, w, h); }

private:
    // The box's corners are ints; a page too tall for them is cut at the limit.
    int bottom() const { return int(std::min<int64_t>(bottom_, INT32_MAX)); }
    LcdCanvas& to_;
    int64_t bottom_;
};

}  // namespace

int64_t pageRowCount(const PageModel& model, const PictureSlots& pictures) {
    // Pictures and blink markers count only on rows inside the window, so
    // the window is opened to every row.
    PageModel copy = model;
    copy.scrollTop = 0;
    copy.lineCount = INT32_MAX;
    DiscardingCanvas none;
    DrawLcd(copy, pictures, none);
    // DrawLcd leaves lcdRow at the lowest scroll position, ten rows up from
    // the row where the text ended; that row counts only if it holds a cell.
    const int64_t lastRow = copy.lcdRow + 10;
    return lastRow + (copy.lcdCol > 0 ? 1 : 0);
}

WholePage DrawWholePage(const PageModel& model, const PictureSlots& pictures, LcdCanvas& canvas) {
    WholePage page;
    page.rows = std::max<int64_t>(pageRowCount(model, pictures), model.lineCount);
    page.lcdBottom = kLcdBottom + (page.rows - model.lineCount) * int64_t(model.lineHeight);
    PageModel copy = model;
    copy.scrollTop = 0;
    copy.lineCount = int(std::min<int64_t>(page.rows, INT32_MAX));
    TallCanvas tall(canvas, page.lcdBottom);
    page.drawn = DrawLcd(copy, pictures, tall);
    return page;
}

}  // namespace sumire
