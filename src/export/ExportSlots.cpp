#include "export/ExportSlots.h"

#include "art/Art.h"
#include "display/PageModel.h"
#include "display/Twips.h"

#include <QImageReader>
#include <QPainter>

namespace sumire {
namespace {

const QColor kBoxBack(240, 240, 240);  // the system's button face, as the window's boxes

// A BMP, JPEG or GIF picture, recognised by its content.
QImage readPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "bmp" && format != "jpeg" && format != "gif") return {};
    return reader.read();
}

}  // namespace

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
    const QImage picture = readPicture(path);
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
    if (!valid(slot)) return {};
    const Box& box = boxes_[slot];
    const int w = box.width / kTwipsPerPixel - 2 * kBorderPx;
    const int h = box.height / kTwipsPerPixel - 2 * kBorderPx;
    if (w <= 0 || h <= 0) return {};
    QImage inner(w, h, QImage::Format_RGB32);
    inner.fill(kBoxBack);
    if (!box.picture.isNull()) {
        QPainter p(&inner);
        p.drawImage(0, 0, box.picture);
    }
    return inner;
}

}  // namespace sumire
