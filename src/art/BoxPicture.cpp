#include "art/BoxPicture.h"

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

QImage boxInnerImage(const QImage& picture, int widthTwips, int heightTwips) {
    const int w = widthTwips / kTwipsPerPixel - 2 * kBoxBorderPx;
    const int h = heightTwips / kTwipsPerPixel - 2 * kBoxBorderPx;
    if (w <= 0 || h <= 0) return {};
    QImage inner(w, h, QImage::Format_RGB32);
    inner.fill(QColor(240, 240, 240));  // the system's button face
    if (!picture.isNull()) {
        QPainter p(&inner);
        p.drawImage(0, 0, picture);
    }
    return inner;
}

}  // namespace sumire
