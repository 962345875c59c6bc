#pragma once
// The page model: what the scanner fills and the LCD renderer reads. One
// instance lives in the main window; each page request resets and refills it.
//
// Positions in the page text are 1-based and count UTF-16 code units. Row and
// position fields are 64-bit so that very long pages never overflow them.

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>

namespace sumire {

constexpr int kLinkEntries = 1000;   // linkKeys / linkTargets
constexpr int kAttachEntries = 11;   // attachNames
constexpr int kPictureSlots = 10;    // Picture1(0)..Picture1(9) take attachments
constexpr int kColorEntries = 101;   // colour-change table, entries 0..100
constexpr int kMelodyIconSlot = 10;  // Picture1(10): the "dxm" icon
constexpr int kDataIconSlot = 11;    // Picture1(11): the "dat" icon

// Marker characters of the display text.
constexpr char16_t kImageMarker = 1;
constexpr char16_t kColorMarker = 2;
constexpr char16_t kColorResetMarker = 3;
constexpr char16_t kBlinkStartMarker = 4;
constexpr char16_t kBlinkEndMarker = 5;

// One row of the display-width table.
struct DisplayWidth {
    int lineChars;
    int lineCount;
    int charWidth;
    int lineHeight;
    int fontSize;
};
constexpr std::array<DisplayWidth, 6> kDisplayWidths{{
    {20, 10, 100, 200, 9},
    {18, 9, 115, 210, 10},
    {16, 9, 130, 220, 11},
    {14, 8, 145, 230, 13},
    {12, 7, 165, 250, 16},
    {10, 6, 200, 300, 18},
}};

// The row of kDisplayWidths whose width is `lineChars` cells, or -1.
constexpr int displayWidthRow(int lineChars) {
    for (size_t i = 0; i < kDisplayWidths.size(); ++i)
        if (kDisplayWidths[i].lineChars == lineChars) return int(i);
    return -1;
}
// The row of `lineChars`, or the first row.
constexpr const DisplayWidth& displayWidthOf(int lineChars) {
    return kDisplayWidths[size_t(std::max(0, displayWidthRow(lineChars)))];
}

// What a body-pass step found (PageModel::tokenKind); 1 and 3 name nothing.
enum TokenKind : int {
    kNoToken = 0,
    kImageToken = 2,
    kColourToken = 4,
    kColourResetToken = 5,
    kBoundaryToken = 6,
    kEmojiToken = 7,
    kBlinkStartToken = 8,
    kBlinkEndToken = 9,
};

struct PageModel {
    // Scanner input and position.
    QString pageSource;
    int64_t scanPos = 0;
    int64_t bodyStart = 1;
    int tokenKind = kNoToken;
    QString scanScratch;
    QByteArray fetchBytes;

    // Display text.
    QString lcdText;

    // Colours. Components are sums of two-digit values and are limited to 255
    // only when a colour is formed.
    int64_t textRed = 0, textGreen = 0, textBlue = 0;
    int64_t backRed = 0, backGreen = 0, backBlue = 0;  // 255 once start-up has run
    int hexValue = 0;
    std::array<int64_t, kColorEntries> colorRed{}, colorGreen{}, colorBlue{};
    int64_t colorIdx = 0;

    // Display geometry (the first display width at program start).
    int lineChars = 20, lineCount = 10, charWidth = 100, lineHeight = 200, fontSize = 9;

    // Drawing state.
    int64_t loopIdx = 0;
    int64_t lcdCol = 0;
    int64_t lcdRow = 0;
    int64_t scrollTop = 0;
    int64_t imageRows = 0;
    int emojiCode = 0;
    int blinkActive = 0;
    int blinkPhase = 0;

    // Links of the page.
    std::array<QString, kLinkEntries> linkKeys, linkTargets;
    int64_t linkCount = 0;

    // Attachments of the page: names exactly as the page gave them.
    std::array<QString, kAttachEntries> attachNames;
    int64_t attachCount = 0;

    // Per page load: the name and slot of the previous image tag.
    QString imageTagName;
    int imageTagSlot = -1;

    int64_t storedLinkCount() const { return linkCount < kLinkEntries ? linkCount : kLinkEntries; }
    int64_t storedAttachCount() const { return attachCount < kAttachEntries ? attachCount : kAttachEntries; }
    void setDisplayWidth(const DisplayWidth& w);
};

// red + 256 * green + 65536 * blue, each component limited to 0..255.
int packColor(int64_t red, int64_t green, int64_t blue);

}  // namespace sumire
