#include "ContactSheet.h"

#include "Artwork.h"
#include "HandsetLayout.h"
#include "Pictographs.h"
#include "PixelArt.h"
#include "display/EmojiTags.h"

#include <QPainter>
#include <algorithm>

namespace sumire::tool {

namespace {

using namespace layout;

// The window's controls over a handset picture, roughly as the window shows them.
void paintControls(QPainter& p) {
    p.fillRect(kScreen, Qt::white);
    p.fillRect(kKeyBox, Qt::white);
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    const auto button = [&](const QRect& r, const QString& caption, const QColor& face) {
        p.fillRect(r, face);
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.drawText(r, Qt::AlignCenter, caption);
    };
    const QColor cyan(0, 255, 255);
    button(kCallKey, "TEL", QColor(192, 192, 192));
    button(kUpKey, "^", cyan);
    button(kDownKey, "v", cyan);
    button(kLeftKey, "<", cyan);
    button(kRightKey, ">", cyan);
    const char* captions[4][3] = {{"7", "8", "9"}, {"4", "5", "6"}, {"1", "2", "3"}, {"BK", "0", "CR"}};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column) button(keypadKey(column, row), captions[row][column], cyan);
    // A few pictographs on the screen at the widest and the narrowest width.
    for (int i = 0; i < 10; ++i) drawPictograph(p, i, QRectF(24 + i * 13.33, 64, 13.33, 13.33), Qt::black);
    for (int i = 0; i < 5; ++i) drawPictograph(p, 10 + i, QRectF(24 + i * 26.67, 84, 26.67, 20), QColor(0, 0, 255));
}

}  // namespace

QImage pictographSheet(int first, int count) {
    const int scale = 6, columns = 8, cellWidth = 100, cellHeight = 100;
    const int rows = (count + columns - 1) / columns;
    QImage sheet(columns * cellWidth, rows * cellHeight, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    for (int code = first; code < std::min(first + count, kPictographCount); ++code) {
        const int x = ((code - first) % columns) * cellWidth;
        const int y = ((code - first) / columns) * cellHeight;
        const QRect glyph(x + (cellWidth - 12 * scale) / 2, y + 4, 12 * scale, 12 * scale);
        p.fillRect(glyph, QColor(224, 236, 224));
        for (int i = 0; i <= 12; i += 6) {
            p.fillRect(glyph.left() + i * scale, glyph.top(), 1, glyph.height(), QColor(200, 210, 200));
            p.fillRect(glyph.left(), glyph.top() + i * scale, glyph.width(), 1, QColor(200, 210, 200));
        }
        drawPictograph(p, code, glyph, Qt::black);
        // Its real size, as on the narrowest and the widest display width.
        drawPictograph(p, code, QRectF(x + 2, y + 80, 13.33, 13.33), Qt::black);
        p.setPen(Qt::darkGray);
        p.drawText(QRect(x + 16, y + 78, cellWidth - 16, 16), Qt::AlignCenter,
                   QString::number(code) + " " + kEmojiNames[code]);
    }
    return sheet;
}

QImage handsetSheet(const QString& assets) {
    QImage sheet(4 * 200 + 10, 2 * 470 + 10, QImage::Format_RGB32);
    sheet.fill(QColor(128, 255, 128));
    QPainter p(&sheet);
    const QImage pictures[4] = {QImage(assets + "/handset.bmp"), QImage(assets + "/phone_01.jpg"),
                                QImage(assets + "/phone_02.jpg"), QImage(assets + "/phone_03.jpg")};
    for (int i = 0; i < 4; ++i) {
        p.drawImage(10 + i * 200, 10, pictures[i]);
        p.save();
        p.translate(10 + i * 200, 480);
        p.drawImage(0, 0, pictures[i]);
        paintControls(p);
        p.restore();
    }
    return sheet;
}

QImage iconSheet(const QString& assets) {
    QImage sheet(900, 640, QImage::Format_RGB32);
    sheet.fill(QColor(192, 192, 192));
    QPainter p(&sheet);
    int x = 8, y = 8, rowHeight = 0;
    // Each picture at its own size with a three times enlargement beside it.
    const auto show = [&](const QString& file) {
        const QImage image(assets + "/" + file);
        const QSize big = image.size() * 3;
        if (x + image.width() + big.width() + 16 > sheet.width()) {
            x = 8;
            y += rowHeight + 8;
            rowHeight = 0;
        }
        p.drawImage(x, y, image);
        p.drawImage(QRect(QPoint(x + image.width() + 4, y), big), image);
        x += image.width() + big.width() + 16;
        rowHeight = std::max(rowHeight, big.height());
    };
    for (const char* name : {"network", "offline", "open", "addBookmark", "editBookmarks", "help"}) {
        show(QString("icons/%1-32.png").arg(name));
        show(QString("icons/%1-16.png").arg(name));
    }
    for (const char* name : {"cut", "copy", "paste", "delete"}) show(QString("icons/%1-16.png").arg(name));
    for (const char* file : {"telephone.png", "program-32.png", "program-16.png", "melody.bmp", "data.bmp"}) show(file);
    return sheet;
}

}  // namespace sumire::tool
