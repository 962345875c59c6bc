#pragma once
// The windows and the LCD are laid out in twips (1/1440 inch); the screen
// has 15 of them to a pixel at 96 dots per inch.

#include <QRect>
#include <cmath>
#include <cstdint>

namespace sumire {

constexpr int kTwipsPerPixel = 15;

constexpr double twipsToPixels(double twips) { return twips / kTwipsPerPixel; }

// The nearest whole pixel to a length in twips, halves away from zero.
inline int64_t roundedPixels(int64_t twips) { return std::llround(twipsToPixels(double(twips))); }

// A rectangle given in twips (left, top, width, height), in whole pixels.
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel);
}

}  // namespace sumire
