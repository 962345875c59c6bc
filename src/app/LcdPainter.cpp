#include "LcdPainter.h"

#include "ClientArea.h"

namespace sumire {

LcdPainter::LcdPainter(ClientArea& area, const PageModel& model, const BoxSlots& boxes)
    : LcdImagePainter(area.image(), model, boxes), area_(area) {}

void LcdPainter::changed(const QRect& r) { area_.update(r); }

}  // namespace sumire
