#include "ClientArea.h"
#include "WindowLook.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace sumire {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent), image_(kWidth, kHeight, QImage::Format_RGB32) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(kFormBack);
}

void ClientArea::setPicture(const QImage& picture) {
    image_.fill(kFormBack);
    if (!picture.isNull()) {
        QPainter p(&image_);
        p.drawImage(0, 0, picture);
    }
    update();
}

QImage ClientArea::snapshot() { return snapshot(rect()); }

bool ClientArea::showsControls(const QRect& area) const {
    const QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    return std::any_of(controls.begin(), controls.end(), [&](const QWidget* control) {
        return !control->isHidden() && control->geometry().intersects(area);
    });
}

QImage ClientArea::snapshot(const QRect& area) {
    if (!showsControls(area)) return image_.copy(area);
    QImage shot(area.size(), QImage::Format_RGB32);
    shot.fill(kFormBack);
    render(&shot, QPoint(), QRegion(area));
    return shot;
}

void ClientArea::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), image_, event->rect());
}

}  // namespace sumire
