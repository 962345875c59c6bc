#include "WindowLook.h"

#include <QPalette>
#include <QPushButton>
#include <cmath>

namespace sumire {

QFont windowFont(double points, bool bold) {
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

void paintButton(QPushButton* button, const QColor& back) {
    const QString face = back.name();
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 2px outset %2; padding: 0px; }"
                                         "QPushButton:pressed { border-style: inset; }"
                                         "QPushButton:disabled { color: #808080; }"
                                         "QPushButton:focus { border-color: %3; }")
                              .arg(face, back.darker(115).name(), back.darker(170).name()));
}

void setBoxBack(QWidget* box, const QColor& back) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, back);
    box->setPalette(palette);
}

int packedBoxBack(const QWidget* box) {
    const QColor c = box->palette().color(QPalette::Base);
    return c.red() + 256 * c.green() + 65536 * c.blue();
}

}  // namespace sumire
