#include "display/CellWidth.h"

#include <QList>
#include <QStringDecoder>
#include <array>
#include <cstdint>

namespace sumire {
namespace {

// Wide and fullwidth ranges of the Basic Multilingual Plane (East Asian
// width W or F), for characters code page 932 has no code for.
constexpr std::array<std::pair<char16_t, char16_t>, 16> kWideRanges{{
    {0x1100, 0x115F},
    {0x231A, 0x231B},
    {0x2329, 0x232A},
    {0x23E9, 0x23EC},
    {0x2E80, 0x303E},
    {0x3041, 0x33FF},
    {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},
    {0xA960, 0xA97F},
    {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},
    {0xFE10, 0xFE19},
    {0xFE30, 0xFE6F},
    {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},
}};

bool eastAsianWide(char16_t c) {
    for (auto [lo, hi] : kWideRanges)
        if (c >= lo && c <= hi) return true;
    return false;
}

// 0: not encodable, 1: one byte, 2: two bytes. Built once by decoding every
// code of code page 932, each followed by a line feed so that an invalid code
// cannot run into the next one.
std::array<uint8_t, 65536> buildTable() {
    std::array<uint8_t, 65536> t{};
    auto isLead = [](int b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); };
    QByteArray singles, pairs;
    for (int b = 0; b < 256; ++b) {
        if (b == 0x0A) continue;
        singles += char(b);
        singles += '\n';
        if (!isLead(b)) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            pairs += char(b);
            pairs += char(trail);
            pairs += '\n';
        }
    }
    auto fill = [&](const QByteArray& codes, uint8_t width) {
        const QString text = QStringDecoder("Shift_JIS").decode(codes);
        for (QStringView one : QStringView(text).split(u'\n')) {
            if (one.size() != 1) continue;
            const char16_t c = one[0].unicode();
            if (c == 0x1A || c == 0xFFFD || t[c] != 0) continue;
            t[c] = width;
        }
    };
    fill(singles, 1);
    fill(pairs, 2);
    t[0x0A] = 1;
    t[0x1A] = 1;
    return t;
}

// Every character's width, the East Asian width fallback included.
std::array<uint8_t, 65536> buildWidths() {
    std::array<uint8_t, 65536> t = buildTable();
    for (int c = 0; c < 65536; ++c)
        if (t[c] == 0) t[c] = eastAsianWide(char16_t(c)) ? 2 : 1;
    return t;
}

}  // namespace

const uint8_t* cellWidthTable() {
    static const std::array<uint8_t, 65536> widths = buildWidths();
    return widths.data();
}

int cellWidth(char16_t ch) { return cellWidthTable()[ch]; }

}  // namespace sumire
