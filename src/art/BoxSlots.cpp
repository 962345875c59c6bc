#include "art/BoxSlots.h"

#include "art/Art.h"
#include "display/PageModel.h"
#include "display/Twips.h"

#include <QImageReader>
#include <QPainter>

namespace sumire {

QImage readBoxPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "bmp" && format != "jpeg" && format != "gif") return {};
    return reader.read();
}

BoxSlots::BoxSlots() {
    boxes_[kMelodyIconSlot].picture = melodyIcon();
    boxes_[kDataIconSlot].picture = dataIcon();
}

void BoxSlots::setPicture(int slot, const QImage& picture) {
    Box& box = boxes_[slot];
    box.picture = picture;
    if (box.autoSize && !picture.isNull()) {
        box.width = (picture.width() + 2 * kBoxBorderPx) * kTwipsPerPixel;
        box.height = (picture.height() + 2 * kBoxBorderPx) * kTwipsPerPixel;
    }
    changed(slot);
}

void BoxSlots::setSize(int slot, int width, int height) {
    if (!valid(slot)) return;
    boxes_[slot].width = width;
    boxes_[slot].height = height;
    changed(slot);
}

void BoxSlots::clearSlot(int slot) {
    if (!valid(slot)) return;
    boxes_[slot].picture = QImage();
    setSize(slot, 1500, 1095);
}

bool BoxSlots::loadSlot(int slot, const QString& path) {
    if (!valid(slot)) return false;
    const QImage picture = readBoxPicture(path);
    if (picture.isNull()) return false;
    setPicture(slot, picture);
    return true;
}

void BoxSlots::setAutoSize(int slot) {
    if (!valid(slot)) return;
    boxes_[slot].autoSize = true;
    setPicture(slot, boxes_[slot].picture);
}

void BoxSlots::copySlot(int from, int to) {
    if (valid(from) && valid(to)) setPicture(to, boxes_[from].picture);
}

QImage BoxSlots::innerImage(int slot) const {
    if (!valid(slot)) return {};
    const Box& box = boxes_[slot];
    const int w = box.width / kTwipsPerPixel - 2 * kBoxBorderPx;
    const int h = box.height / kTwipsPerPixel - 2 * kBoxBorderPx;
    if (w <= 0 || h <= 0) return {};
    QImage inner(w, h, QImage::Format_RGB32);
    inner.fill(QColor(240, 240, 240));  // the system's button face
    if (!box.picture.isNull()) {
        QPainter p(&inner);
        p.drawImage(0, 0, box.picture);
    }
    return inner;
}

}  // namespace sumire
