// The program icon at the desktop's larger sizes (48, 128, 256): the handset
// of the 32 x 32 icon drawn again at each size. Every box is snapped to whole
// pixels so that straight edges stay sharp; only the rounded corners are
// smoothed.
#include "Artwork.h"
#include "PixelArt.h"

#include <QPainterPath>
#include <cmath>

namespace sumire::tool {

namespace {

const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kSilver(192, 192, 192), kGrey(128, 128, 128), kNavy(0, 0, 128),
    kScreen(160, 192, 128), kInk(48, 64, 48);

// Draws on a grid of 32 units, each `scale` pixels.
class IconGrid {
public:
    IconGrid(QPainter& p, int size) : p_(p), scale_(size / 32.0) {}

    int px(double units) const { return int(std::lround(units * scale_)); }

    // The box from (x, y) to (x + w, y + h) in units, on whole pixels.
    QRect box(double x, double y, double w, double h) const {
        return QRect(QPoint(px(x), px(y)), QPoint(px(x + w) - 1, px(y + h) - 1));
    }

    void fill(const QRect& r, const QColor& c) { p_.fillRect(r, c); }

    void rounded(const QRect& r, double radiusUnits, const QColor& c) {
        QPainterPath path;
        const double radius = radiusUnits * scale_;
        path.addRoundedRect(QRectF(r), radius, radius);
        p_.fillPath(path, c);
    }

    // A rounded box with a black edge `edge` pixels wide.
    void framed(const QRect& r, double radiusUnits, const QColor& face, int edge) {
        rounded(r, radiusUnits, kBlack);
        const double inner = std::max(0.0, radiusUnits - edge / scale_);
        rounded(r.adjusted(edge, edge, -edge, -edge), inner, face);
    }

private:
    QPainter& p_;
    double scale_;
};

void drawHandset(QPainter& p, int size) {
    IconGrid g(p, size);
    const int edge = std::max(1, g.px(1) / 2);
    // Stub antenna behind the body's top.
    g.framed(g.box(19, 0, 3, 6), 0.8, kGrey, edge);
    // The body, lit from the left.
    const QRect body = g.box(9, 4, 14, 27);
    g.framed(body, 3, kSilver, edge);
    g.fill(g.box(10, 7, 0.75, 21), kWhite);
    g.fill(g.box(21.25, 7, 0.75, 21), kGrey);
    g.rounded(g.box(14, 5.75, 4, 1), 0.5, kBlack);  // earpiece
    // The screen with two lines of text.
    g.framed(g.box(11, 8, 10, 8), 0.5, kScreen, edge);
    g.fill(g.box(12.5, 9.75, 4, 1), kInk);
    g.fill(g.box(12.5, 11.75, 6.5, 1), kInk);
    g.fill(g.box(12.5, 13.5, 5, 1), kInk);
    // The select key, then the keypad: three columns, four rows.
    g.framed(g.box(13, 17, 6, 2), 1, kNavy, edge);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            g.framed(g.box(11.5 + column * 3.25, 20 + row * 2.5, 2.5, 1.75), 0.6, kWhite, edge);
}

}  // namespace

QImage programIconAt(int size) {
    if (size == 32) return programIcon(true);
    if (size == 16) return programIcon(false);
    QImage image = blankImage(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    drawHandset(p, size);
    p.end();
    return image;
}

}  // namespace sumire::tool
