// The telephone bitmap and the two attachment icons.
#include "Artwork.h"
#include "PixelArt.h"

#include <QPainterPath>
#include <QVector>

namespace sumire::tool {

namespace {

// 5 x 7 letters for the file kinds written on the attachment icons.
QStringList letterRows(QChar letter) {
    switch (letter.unicode()) {
    case 'd': return {"....#", "....#", ".####", "#...#", "#...#", "#...#", ".####"};
    case 'x': return {".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"};
    case 'm': return {".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"};
    case 'a': return {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"};
    case 't': return {"..#..", "..#..", "#####", "..#..", "..#..", "..#..", "...##"};
    default: return {};
    }
}

// `text` in 5 x 7 letters at twice their size, with a one-pixel halo so that
// it reads over any background; (x, y) is the top-left corner.
void drawLabel(QPainter& p, int x, int y, const QString& text, const QColor& ink, const QColor& halo) {
    const int scale = 2, advance = 6 * scale;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < text.size(); ++i) {
            const QStringList rows = letterRows(text[i]);
            for (int row = 0; row < rows.size(); ++row) {
                for (int column = 0; column < 5; ++column) {
                    if (rows[row][column] != QLatin1Char('#')) continue;
                    const QRect dot(x + i * advance + column * scale, y + row * scale, scale, scale);
                    if (pass == 0) p.fillRect(dot.adjusted(-1, -1, 1, 1), halo);
                    else p.fillRect(dot, ink);
                }
            }
        }
    }
}

// Reduces a drawn picture to 8 bits a pixel with a full 256-entry colour
// table: a picture of few colours is still written as a 256-colour bitmap,
// not shrunk to 4 bits a pixel.
QImage toIndexed(const QImage& image) {
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    QList<QRgb> table = indexed.colorTable();
    while (table.size() < 256) table.append(qRgb(0, 0, 0));
    indexed.setColorTable(table);
    return indexed;
}

}  // namespace

QImage telephoneBitmap() {
    return pixelImage({
        "........................", "...kkkkkkkkkkkkkkkkkk...", ".kkddssssssssssssssddkk.", "kddddddddddddddddddddddk",
        "kdddkkkkkkkkkkkkkkkkdddk", "kdddk..............kdddk", ".kkk..kkkkkkkkkkkk..kkk.", ".....kddkddddddkddk.....",
        ".....kddddddddddddk.....", "....kddddddddddddddk....", "....kddwwddwwddwwddk....", "...kddddddddddddddddk...",
        "...kdddwwddwwddwwdddk...", "...kddddddddddddddddk...", "..kddddwwddwwddwwddddk..", "..kddddddddddddddddddk..",
        "..kddddwwddwwddwwddddk..", ".kddddddddddddddddddddk.", ".kssssssssssssssssssssk.", ".kkkkkkkkkkkkkkkkkkkkkk.",
        "........................", "........................",
    });
}

QImage melodyPicture() {
    QImage image(95, 71, QImage::Format_RGB32);
    QPainter p(&image);
    const QVector<QColor> stripes = {{255, 160, 160}, {255, 208, 144}, {255, 255, 160}, {176, 240, 176},
                                     {160, 224, 255}, {176, 176, 255}, {232, 176, 255}};
    for (int i = 0; i < stripes.size(); ++i) {
        const int top = i * 71 / stripes.size(), bottom = (i + 1) * 71 / stripes.size();
        p.fillRect(0, top, 95, bottom - top, stripes[i]);
    }
    // Two beamed eighth notes.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    for (const QPointF head : {QPointF(24, 52), QPointF(56, 46)}) {
        p.save();
        p.translate(head);
        p.rotate(-20);
        p.drawEllipse(QRectF(-9, -6, 18, 12));
        p.restore();
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(30, 14, 3, 38), Qt::black);
    p.fillRect(QRect(62, 8, 3, 38), Qt::black);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawPolygon(QPolygonF({{30, 14}, {65, 8}, {65, 16}, {30, 22}}));
    p.setRenderHint(QPainter::Antialiasing, false);
    drawLabel(p, 58, 52, "dxm", Qt::black, Qt::white);
    p.end();
    return toIndexed(image);
}

QImage dataPicture() {
    QImage image(95, 71, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 0));
    QPainter p(&image);
    const struct {
        QRect square;
        QColor colour;
    } squares[] = {
        {QRect(6, 5, 30, 30), QColor(0, 0, 0)},
        {QRect(22, 14, 30, 30), QColor(255, 0, 0)},
        {QRect(38, 5, 30, 30), QColor(0, 0, 255)},
        {QRect(28, 30, 30, 30), QColor(0, 160, 0)},
    };
    for (const auto& [square, colour] : squares) {
        for (int inset = 0; inset < 3; ++inset) outline(p, square.adjusted(inset, inset, -inset, -inset), colour);
    }
    drawLabel(p, 58, 52, "dat", Qt::black, QColor(255, 255, 0));
    p.end();
    return toIndexed(image);
}

}  // namespace sumire::tool
