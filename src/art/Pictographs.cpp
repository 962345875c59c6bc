#include "Pictographs.h"

#include "PictographDesigns.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace sumire {

namespace {

// Whole device pixels inside `cell` (edges rounded inwards).
QRect innerDeviceRect(const QPainter& p, const QRectF& cell) {
    const QRectF device = p.deviceTransform().mapRect(cell);
    const int left = static_cast<int>(std::ceil(device.left() - 1e-6));
    const int top = static_cast<int>(std::ceil(device.top() - 1e-6));
    const int right = static_cast<int>(std::floor(device.right() + 1e-6));
    const int bottom = static_cast<int>(std::floor(device.bottom() + 1e-6));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// Device position of dot edge k (0..12) along one axis, so that dots of one
// design differ by at most one pixel in size.
int dotEdge(double origin, double dot, int k) {
    return static_cast<int>(std::lround(origin + k * dot));
}

}  // namespace

bool pictographDot(int code, int x, int y) {
    if (code < 0 || code >= kPictographCount || x < 0 || x >= kPictographSize || y < 0 ||
        y >= kPictographSize)
        return false;
    return art::kPictographDesigns[code][y][x] == '#';
}

void drawPictograph(QPainter& p, int code, const QRectF& cell, const QColor& colour) {
    // Square dots need an unrotated, unsheared mapping to the device.
    if (code < 0 || code >= kPictographCount || p.deviceTransform().type() > QTransform::TxScale)
        return;
    const QRect area = innerDeviceRect(p, cell);
    const double dot = std::min(area.width(), area.height()) / double(kPictographSize);
    if (dot <= 0)
        return;
    const double originX = area.left() + (area.width() - dot * kPictographSize) / 2;
    const double originY = area.top() + (area.height() - dot * kPictographSize) / 2;

    // Fill in device pixels so that dot edges stay sharp under any scale.
    p.save();
    p.setViewTransformEnabled(false);
    p.setWorldTransform(QTransform());
    for (int y = 0; y < kPictographSize; ++y) {
        const int top = dotEdge(originY, dot, y);
        const int height = dotEdge(originY, dot, y + 1) - top;
        for (int x = 0; x < kPictographSize; ++x) {
            if (!pictographDot(code, x, y))
                continue;
            const int left = dotEdge(originX, dot, x);
            p.fillRect(QRect(left, top, dotEdge(originX, dot, x + 1) - left, height), colour);
        }
    }
    p.restore();
}

}  // namespace sumire
