#include "export/ExportSlots.h"

#include "art/Art.h"
#include "art/BoxPicture.h"
#include "display/PageModel.h"
#include "display/Twips.h"

namespace sumire {
ExportSlots::ExportSlots() {
    boxes_[kMelodyIconSlot].picture = melodyIcon();
    boxes_[kDataIconSlot].picture = dataIcon();
}

void ExportSlots::setPicture(int slot, const QImage& picture) {
    Box& box = boxes_[slot];
    box.picture = picture;
    if (box.autoSize && !picture.isNull()) {
        box.width = (picture.width() + 2 * kBorderPx) * kTwipsPerPixel;
        box.height = (picture.height() + 2 * kBorderPx) * kTwipsPerPixel;
    }
}

void ExportSlots::clearSlot(int slot) {
    if (!valid(slot)) return;
    boxes_[slot].picture = QImage();
    boxes_[slot].width = 1500;
    boxes_[slot].height = 1095;
}

bool ExportSlots::loadSlot(int slot, const QString& path) {
    if (!valid(slot)) return false;
    const QImage picture = readBoxPicture(path);
    if (picture.isNull()) return false;
    setPicture(slot, picture);
    return true;
}

void ExportSlots::setAutoSize(int slot) {
    if (!valid(slot)) return;
    boxes_[slot].autoSize = true;
    setPicture(slot, boxes_[slot].picture);
}

void ExportSlots::copySlot(int from, int to) {
    if (valid(from) && valid(to)) setPicture(to, boxes_[from].picture);
}

QImage ExportSlots::innerImage(int slot) const {
    return valid(slot) ? boxInnerImage(boxes_[slot].picture, boxes_[slot].width, boxes_[slot].height) : QImage();
}

}  // namespace sumire
