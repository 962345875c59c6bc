#pragma once
// The markup tags: <BODY= in the header pass, <IMG=, <C=, </C>, <BL>, </BL>
// in the body pass. Each handler starts with scanPos on the tag's "<" and
// leaves it where the tag's rules say.

#include "display/PageModel.h"
#include "text/ScanText.h"

#include <QStringView>
#include <array>

namespace sumire {

// Reads the hexadecimal digit `hexChar` into model.hexValue; any other
// character (lower-case letters included) leaves hexValue as it was.
void HexDigitValue(PageModel& model, char16_t hexChar);

// <BODY= of the header pass; `tag` is its text.
void handleBodyColourTag(PageModel& model, const ScanText& text, QStringView tag);

// A tag of the body: the kind a step that meets it records, the marker that
// step appends to lcdText, and the handler, given the tag's text.
struct MarkupTag {
    QStringView text;
    TokenKind kind;
    char16_t marker;
    void (*handle)(PageModel& model, const ScanText& text, QStringView tag);
};

void handleImageTag(PageModel& model, const ScanText& text, QStringView tag);
void handleColourTag(PageModel& model, const ScanText& text, QStringView tag);
// Tags without a value: scanPos goes onto their ">".
void handleClosedTag(PageModel& model, const ScanText& text, QStringView tag);

// In the order a step tests them, each at the position the previous one left.
inline constexpr std::array<MarkupTag, 5> kMarkupTags{{
    {u"<IMG=", kImageToken, kImageMarker, handleImageTag},
    {u"<C=", kColourToken, kColorMarker, handleColourTag},
    {u"</C>", kColourResetToken, kColorResetMarker, handleClosedTag},
    {u"<BL>", kBlinkStartToken, kBlinkStartMarker, handleClosedTag},
    {u"</BL>", kBlinkEndToken, kBlinkEndMarker, handleClosedTag},
}};

// Tests the tags in order, then appends the marker of the last one met (an
// image marker with its slot digit, when the page named a slot).
void markupStep(PageModel& model, const ScanText& text);

}  // namespace sumire
