#pragma once
// The LCD of one page as the export shows it, read from DrawLcd's own
// operations through a canvas that collects them: the characters by row and
// cell with their colours, which of them blink, and the pictures copied.

#include "display/PageModel.h"
#include "display/PictureSlots.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace sumire {

struct LcdGlyph {
    int64_t col = 0;      // first half-width cell
    QString text;         // one character, or a surrogate pair
    int cells = 1;        // cells it takes: the width of its code units
    int colour = 0;       // packed, as drawn in blink phase 0
    bool blinks = false;  // drawn in another colour in phase 1
};

struct LcdPicture {
    int slot = 0;
    int64_t x = 0, y = 0;  // pixels from the LCD box's top left corner
    int64_t width = 0, height = 0;
};

struct LcdScreen {
    int background = 0xFFFFFF;  // the box's colour
    int textColour = 0;
    int64_t rows = 0;      // rows of the screen
    int64_t heightPx = 0;  // the box's height, pixels, corners included
    int64_t widthPx = 0;
    std::vector<std::vector<LcdGlyph>> glyphs;  // per row, in the order printed
    std::vector<LcdPicture> pictures;
};

// Every row of the page (DrawWholePage), or only the first screen as the
// window shows it at the top of the page (DrawLcd itself).
enum class ScreenExtent { WholePage, FirstScreen };

LcdScreen readLcdScreen(const PageModel& model, const PictureSlots& pictures, ScreenExtent extent);

// The same, for a page of any length: the screen without its glyphs first,
// then the glyphs a row at a time, so that only one row is ever held.
class LcdScreenReader {
public:
    LcdScreenReader(const PageModel& model, const PictureSlots& pictures, ScreenExtent extent);
    const LcdScreen& screen() const { return screen_; }  // glyphs empty
    // Calls `row` for every row, 0 to rows - 1, in order, empty ones too.
    void readRows(const std::function<void(std::vector<LcdGlyph>&)>& row);

private:
    const PageModel& model_;
    const PictureSlots& pictures_;
    ScreenExtent extent_;
    LcdScreen screen_;
    std::vector<int> hiddenColours_;  // of each character, in blink phase 1
};

}  // namespace sumire
