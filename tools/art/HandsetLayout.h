#pragma once
// Where the window puts its screen and keys over a handset picture, in the
// picture's pixels (the window's twips divided by 15). Every handset picture
// draws its screen and keys at these places.

#include <QRect>

namespace sumire::tool::layout {

inline constexpr int kPictureWidth = 189;
inline constexpr int kPictureHeight = 458;

// The LCD area, (360, 960)-(2415, 3015) twips.
inline constexpr QRect kScreen(24, 64, 137, 137);
// The link key box and the call button below the screen.
inline constexpr QRect kKeyBox(24, 208, 81, 25);
inline constexpr QRect kCallKey(104, 208, 57, 25);
// The cursor keys: up, down, left (page up), right (page down).
inline constexpr QRect kUpKey(72, 256, 41, 25);
inline constexpr QRect kDownKey(72, 280, 41, 25);
inline constexpr QRect kLeftKey(40, 264, 33, 33);
inline constexpr QRect kRightKey(112, 264, 33, 33);

// Keypad key at `column` 0..2 and `row` 0..3 (7 8 9 / 4 5 6 / 1 2 3 / BK 0 CR).
constexpr QRect keypadKey(int column, int row) { return QRect(24 + 48 * column, 312 + 32 * row, 41, 25); }

// The handset's centre line, the middle of the screen.
inline constexpr double kCentreX = 24 + 137 / 2.0;

}  // namespace sumire::tool::layout
