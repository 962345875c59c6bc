#pragma once
// The windows and the LCD are laid out in twips (1/1440 inch); the screen
// has 15 of them to a pixel at 96 dots per inch.

#include <QRect>

namespace sumire {

constexpr int kTwipsPerPixel = 15;

constexpr double twipsToPixels(double twips) { return twips / kTwipsPerPixel; }

// A rectangle given in twips (left, top, width, height), in whole pixels.
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel);
}

}  // namespace sumire
