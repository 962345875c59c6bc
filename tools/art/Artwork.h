#pragma once
// Every picture the generator draws. Sizes are those the window needs.

#include <QImage>

namespace sumire::tool {

// 16 x 16 edit-command bitmaps.
QImage cutBitmap();
QImage copyBitmap();
QImage pasteBitmap();
QImage deleteBitmap();

// Toolbar icons at 32 x 32 (large) and 16 x 16 (small).
QImage networkIcon(bool large);
QImage offlineIcon(bool large);
QImage openIcon(bool large);
QImage redBookIcon(bool large);
QImage bookShelfIcon(bool large);
QImage helpIcon(bool large);
QImage programIcon(bool large);
// The program icon at any of the desktop's sizes (16, 32, 48, 128, 256).
QImage programIconAt(int size);

// 24 x 22 telephone of the go and call buttons.
QImage telephoneBitmap();

// 95 x 71 attachment icons, 256 colours.
QImage melodyPicture();
QImage dataPicture();

// 189 x 458 handset pictures: the plain built-in one and models 0 to 2.
QImage plainHandset();
QImage handsetModel(int model);

}  // namespace sumire::tool
