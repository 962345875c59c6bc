#pragma once
// The handset pictographs as text: the character the display text holds for
// each of them, and the closest Unicode character with a short Japanese text,
// for copies and exports that leave the handset's own codes behind.

#include <QString>

namespace sumire {

constexpr int kPictographCount = 95;

struct PictographEquivalent {
    QString tag;      // "<#HEART>"
    QString unicode;  // "❤"
    QString name;     // "ハート", written "[ハート]" where it stands for the pictograph
};

// The handsets' code page 932 character of pictograph `code` (F040 + code,
// the trail byte skipping 0x7F), which is U+E000 + code; 0 for other codes.
char16_t pictographChar(int code);
// U+E000 + c -> c (0..94); -1 for every other character.
int pictographCode(char16_t ch);

// The table entry of pictograph `code`, 0..94.
const PictographEquivalent& pictographEquivalent(int code);

// How a private-use character without a pictograph of its own reads in
// text: its code in brackets, "[U+E800]".
QString unknownPictographText(char16_t ch);

// Whether `ch` lies in the private-use area U+E000..U+F8FF.
constexpr bool isPrivateUse(char16_t ch) { return ch >= 0xE000 && ch <= 0xF8FF; }

}  // namespace sumire
