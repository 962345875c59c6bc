#include "page/Base64.h"

#include <algorithm>
#include <array>

namespace sumire {
namespace {

// Value of each character: its index in "A..Za..z0..9+/=" modulo 64 ("=" is
// 0); -1 for a character outside that alphabet.
constexpr std::array<int8_t, 128> makeValues() {
    std::array<int8_t, 128> v{};
    for (auto& x : v) x = -1;
    for (int i = 0; i < 26; ++i) {
        v['A' + i] = int8_t(i);
        v['a' + i] = int8_t(26 + i);
    }
    for (int i = 0; i < 10; ++i) v['0' + i] = int8_t(52 + i);
    v['+'] = 62;
    v['/'] = 63;
    v['='] = 0;
    return v;
}
constexpr std::array<int8_t, 128> kValues = makeValues();

// Values of the four characters from index `at`; a position past the end
// counts as 0. False for a character outside the alphabet.
bool quadAt(QStringView text, qsizetype at, uint8_t quad[4]) {
    for (int k = 0; k < 4; ++k) {
        const qsizetype i = at + k;
        if (i >= text.size()) {
            quad[k] = 0;
            continue;
        }
        const char16_t c = text[i].unicode();
        if (c >= 128 || kValues[c] < 0) return false;
        quad[k] = uint8_t(kValues[c]);
    }
    return true;
}

}  // namespace

void DecodeBase64Quad(const uint8_t quad[4], uint8_t triple[3]) {
    triple[0] = uint8_t((quad[0] << 2) | (quad[1] >> 4));
    triple[1] = uint8_t(((quad[1] & 15) << 4) | (quad[2] >> 2));
    triple[2] = uint8_t(((quad[2] & 3) << 6) | quad[3]);
}

std::optional<QByteArray> DecodeBase64(QStringView text) {
    const qsizetype length = text.size();
    qsizetype padded = 0;  // bytes the final, padded quad yields
    if (length >= 2 && text.endsWith(u"==")) padded = 1;
    else if (length >= 1 && text.endsWith(u'=')) padded = 2;
    const qsizetype quads = (length - padded) / 4;
    const qsizetype size = 3 * quads + padded;
    if (size <= 0) return std::nullopt;

    QByteArray out(size, Qt::Uninitialized);
    auto* dst = reinterpret_cast<uint8_t*>(out.data());
    uint8_t quad[4];
    uint8_t triple[3];
    for (qsizetype i = 0; i < quads; ++i) {
        if (!quadAt(text, 4 * i, quad)) return std::nullopt;
        DecodeBase64Quad(quad, dst + 3 * i);
    }
    if (padded != 0) {
        if (!quadAt(text, 4 * quads, quad)) return std::nullopt;
        DecodeBase64Quad(quad, triple);
        for (qsizetype k = 0; k < padded; ++k) dst[3 * quads + k] = triple[k];
    }
    return out;
}

QString StripLineBreaks(QStringView text) {
    // Written through the buffer: appending one QChar at a time cost a quarter of a
    // text export's time on pages with pictures.
    QString out(text.size(), Qt::Uninitialized);
    QChar* end =
        std::remove_copy_if(text.begin(), text.end(), out.data(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    out.truncate(end - out.constData());
    return out;
}

}  // namespace sumire
