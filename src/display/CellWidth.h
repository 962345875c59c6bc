#pragma once
// Half-width cells a character takes on the LCD: one when code page 932
// encodes it in one byte, two when in two bytes; a character code page 932
// cannot encode takes two when East Asian width is wide or fullwidth.

namespace sumire {

int cellWidth(char16_t ch);

}  // namespace sumire
