// The 32 x 32 toolbar icons and program icon, drawn with unsmoothed primitives.
#include "Artwork.h"
#include "PixelArt.h"
#include "SmallIcons.h"

#include <QPolygon>

namespace sumire::tool {

namespace {

const QColor kBlack(0, 0, 0), kWhite(255, 255, 255), kSilver(192, 192, 192), kGrey(128, 128, 128), kTeal(0, 128, 128),
    kNavy(0, 0, 128), kYellow(255, 255, 0), kOlive(128, 128, 0), kRed(255, 0, 0), kDarkRed(128, 0, 0),
    kGreen(0, 128, 0);

// A desktop computer: monitor `width` wide (base included below it).
void computer(QPainter& p, int x, int y, int width) {
    const int height = width * 3 / 4;
    outline(p, QRect(x, y, width, height), kBlack);
    bevelBox(p, QRect(x + 1, y + 1, width - 2, height - 2), kSilver, kWhite, kGrey);
    outline(p, QRect(x + 3, y + 3, width - 6, height - 6), kGrey);
    p.fillRect(QRect(x + 4, y + 4, width - 8, height - 8), kTeal);
    p.fillRect(QRect(x + 5, y + 5, width / 3, 1), QColor(0, 255, 255));
    const int stand = width / 3;
    p.fillRect(QRect(x + (width - stand) / 2, y + height, stand, 1), kBlack);
    outline(p, QRect(x + 1, y + height + 1, width - 2, 4), kBlack);
    bevelBox(p, QRect(x + 2, y + height + 2, width - 4, 2), kSilver, kWhite, kGrey);
    p.fillRect(QRect(x + width - 6, y + height + 2, 2, 1), QColor(0, 255, 0));
}

void largeNetwork(QPainter& p) {
    // Cable first, so that the machines stand over its ends.
    pixelLine(p, {7, 17}, {7, 29}, kBlack);
    pixelLine(p, {7, 29}, {24, 29}, kBlack);
    pixelLine(p, {24, 29}, {24, 26}, kBlack);
    p.fillRect(QRect(8, 18, 1, 11), kGrey);
    computer(p, 0, 1, 16);
    computer(p, 15, 10, 16);
}

void largeOffline(QPainter& p) {
    // A hub with its ports and lights, and an unplugged cable.
    outline(p, QRect(2, 3, 28, 11), kBlack);
    bevelBox(p, QRect(3, 4, 26, 9), kSilver, kWhite, kGrey);
    for (int port = 0; port < 4; ++port) {
        p.fillRect(QRect(5 + port * 5, 8, 3, 3), kBlack);
        p.fillRect(QRect(5 + port * 5, 6, 1, 1), QColor(0, 255, 0));
    }
    p.fillRect(QRect(25, 6, 2, 2), kYellow);
    p.fillRect(QRect(15, 14, 2, 11), kBlack);
    outline(p, QRect(12, 25, 8, 6), kBlack);
    bevelBox(p, QRect(13, 26, 6, 4), kSilver, kWhite, kGrey);
    // The red cross over the cable.
    for (int i = 0; i < 11; ++i) {
        p.fillRect(QRect(10 + i, 14 + i, 2, 2), kRed);
        p.fillRect(QRect(20 - i, 14 + i, 2, 2), kRed);
    }
}

void largeOpenFolder(QPainter& p) {
    // Back of the folder with its tab, a sheet inside, the open front flap.
    p.setPen(kBlack);
    p.setBrush(QColor(192, 192, 0));
    p.drawPolygon(QPolygon({{2, 7}, {4, 5}, {11, 5}, {13, 7}, {25, 7}, {25, 27}, {2, 27}}));
    p.fillRect(QRect(3, 8, 1, 18), kYellow);
    p.fillRect(QRect(4, 6, 7, 1), kYellow);
    outline(p, QRect(8, 9, 14, 8), kBlack);
    p.fillRect(QRect(9, 10, 12, 6), kWhite);
    p.setBrush(kYellow);
    p.drawPolygon(QPolygon({{8, 14}, {31, 14}, {25, 27}, {2, 27}}));
    pixelLine(p, {9, 15}, {29, 15}, QColor(255, 255, 160));
    pixelLine(p, {3, 26}, {24, 26}, kOlive);
}

void largeRedBook(QPainter& p) {
    outline(p, QRect(5, 2, 22, 27), kBlack);
    p.fillRect(QRect(6, 3, 3, 25), kDarkRed);  // spine
    p.fillRect(QRect(9, 3, 17, 22), kRed);     // cover
    p.fillRect(QRect(9, 3, 1, 22), QColor(255, 128, 128));
    p.fillRect(QRect(9, 25, 17, 3), kWhite);  // page edges
    p.fillRect(QRect(10, 26, 16, 1), kSilver);
    p.fillRect(QRect(9, 24, 17, 1), kBlack);
    outline(p, QRect(12, 7, 11, 5), kYellow);  // title panel
    p.fillRect(QRect(14, 9, 7, 1), kYellow);
    p.fillRect(QRect(20, 28, 3, 4), kYellow);  // ribbon
    p.fillRect(QRect(21, 31, 1, 1), Qt::transparent);
    p.fillRect(QRect(20, 29, 1, 3), QColor(192, 192, 0));
}

void book(QPainter& p, int x, int top, int width, const QColor& colour, const QColor& band) {
    outline(p, QRect(x, top, width, 26 - top), kBlack);
    p.fillRect(QRect(x + 1, top + 1, width - 2, 24 - top), colour);
    p.fillRect(QRect(x + 1, top + 1, 1, 24 - top), colour.lighter(150));
    p.fillRect(QRect(x + 1, top + 3, width - 2, 2), band);
    p.fillRect(QRect(x + 1, 21, width - 2, 1), band);
}

void largeBookShelf(QPainter& p) {
    book(p, 2, 5, 6, kNavy, kYellow);
    book(p, 7, 8, 5, kDarkRed, kYellow);
    book(p, 11, 3, 6, kGreen, kWhite);
    book(p, 16, 7, 5, kTeal, kYellow);
    // A book leaning on the others.
    p.setPen(kBlack);
    p.setBrush(QColor(128, 0, 128));
    p.drawPolygon(QPolygon({{21, 25}, {26, 25}, {30, 8}, {26, 7}}));
    pixelLine(p, {23, 22}, {27, 10}, QColor(255, 128, 255));
    // The shelf.
    outline(p, QRect(0, 26, 32, 4), kBlack);
    bevelBox(p, QRect(1, 27, 30, 2), QColor(192, 96, 0), QColor(255, 160, 64), QColor(128, 64, 0));
    p.fillRect(QRect(3, 30, 2, 2), kBlack);
    p.fillRect(QRect(27, 30, 2, 2), kBlack);
}

void largeHelp(QPainter& p) {
    p.setPen(kBlack);
    p.setBrush(QColor(0, 160, 0));
    p.drawEllipse(QRect(1, 1, 29, 29));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 224, 64));
    p.drawEllipse(QRect(5, 4, 10, 8));
    drawPixels(p, 9, 6,
               {
                   "...wwwwww....",
                   "..wwwwwwww...",
                   ".www....www..",
                   ".www....www..",
                   "........www..",
                   ".......www...",
                   "......www....",
                   ".....www.....",
                   ".....www.....",
                   ".....www.....",
                   ".............",
                   ".....www.....",
                   ".....www.....",
                   ".....www.....",
               });
}

void largeProgram(QPainter& p) {
    // A PHS handset: stub antenna, earpiece, screen, keys.
    p.fillRect(QRect(19, 0, 3, 5), kBlack);
    p.fillRect(QRect(20, 1, 1, 3), kGrey);
    p.setPen(kBlack);
    p.setBrush(kSilver);
    p.drawRoundedRect(QRect(9, 4, 14, 27), 3, 3);
    p.fillRect(QRect(10, 6, 1, 23), kWhite);
    p.fillRect(QRect(22, 7, 1, 22), kGrey);
    p.fillRect(QRect(14, 6, 5, 1), kBlack);  // earpiece
    outline(p, QRect(11, 8, 11, 8), kBlack);
    p.fillRect(QRect(12, 9, 9, 6), QColor(160, 192, 128));  // screen
    p.fillRect(QRect(13, 10, 5, 1), QColor(48, 64, 48));
    p.fillRect(QRect(13, 12, 7, 1), QColor(48, 64, 48));
    p.fillRect(QRect(13, 17, 7, 2), kNavy);  // select key
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column) p.fillRect(QRect(12 + column * 3, 20 + row * 2, 2, 1), kBlack);
}

QImage drawn(void (*draw)(QPainter&)) {
    QImage image = blankImage(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    draw(p);
    return image;
}

}  // namespace

QImage networkIcon(bool large) { return large ? drawn(largeNetwork) : networkSmall(); }
QImage offlineIcon(bool large) { return large ? drawn(largeOffline) : offlineSmall(); }
QImage openIcon(bool large) { return large ? drawn(largeOpenFolder) : openSmall(); }
QImage redBookIcon(bool large) { return large ? drawn(largeRedBook) : redBookSmall(); }
QImage bookShelfIcon(bool large) { return large ? drawn(largeBookShelf) : bookShelfSmall(); }
QImage helpIcon(bool large) { return large ? drawn(largeHelp) : helpSmall(); }
QImage programIcon(bool large) { return large ? drawn(largeProgram) : programSmall(); }

}  // namespace sumire::tool
