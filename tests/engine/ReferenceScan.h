#pragma once
// A second, deliberately plain implementation of the page request and of
// DrawLcd, kept only in the tests to check the engine against: every token is
// compared at every position, every "text up to the next delimiter" is a fresh
// search, and every step of the request and of a drawing pass is written out
// in the order the system runs it.

#include "display/LcdCanvas.h"
#include "display/PageModel.h"
#include "display/PictureSlots.h"
#include "page/PageRequest.h"

#include <optional>

namespace sumire::test {

// The whole request: from the address box (or the source box offline) to the
// drawn LCD, with the same services the engine uses.
// What the drawing left for Timer1 and AutoRedraw; nothing when the page
// could not be fetched and nothing was drawn.
std::optional<LcdDrawn> referencePageRequest(PageModel& model, PageServices& services);

// One drawing pass over the page model.
LcdDrawn referenceDrawLcd(PageModel& model, const PictureSlots& pictures, LcdCanvas& canvas);

}  // namespace sumire::test
