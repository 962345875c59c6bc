#include "display/MarkupTags.h"

namespace sumire {
namespace {

// Two hexadecimal digits from scanPos on, most significant first; scanPos
// moves past both whatever they are.
int64_t readComponent(PageModel& m, const ScanText& text) {
    HexDigitValue(m, text.at(m.scanPos));
    const int high = m.hexValue;
    ++m.scanPos;
    HexDigitValue(m, text.at(m.scanPos));
    ++m.scanPos;
    return int64_t(high) * 16 + m.hexValue;
}

// Moves past a carriage return that stands where the tag's handler stopped.
void skipCarriageReturn(PageModel& m, const ScanText& text) {
    if (text.at(m.scanPos) == u'\r') ++m.scanPos;
}

}  // namespace

void HexDigitValue(PageModel& model, char16_t hexChar) {
    if (hexChar >= u'0' && hexChar <= u'9') model.hexValue = hexChar - u'0';
    else if (hexChar >= u'A' && hexChar <= u'F') model.hexValue = hexChar - u'A' + 10;
}

void handleBodyColourTag(PageModel& m, const ScanText& text, QStringView tag) {
    m.scanPos += tag.size();
    m.textRed += readComponent(m, text);
    m.textGreen += readComponent(m, text);
    m.textBlue += readComponent(m, text);
    constexpr QStringView kBackground = u"BG=";
    const int64_t bg = text.find(m.scanPos, kBackground);
    if (bg == 0) {
        // No background follows: keep it, and start the body on the next line.
        const int64_t lineFeed = text.find(m.scanPos, u'\n');
        m.scanPos = lineFeed == 0 ? text.length() + 1 : lineFeed + 1;
        m.bodyStart = m.scanPos;
        return;
    }
    m.scanPos = bg + kBackground.size();
    m.backRed = readComponent(m, text);
    m.backGreen = readComponent(m, text);
    m.backBlue = readComponent(m, text);
    m.scanPos += 2;  // past ">" and the carriage return
    if (text.at(m.scanPos) == u'\n') ++m.scanPos;
    m.bodyStart = m.scanPos;
}

void handleImageTag(PageModel& m, const ScanText& text, QStringView tag) {
    m.scanPos += tag.size() + 1;  // and the opening quote
    QString name;
    // Without its closing quote the tag reuses the previous image tag's name.
    if (text.textUpTo(m.scanPos, u'"', &name)) m.imageTagName = name;
    for (int k = 0; k < kPictureSlots; ++k)
        if (m.attachNames[k] == m.imageTagName) m.imageTagSlot = k;
    m.scanPos += m.imageTagName.size() + 1;
    skipCarriageReturn(m, text);
}

void handleColourTag(PageModel& m, const ScanText& text, QStringView tag) {
    m.scanPos += tag.size();
    const int64_t red = readComponent(m, text);
    const int64_t green = readComponent(m, text);
    const int64_t blue = readComponent(m, text);
    if (m.colorIdx >= 0 && m.colorIdx < kColorEntries) {
        m.colorRed[m.colorIdx] += red;
        m.colorGreen[m.colorIdx] += green;
        m.colorBlue[m.colorIdx] += blue;
    }
    if (text.at(m.scanPos) == u'\n') ++m.scanPos;
    ++m.colorIdx;
}

void handleClosedTag(PageModel& m, const ScanText& text, QStringView tag) {
    m.scanPos += tag.size() - 1;
    skipCarriageReturn(m, text);
}

void markupStep(PageModel& m, const ScanText& text) {
    for (const MarkupTag& tag : kMarkupTags) {
        if (text.at(m.scanPos) != tag.text.front() || !text.startsWith(m.scanPos, tag.text)) continue;
        m.tokenKind = tag.kind;
        tag.handle(m, text, tag.text);
    }
    for (const MarkupTag& tag : kMarkupTags) {
        if (tag.kind != m.tokenKind) continue;
        m.lcdText += QChar(tag.marker);
        if (tag.kind == kImageToken && m.imageTagSlot >= 0) m.lcdText += QChar(u'0' + m.imageTagSlot);
    }
}

}  // namespace sumire
