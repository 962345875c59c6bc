#include "PictureBoxes.h"

#include "art/BoxPicture.h"
#include "display/Twips.h"

#include <QPainter>

namespace sumire {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderPx);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::setTwipsGeometry(int left, int top, int width, int height) {
    move(left / kTwipsPerPixel, top / kTwipsPerPixel);
    setTwipsSize(width, height);
}

void PictureBox::setTwipsSize(int width, int height) {
    width_ = width;
    height_ = height;
    resize(std::max(0, width / kTwipsPerPixel), std::max(0, height / kTwipsPerPixel));
    update();
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    if (autoSize_) fitToPicture();
    update();
}

void PictureBox::setAutoSize(bool on) {
    autoSize_ = on;
    if (on) fitToPicture();
}

void PictureBox::fitToPicture() {
    if (picture_.isNull()) return;
    setTwipsSize((picture_.width() + 2 * kBorderPx) * kTwipsPerPixel,
                 (picture_.height() + 2 * kBorderPx) * kTwipsPerPixel);
}

QImage PictureBox::innerImage() const { return boxInnerImage(picture_, width_, height_); }

void PictureBox::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.drawImage(kBorderPx, kBorderPx, innerImage());
    }
    QFrame::paintEvent(event);  // the border
}

void PictureBoxes::clearSlot(int slot) {
    if (!valid(slot)) return;
    boxes_[slot]->setPicture(QImage());
    boxes_[slot]->setTwipsSize(1500, 1095);
}

bool PictureBoxes::loadSlot(int slot, const QString& path) {
    if (!valid(slot)) return false;
    const QImage picture = readBoxPicture(path);
    if (picture.isNull()) return false;
    boxes_[slot]->setPicture(picture);
    return true;
}

void PictureBoxes::setAutoSize(int slot) {
    if (valid(slot)) boxes_[slot]->setAutoSize(true);
}

void PictureBoxes::setAutoRedraw(int slot) {
    if (valid(slot)) boxes_[slot]->setAutoRedraw(true);
}

void PictureBoxes::copySlot(int from, int to) {
    if (valid(from) && valid(to)) boxes_[to]->setPicture(boxes_[from]->picture());
}

int PictureBoxes::slotWidth(int slot) const { return valid(slot) ? boxes_[slot]->twipsWidth() : 0; }

int PictureBoxes::slotHeight(int slot) const { return valid(slot) ? boxes_[slot]->twipsHeight() : 0; }

}  // namespace sumire
