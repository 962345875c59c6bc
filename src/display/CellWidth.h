#pragma once
// Half-width cells a character takes on the LCD: one when code page 932
// encodes it in one byte, two when in two bytes; a character code page 932
// cannot encode takes two when East Asian width is wide or fullwidth.

#include <cstdint>

namespace sumire {

int cellWidth(char16_t ch);
// The widths of all UTF-16 code units, indexed by the code unit.
const uint8_t* cellWidthTable();
// Whether the LCD shows nothing for a character (control characters).
inline bool drawsNothing(char16_t code) { return code < 0x20 || code == 0x7F; }

}  // namespace sumire
