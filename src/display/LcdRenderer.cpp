#include "display/LcdRenderer.h"

#include "display/CellWidth.h"

#include <cmath>

namespace sumire {
namespace {

constexpr int kNoChar = -1;       // past the end of the display text
constexpr int kImageLeftPx = 48;  // images are copied in device pixels (15 twips each)
// 4 rows reserved per 1096 twips of a slot's height: a cleared slot (1095 twips high) reserves 3.
constexpr int64_t kTwipsPerFourImageRows = 1096;
// Pixels per image row on a 200-twip line, a little over the 200 / 15 = 13.3 of the text's rows.
constexpr double kImageRowPx = 13.6;
constexpr int kImageRowLineTwips = 200;  // the line height at which an image row is kImageRowPx
// 54 px is about (1000 - 200) / 15: the text's top one row up, since the marker's row has ended.
constexpr int kImageTopPx = 54;

struct Pass {
    PageModel& m;
    const PictureSlots& pictures;
    LcdCanvas& canvas;
    const QChar* text = m.lcdText.constData();  // read only: no copy, no detach
    const int64_t length = m.lcdText.size();
    const uint8_t* widths = cellWidthTable();
    int fore = 0;        // ForeColor
    int blinkColor = 0;  // empty (black) until a blink start marker
    bool timer = false;

    int charAt(int64_t i) const { return i >= 1 && i <= length ? text[i - 1].unicode() : kNoChar; }
    int textColour() const { return packColor(m.textRed, m.textGreen, m.textBlue); }
    int backColour() const { return packColor(m.backRed, m.backGreen, m.backBlue); }
    bool visibleRow() const { return m.scrollTop <= m.lcdRow && m.lcdRow < m.scrollTop + m.lineCount; }

    void colourMarkers(int ch);
    int visibleCharacter(int ch);
    void image();
    void advance(int ch);
    void step();
    template <bool kAbove>
    void offWindow();
};

void Pass::colourMarkers(int ch) {
    if (ch == kColorMarker) {
        // A marker past the table's end keeps the current colour.
        if (m.colorIdx >= 0 && m.colorIdx < kColorEntries)
            fore = packColor(m.colorRed[m.colorIdx], m.colorGreen[m.colorIdx], m.colorBlue[m.colorIdx]);
        --m.lcdCol;
        ++m.colorIdx;
    }
    if (ch == kColorResetMarker) {
        fore = textColour();
        --m.lcdCol;
    }
}

// Blink markers are interpreted only on visible rows; each is consumed
// together with the character that follows it, which takes its place.
// Returns the character drawn in this step.
int Pass::visibleCharacter(int ch) {
    if (ch == kBlinkStartMarker) {
        m.blinkActive = 1;
        ++m.loopIdx;
        timer = true;
        blinkColor = fore;
    }
    if (ch == kBlinkEndMarker) {
        m.blinkActive = 0;
        ++m.loopIdx;
        fore = blinkColor;
    }
    ch = charAt(m.loopIdx);
    const int64_t x = kTextLeft + m.lcdCol * m.charWidth;
    const int64_t y = kTextTop + (m.lcdRow - m.scrollTop) * m.lineHeight;
    if (ch != kImageMarker && ch != kColorMarker && ch != kColorResetMarker) {
        if (m.blinkActive != 0) fore = m.blinkPhase == 0 ? blinkColor : backColour();
        if (ch != kNoChar) canvas.text(x, y, char16_t(ch), fore);
    }
    if (ch == kImageMarker) image();
    return ch;
}

// The image of the slot named by the digit after the marker goes below the
// current line; its rows are reserved whether or not it fits.
void Pass::image() {
    m.lcdCol = m.lineChars - 1;
    ++m.lcdRow;
    ++m.loopIdx;
    const int digit = charAt(m.loopIdx);
    if (digit >= u'0' && digit <= u'9') {
        const int slot = digit - u'0';
        const int64_t rows = int64_t(pictures.slotHeight(slot)) * 4 / kTwipsPerFourImageRows;
        if (m.lcdRow < m.scrollTop + m.lineCount - rows) {
            const double top =
                double(m.lcdRow - m.scrollTop) * kImageRowPx * m.lineHeight / kImageRowLineTwips + kImageTopPx;
            canvas.blt(slot, kImageLeftPx, int64_t(std::nearbyint(top)), pictures.slotWidth(slot),
                       pictures.slotHeight(slot));
        }
        m.lcdRow += rows;
        m.imageRows += rows;
    }
    ++m.loopIdx;
}

void Pass::advance(int ch) {
    m.lcdCol += ch == kNoChar ? 1 : widths[ch];
    if (m.lcdCol >= m.lineChars - 1) {
        m.lcdCol = 0;
        ++m.lcdRow;
    }
}

void Pass::step() {
    int ch = charAt(m.loopIdx);
    if (ch == u'\n') {
        m.lcdCol = m.lineChars - 1;
    } else if (ch == u'\r') {
        m.lcdCol = m.lineChars - 1;
        --m.lcdRow;
    } else {
        colourMarkers(ch);
        if (visibleRow()) ch = visibleCharacter(ch);
    }
    advance(ch);
}

// Rows outside the window draw nothing and interpret no blink or image
// marker, so their steps reduce to line breaks, colour markers and cell
// widths. Above the window (kAbove) the steps run until a step starts on the
// window's first row; below it they run to the end, since rows never come
// back up (a carriage return's step keeps its row).
template <bool kAbove>
void Pass::offWindow() {
    int64_t col = m.lcdCol, row = m.lcdRow, colours = m.colorIdx, i = m.loopIdx;
    const int64_t wrap = m.lineChars - 1;
    for (; i <= length && (!kAbove || row < m.scrollTop); ++i) {
        const char16_t c = text[i - 1].unicode();
        if (c == u'\n') {
            col = wrap;
        } else if (c == u'\r') {
            col = wrap;
            --row;
        } else if (c == kColorMarker) {
            if (kAbove && colours >= 0 && colours < kColorEntries)
                fore = packColor(m.colorRed[colours], m.colorGreen[colours], m.colorBlue[colours]);
            --col;
            ++colours;
        } else if (c == kColorResetMarker) {
            if (kAbove) fore = textColour();
            --col;
        }
        col += widths[c];
        if (col >= wrap) {
            col = 0;
            ++row;
        }
    }
    m.lcdCol = col;
    m.lcdRow = row;
    m.colorIdx = colours;
    m.loopIdx = i;
}

}  // namespace

LcdDrawn DrawLcd(PageModel& m, const PictureSlots& pictures, LcdCanvas& canvas) {
    m.lcdCol = 0;
    m.lcdRow = 0;
    m.colorIdx = 0;
    m.imageRows = 0;
    m.blinkActive = 0;
    Pass pass{m, pictures, canvas};
    pass.fore = pass.textColour();
    canvas.box(kLcdLeft, kLcdTop, kLcdRight, kLcdBottom, pass.backColour());
    canvas.frame(kLcdLeft, kLcdTop, kLcdRight, kLcdBottom, 0);
    m.loopIdx = 1;
    pass.offWindow<true>();
    for (; m.loopIdx <= pass.length; ++m.loopIdx) {
        if (m.lcdRow >= m.scrollTop + m.lineCount) {
            pass.offWindow<false>();
            break;
        }
        pass.step();
    }
    m.lcdRow -= 10;  // the lowest scroll position
    return {pass.timer, !pass.timer};
}

LcdDrawn Timer1_Timer(PageModel& m, const PictureSlots& pictures, LcdCanvas& canvas) {
    m.blinkPhase = m.blinkPhase == 0 ? 1 : 0;
    return DrawLcd(m, pictures, canvas);
}

int64_t imageRowAt(int64_t y, int lineHeight) {
    return int64_t(std::nearbyint(double(y - kImageTopPx) * kImageRowLineTwips / (kImageRowPx * lineHeight)));
}

}  // namespace sumire
