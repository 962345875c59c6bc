#include "PixelArt.h"

#include <QHash>

namespace sumire::tool {

QColor paletteColour(QChar letter) {
    static const QHash<QChar, QColor> palette = {
        {'k', QColor(0, 0, 0)},       {'r', QColor(128, 0, 0)},     {'g', QColor(0, 128, 0)},
        {'o', QColor(128, 128, 0)},   {'n', QColor(0, 0, 128)},     {'p', QColor(128, 0, 128)},
        {'t', QColor(0, 128, 128)},   {'s', QColor(192, 192, 192)}, {'d', QColor(128, 128, 128)},
        {'R', QColor(255, 0, 0)},     {'G', QColor(0, 255, 0)},     {'Y', QColor(255, 255, 0)},
        {'B', QColor(0, 0, 255)},     {'M', QColor(255, 0, 255)},   {'C', QColor(0, 255, 255)},
        {'w', QColor(255, 255, 255)}, {'b', QColor(128, 64, 0)},    {'O', QColor(255, 128, 0)},
        {'y', QColor(255, 255, 160)}, {'l', QColor(224, 224, 224)}, {'e', QColor(255, 204, 153)},
        {'v', QColor(0, 160, 0)},     {'V', QColor(64, 224, 64)},   {'h', QColor(160, 192, 128)},
    };
    return palette.value(letter, QColor(Qt::transparent));
}

void drawPixels(QPainter& p, int x, int y, const QStringList& rows) {
    for (int row = 0; row < rows.size(); ++row) {
        const QString& line = rows[row];
        for (int column = 0; column < line.size(); ++column) {
            if (line[column] != QLatin1Char('.')) p.fillRect(x + column, y + row, 1, 1, paletteColour(line[column]));
        }
    }
}

QImage blankImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QImage pixelImage(const QStringList& rows) {
    for (const QString& row : rows) {
        if (row.size() != rows.first().size()) qFatal("pixel rows of unequal length: \"%s\"", qPrintable(row));
    }
    QImage image = blankImage(rows.isEmpty() ? 0 : int(rows.first().size()), int(rows.size()));
    QPainter p(&image);
    drawPixels(p, 0, 0, rows);
    return image;
}

void bevelBox(QPainter& p, const QRect& rect, const QColor& face, const QColor& light, const QColor& dark) {
    p.fillRect(rect, face);
    p.fillRect(rect.left(), rect.top(), rect.width(), 1, light);
    p.fillRect(rect.left(), rect.top(), 1, rect.height(), light);
    p.fillRect(rect.left(), rect.bottom(), rect.width(), 1, dark);
    p.fillRect(rect.right(), rect.top(), 1, rect.height(), dark);
}

void outline(QPainter& p, const QRect& rect, const QColor& colour) {
    p.fillRect(rect.left(), rect.top(), rect.width(), 1, colour);
    p.fillRect(rect.left(), rect.bottom(), rect.width(), 1, colour);
    p.fillRect(rect.left(), rect.top(), 1, rect.height(), colour);
    p.fillRect(rect.right(), rect.top(), 1, rect.height(), colour);
}

void pixelLine(QPainter& p, QPoint from, QPoint to, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(colour, 1));
    p.drawLine(from, to);
    p.restore();
}

}  // namespace sumire::tool
