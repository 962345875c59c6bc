#include "display/CellWidth.h"
#include "page/TextCodec.h"

#include <gtest/gtest.h>

namespace sumire {
namespace {

TEST(DecodePageBytes, CodePage932ByDefault) {
    const QByteArray sjis("\x83\x6e\x83\x8d\x81\x5b \x5c \xb1 \xf0\x40", 13);
    EXPECT_EQ(decodePageBytes(sjis), QString::fromUtf8("ハロー \\ ｱ \uE000"));
}

TEST(DecodePageBytes, Utf8WhenMarkedOrRecognisable) {
    const QByteArray utf8 = QString::fromUtf8("ハロー").toUtf8();
    EXPECT_EQ(decodePageBytes("\xEF\xBB\xBF" + utf8), QString::fromUtf8("ハロー"));
    EXPECT_EQ(decodePageBytes(utf8), QString::fromUtf8("ハロー"));
    EXPECT_EQ(decodePageBytes("plain", "UTF-8"), QString("plain"));
    // Valid UTF-8 that could also be code page 932: UTF-8 wins when it
    // holds a multi-byte sequence.
    EXPECT_EQ(decodePageBytes("caf\xc3\xa9"), QString::fromUtf8("café"));
}

TEST(DecodePageBytes, InvalidUtf8FallsBackToCodePage932) {
    // 0x82 0xa0 is "あ" in code page 932 and no UTF-8.
    EXPECT_EQ(decodePageBytes("\x82\xa0"), QString::fromUtf8("あ"));
    // An overlong form and a truncated sequence are no UTF-8 either.
    EXPECT_NE(decodePageBytes("\xc0\xaf"), QString("/"));
    EXPECT_EQ(decodePageBytes("A\xe3\x81").left(1), QString("A"));
}

TEST(EncodeCp932, RoundTripsAndMarksWhatItCannotEncode) {
    const QString text = QString::fromUtf8("ブックマーク,ｱｲｳ \\ \uE000");
    EXPECT_TRUE(canEncodeCp932(text));
    EXPECT_EQ(decodeCp932(encodeCp932(text)), text);
    EXPECT_FALSE(canEncodeCp932(QString::fromUtf8("한")));
    EXPECT_EQ(encodeCp932(QString::fromUtf8("a한b😀c")), QByteArray("a?b?c"));
}

TEST(CellWidth, FollowsCodePage932ByteCount) {
    EXPECT_EQ(cellWidth(u'A'), 1);
    EXPECT_EQ(cellWidth(u'\\'), 1);
    EXPECT_EQ(cellWidth(u'\r'), 1);
    EXPECT_EQ(cellWidth(1), 1);     // marker characters
    EXPECT_EQ(cellWidth(u'ｱ'), 1);  // half-width katakana
    EXPECT_EQ(cellWidth(u'ﾟ'), 1);
    EXPECT_EQ(cellWidth(u'あ'), 2);
    EXPECT_EQ(cellWidth(u'漢'), 2);
    EXPECT_EQ(cellWidth(u'Ａ'), 2);
    EXPECT_EQ(cellWidth(u'─'), 2);
    EXPECT_EQ(cellWidth(u'\uE000'), 2);  // pictographs
    EXPECT_EQ(cellWidth(u'\uE05E'), 2);
}

TEST(CellWidth, UnencodableCharactersByEastAsianWidth) {
    EXPECT_EQ(cellWidth(u'é'), 1);
    EXPECT_EQ(cellWidth(u'\u00A5'), 1);         // yen sign: narrow
    EXPECT_EQ(cellWidth(u'한'), 2);             // Hangul: wide
    EXPECT_EQ(cellWidth(u'\u4E02'), 2);         // a CJK ideograph outside the code page
    EXPECT_EQ(cellWidth(u'\uFF5F'), 2);         // fullwidth white parenthesis
    EXPECT_EQ(cellWidth(char16_t(0xD83D)), 1);  // each half of a surrogate pair
}

}  // namespace
}  // namespace sumire
