#pragma once
// A picture box's contents as the window's boxes and the exported pages'
// boxes both give them to DrawLcd: the one reading of a picture file and the
// one copy of a box's inner area.

#include <QImage>
#include <QString>

namespace sumire {

// The sunken border around every picture box, in pixels.
inline constexpr int kBoxBorderPx = 2;

// A BMP, JPEG or GIF picture, recognised by its content; null for any other.
QImage readBoxPicture(const QString& path);

// What a copy from a box of the given size in twips reads: its inner area,
// the picture at the top left on the box's grey. Null when the box has none.
QImage boxInnerImage(const QImage& picture, int widthTwips, int heightTwips);

}  // namespace sumire
