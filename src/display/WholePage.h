#pragma once
// The whole page on one screen, as a handset with an LCD tall enough for every
// row would draw it. This is DrawLcd itself, run on a copy of the page model
// with the window opened to all of the page's rows: pictures of the page,
// archive exports and the page's display text read the same operations as
// the window.

#include "display/LcdCanvas.h"
#include "display/LcdRenderer.h"
#include "display/PageModel.h"
#include "display/PictureSlots.h"

#include <cstdint>

namespace sumire {

struct WholePage {
    int64_t rows = 0;       // rows drawn: every row of the page, at least the window's own
    int64_t lcdBottom = 0;  // the LCD box's lower edge for that many rows, twips
    LcdDrawn drawn;
};

// The rows the page takes at the model's display width, counting the rows
// reserved for pictures; a page ending in a line break takes no extra row.
int64_t pageRowCount(const PageModel& model, const PictureSlots& pictures);

// Draws every row of the page from the top, in the model's blink phase. The
// LCD box and frame reach down to WholePage::lcdBottom; all else is exactly
// what DrawLcd emits with the window scrolled to the top.
WholePage DrawWholePage(const PageModel& model, const PictureSlots& pictures, LcdCanvas& canvas);

}  // namespace sumire
