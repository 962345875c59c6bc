#include "PictureBoxes.h"

#include "display/Twips.h"

#include <QPainter>

namespace sumire {

PictureBox::PictureBox(const BoxSlots& boxes, int slot, QWidget* parent) : QFrame(parent), boxes_(boxes), slot_(slot) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBoxBorderPx);
    setFocusPolicy(Qt::NoFocus);
    follow();
}

void PictureBox::follow() {
    resize(std::max(0, twipsWidth() / kTwipsPerPixel), std::max(0, twipsHeight() / kTwipsPerPixel));
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.drawImage(kBoxBorderPx, kBoxBorderPx, boxes_.innerImage(slot_));
    }
    QFrame::paintEvent(event);  // the border
}

PictureBox* PictureBoxes::addBox(int slot, int left, int top, QWidget* parent) {
    widgets_[slot] = new PictureBox(*this, slot, parent);
    widgets_[slot]->move(left / kTwipsPerPixel, top / kTwipsPerPixel);
    return widgets_[slot];
}

void PictureBoxes::changed(int slot) {
    if (widgets_[slot]) widgets_[slot]->follow();
}

}  // namespace sumire
