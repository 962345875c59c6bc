#pragma once
// The markup tags: <BODY= in the header pass, <IMG=, <C=, </C>, <BL>, </BL>
// in the body pass. Each handler starts with scanPos on the tag's "<" and
// leaves it where the tag's rules say.

#include "display/PageModel.h"
#include "text/ScanText.h"

namespace sumire {

// Reads the hexadecimal digit `hexChar` into model.hexValue; any other
// character (lower-case letters included) leaves hexValue as it was.
void HexDigitValue(PageModel& model, char16_t hexChar);

void handleBodyColourTag(PageModel& model, const ScanText& text);  // <BODY=
void handleImageTag(PageModel& model, const ScanText& text);       // <IMG=
void handleColourTag(PageModel& model, const ScanText& text);      // <C=
void handleColourResetTag(PageModel& model, const ScanText& text); // </C>
void handleBlinkStartTag(PageModel& model, const ScanText& text);  // <BL>
void handleBlinkEndTag(PageModel& model, const ScanText& text);    // </BL>

// Appends the marker of model.tokenKind (2, 4, 5, 8 or 9) to lcdText.
void appendTagMarker(PageModel& model);

}  // namespace sumire
