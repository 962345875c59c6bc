#include "ClientArea.h"

#include <QPaintEvent>
#include <QPainter>

namespace sumire {

ClientArea::ClientArea(QWidget* parent)
    : QWidget(parent), image_(kWidth, kHeight, QImage::Format_RGB32) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(back_);
}

void ClientArea::setPicture(const QImage& picture) {
    image_.fill(back_);
    if (!picture.isNull()) {
        QPainter p(&image_);
        p.drawImage(0, 0, picture);
    }
    update();
}

QImage ClientArea::snapshot() {
    QImage shot(kWidth, kHeight, QImage::Format_RGB32);
    shot.fill(back_);
    render(&shot);
    return shot;
}

void ClientArea::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), image_, event->rect());
}

}  // namespace sumire
