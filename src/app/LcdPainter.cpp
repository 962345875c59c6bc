#include "LcdPainter.h"

#include "ClientArea.h"
#include "PictureBoxes.h"

namespace sumire {

SlotImages boxImages(const PictureBoxes& boxes) {
    return [&boxes](int slot) {
        const PictureBox* box = slot >= 0 && slot < PictureBoxes::kCount ? boxes.box(slot) : nullptr;
        return box ? box->innerImage() : QImage();
    };
}

LcdPainter::LcdPainter(ClientArea& area, const PageModel& model, const PictureBoxes& boxes)
    : LcdImagePainter(area.image(), model, boxImages(boxes)), area_(area) {}

void LcdPainter::changed(const QRect& r) { area_.update(r); }

}  // namespace sumire
