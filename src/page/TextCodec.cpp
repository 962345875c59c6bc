#include "page/TextCodec.h"

#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <optional>

namespace sumire {
namespace {

constexpr const char* kCp932 = "Shift_JIS";  // the converter maps it as code page 932

// Valid UTF-8 that holds at least one multi-byte sequence.
bool looksLikeUtf8(const QByteArray& bytes) {
    bool multiByte = false;
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra;
        uint32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else return false;
        if (i + extra >= n) return false;
        for (int k = 1; k <= extra; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        multiByte = true;
        i += extra + 1;
    }
    return multiByte;
}

// A UTF-16 page says so with its byte order mark, in either order; bytes
// that only begin like one (an odd count, a lone surrogate, a control no
// page holds) are not UTF-16.
std::optional<QString> utf16Text(const QByteArray& bytes) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::optional<QStringDecoder> decoder;
    if (bytes.startsWith("\xFF\xFE")) decoder.emplace(QStringDecoder::Utf16LE);
    else if (bytes.startsWith("\xFE\xFF")) decoder.emplace(QStringDecoder::Utf16BE);
    else return std::nullopt;
    const QString text = decoder->decode(bytes.mid(2));
    // No page holds a NUL or a C1 control; broken bytes that decode to one
    // are read as code page 932.
    const bool stray = std::any_of(text.cbegin(), text.cend(), [](QChar c) {
        return c.unicode() == 0 || (c.unicode() >= 0x80 && c.unicode() <= 0x9F);
    });
    if (decoder->hasError() || stray) return std::nullopt;
    return text;
}

}  // namespace

QString decodeCp932(const QByteArray& bytes) {
    QStringDecoder decoder(kCp932);
    return decoder.decode(bytes);
}

QString decodePageBytes(const QByteArray& bytes, const QString& charset) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
    if (const std::optional<QString> text = utf16Text(bytes)) return *text;
    const QString cs = charset.trimmed().toLower();
    if (cs == u"utf-8" || cs == u"utf8" || looksLikeUtf8(bytes)) return QString::fromUtf8(bytes);
    return decodeCp932(bytes);
}

QByteArray encodeCp932(const QString& text) {
    QStringEncoder whole(kCp932);
    QByteArray all = whole.encode(text);
    if (!whole.hasError()) return all;
    // Some character has no code: encode one at a time so that only it
    // becomes "?".
    QByteArray out;
    out.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder one(kCp932);
        QByteArray b = one.encode(QStringView(text).sliced(i, len));
        out += one.hasError() ? QByteArray("?") : b;
        i += len - 1;
    }
    return out;
}

bool canEncodeCp932(const QString& text) {
    QStringEncoder encoder(kCp932);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}

namespace {

// "BM", then reserved zeros and a known header size: not a line of text
// that happens to begin with "BM".
bool isBmp(const QByteArray& b) {
    if (!b.startsWith("BM") || b.size() < 18 || b.mid(6, 4) != QByteArray(4, '\0')) return false;
    const int header = uchar(b[14]) | uchar(b[15]) << 8;
    constexpr std::array<int, 7> kHeaderSizes{12, 40, 52, 56, 64, 108, 124};
    return b.mid(16, 2) == QByteArray(2, '\0') &&
           std::find(kHeaderSizes.begin(), kHeaderSizes.end(), header) != kHeaderSizes.end();
}

}  // namespace

QString nonTextKind(const QByteArray& bytes) {
    if (bytes.startsWith("\x89PNG\r\n\x1a\n")) return QStringLiteral("a PNG picture");
    if (isBmp(bytes)) return QStringLiteral("a BMP picture");
    if (bytes.startsWith("\xff\xd8\xff")) return QStringLiteral("a JPEG picture");
    if (bytes.left(1024).contains('\0')) return QStringLiteral("binary data");
    return {};
}

}  // namespace sumire
