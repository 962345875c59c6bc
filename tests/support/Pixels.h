#pragma once
// Counting the pixels of a colour in a picture the program wrote. Inline, so
// that only the test programs that look at pictures need Qt Gui.

#include <QImage>
#include <QRect>

namespace sumire::test {

// The pixels of `area` whose red, green and blue are those of `colour`
// (whatever their alpha).
inline int countPixels(const QImage& image, const QRect& area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
    return n;
}

// The pixels whose red, green or blue differ between two pictures of one
// size; -1 when the sizes differ.
inline int differentPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) ++n;
    return n;
}

}  // namespace sumire::test
