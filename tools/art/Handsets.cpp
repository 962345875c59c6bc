// The handset pictures: the plain built-in one and the three models.
#include "Artwork.h"
#include "HandsetLayout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace sumire::tool {

namespace {

using namespace layout;

const QColor kWindowGreen(128, 255, 128);

struct Style {
    QColor body, bodyLight, bodyDark, bodyEdge;
    QColor keyFace, keyLight, keyEdge;
    QColor pad, padEdge;
    QColor bezel, trim;
    QColor antenna;
    double keyRadius;
};

// A path through left-side points, closed by their mirror image about the
// handset's centre line.
QPainterPath mirrored(const QPainterPath& leftHalf) {
    QPainterPath path = leftHalf;
    QTransform mirror;
    mirror.translate(2 * kCentreX, 0);
    mirror.scale(-1, 1);
    path.connectPath(mirror.map(leftHalf).toReversed());
    path.closeSubpath();
    return path;
}

// Rectangle with separate corner radii at top and bottom.
QPainterPath roundedBox(const QRectF& r, double top, double bottom) {
    QPainterPath path;
    path.moveTo(r.left() + top, r.top());
    path.arcTo(QRectF(r.right() - 2 * top, r.top(), 2 * top, 2 * top), 90, -90);
    path.arcTo(QRectF(r.right() - 2 * bottom, r.bottom() - 2 * bottom, 2 * bottom, 2 * bottom), 0, -90);
    path.arcTo(QRectF(r.left(), r.bottom() - 2 * bottom, 2 * bottom, 2 * bottom), 270, -90);
    path.arcTo(QRectF(r.left(), r.top(), 2 * top, 2 * top), 180, -90);
    path.closeSubpath();
    return path;
}

QPainterPath straightBody() { return roundedBox(QRectF(6.5, 14.5, 172, 438), 16, 16); }

// A barrel: sides bowed slightly outwards, generous round ends.
QPainterPath barrelBody() {
    QPainterPath left;
    left.moveTo(kCentreX, 8.5);
    left.cubicTo(40, 8.5, 10, 14, 8.5, 60);
    left.cubicTo(4.5, 180, 4.5, 330, 8.5, 410);
    left.cubicTo(10, 446, 40, 453.5, kCentreX, 453.5);
    return mirrored(left);
}

// A round-topped body drawn in at the waist below the screen.
QPainterPath waistedBody() {
    QPainterPath left;
    left.moveTo(kCentreX, 4.5);
    left.cubicTo(30, 4.5, 8.5, 24, 8.5, 62);
    left.lineTo(8.5, 206);
    left.cubicTo(8.5, 232, 17.5, 234, 17.5, 246);
    left.cubicTo(17.5, 258, 5.5, 262, 5.5, 292);
    left.lineTo(5.5, 418);
    left.cubicTo(5.5, 446, 40, 454.5, kCentreX, 454.5);
    return mirrored(left);
}

QPainterPath bodyPath(int model) {
    switch (model) {
    case 1: return barrelBody();
    case 2: return waistedBody();
    default: return straightBody();
    }
}

void paintBody(QPainter& p, const QPainterPath& body, const Style& s) {
    QLinearGradient shade(4, 0, 181, 0);
    shade.setColorAt(0.0, s.bodyDark);
    shade.setColorAt(0.12, s.bodyLight);
    shade.setColorAt(0.45, s.body);
    shade.setColorAt(0.88, s.body.darker(115));
    shade.setColorAt(1.0, s.bodyDark);
    p.setPen(QPen(s.bodyEdge, 1));
    p.setBrush(shade);
    p.drawPath(body);
}

void paintAntenna(QPainter& p, int model, const Style& s) {
    p.setPen(QPen(s.antenna.darker(200), 1));
    QLinearGradient shade(0, 0, 1, 0);
    shade.setCoordinateMode(QGradient::ObjectMode);
    shade.setColorAt(0, s.antenna.lighter(160));
    shade.setColorAt(1, s.antenna);
    p.setBrush(shade);
    if (model == 0) {
        p.drawRoundedRect(QRectF(150.5, 0.5, 13, 20), 5, 5);
        p.fillRect(QRectF(151, 10, 12, 2), s.antenna.darker(150));
    } else if (model == 1) {
        p.drawRoundedRect(QRectF(28.5, 0.5, 11, 18), 5, 5);
    } else {
        p.drawRect(QRectF(148.5, 6.5, 5, 18));
        p.drawEllipse(QRectF(146.5, 0.5, 9, 9));
    }
}

// Earpiece grille and a small lamp above the screen.
void paintEarpiece(QPainter& p, int model, const Style& s) {
    const QColor hole = s.bodyEdge.darker(150);
    p.setPen(Qt::NoPen);
    p.setBrush(hole);
    const double top = model == 2 ? 24 : 30;
    for (int i = 0; i < 5; ++i) p.drawRoundedRect(QRectF(72 + i * 9, top, 5, 12), 2.5, 2.5);
    p.setBrush(QColor(255, 60, 40));
    p.drawEllipse(QRectF(150, top + 3, 6, 6));
}

void paintScreen(QPainter& p, const Style& s) {
    const QRectF frame(16.5, 54.5, 152, 151);
    if (s.trim.isValid()) {
        p.setPen(QPen(s.trim, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(frame.adjusted(-2.5, -2.5, 2.5, 2.5), 9, 9);
    }
    p.setPen(QPen(s.bezel.lighter(250), 1));
    p.setBrush(s.bezel);
    p.drawRoundedRect(frame, 7, 7);
    // The glass: an unlit panel, inset by a one-pixel shadow.
    p.fillRect(kScreen.adjusted(-1, -1, 1, 1), QColor(0, 0, 0));
    QLinearGradient glass(0, kScreen.top(), 0, kScreen.bottom());
    glass.setColorAt(0, QColor(176, 188, 160));
    glass.setColorAt(1, QColor(150, 164, 136));
    p.fillRect(kScreen, glass);
}

// A key face a little larger than the button the window puts over it.
void paintKey(QPainter& p, const QRectF& button, const Style& s, double radius) {
    const QRectF face = button.adjusted(-2.5, -2.5, 2.5, 3.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(face.translated(0, 1.5), radius, radius);
    QLinearGradient shade(0, face.top(), 0, face.bottom());
    shade.setColorAt(0, s.keyLight);
    shade.setColorAt(1, s.keyFace);
    p.setPen(QPen(s.keyEdge, 1));
    p.setBrush(shade);
    p.drawRoundedRect(face, radius, radius);
}

void paintKeys(QPainter& p, const Style& s) {
    // The link key box and call key share one rocker below the screen.
    paintKey(p, QRectF(kKeyBox.left(), kKeyBox.top(), kCallKey.right() + 1 - kKeyBox.left(), kKeyBox.height()), s,
             s.keyRadius + 2);
    p.setPen(QPen(s.keyEdge, 1));
    p.drawLine(QPointF(kCallKey.left() - 0.5, kCallKey.top() - 2),
               QPointF(kCallKey.left() - 0.5, kCallKey.bottom() + 3));
    // Cursor pad with its four keys.
    p.setPen(QPen(s.padEdge, 1));
    p.setBrush(s.pad);
    p.drawRoundedRect(QRectF(34.5, 251.5, 116, 57), 16, 16);
    for (const QRect& key : {kUpKey, kDownKey, kLeftKey, kRightKey}) paintKey(p, key, s, std::min(s.keyRadius, 5.0));
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column) paintKey(p, keypadKey(column, row), s, s.keyRadius);
}

void paintMouthpiece(QPainter& p, const Style& s) {
    p.setPen(Qt::NoPen);
    p.setBrush(s.bodyEdge.darker(150));
    for (int i = -1; i <= 1; ++i) p.drawEllipse(QPointF(kCentreX + i * 8, 443), 1.8, 1.8);
}

Style modelStyle(int model) {
    switch (model) {
    case 1:  // red
        return {{196, 24, 36},
                {240, 96, 100},
                {120, 8, 16},
                {96, 0, 8},
                {236, 226, 214},
                {255, 252, 246},
                {150, 70, 70},
                {214, 210, 206},
                {120, 40, 40},
                {24, 20, 22},
                {236, 190, 190},
                {40, 40, 44},
                9};
    case 2:  // black
        return {{40, 40, 46},
                {112, 112, 124},
                {12, 12, 14},
                {0, 0, 0},
                {84, 86, 96},
                {150, 152, 164},
                {16, 16, 20},
                {62, 64, 72},
                {150, 150, 160},
                {6, 6, 8},
                {176, 178, 190},
                {30, 30, 34},
                3};
    default:  // silver
        return {{196, 200, 206},
                {240, 242, 246},
                {128, 132, 140},
                {84, 86, 92},
                {214, 216, 222},
                {250, 250, 252},
                {100, 102, 110},
                {150, 154, 162},
                {96, 98, 106},
                {30, 32, 36},
                QColor(),
                {70, 72, 78},
                5};
    }
}

QImage canvas() {
    QImage image(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    image.fill(kWindowGreen);
    return image;
}

}  // namespace

QImage plainHandset() {
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(96, 96, 96), 1));
    p.setBrush(QColor(192, 192, 192));
    p.drawPath(roundedBox(QRectF(6.5, 8.5, 172, 230), 20, 6));
    p.drawPath(roundedBox(QRectF(6.5, 239.5, 172, 213), 6, 20));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(7, 238, 172, 2), Qt::black);
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

QImage handsetModel(int model) {
    const Style s = modelStyle(model);
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    paintAntenna(p, model, s);
    paintBody(p, bodyPath(model), s);
    paintEarpiece(p, model, s);
    paintScreen(p, s);
    paintKeys(p, s);
    paintMouthpiece(p, s);
    return image;
}

}  // namespace sumire::tool
