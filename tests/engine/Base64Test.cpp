#include "page/Base64.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace sumire {
namespace {

QByteArray decoded(const QString& text) {
    const auto r = DecodeBase64(text);
    EXPECT_TRUE(r.has_value()) << text.toStdString();
    return r.value_or(QByteArray("<failed>"));
}

TEST(DecodeBase64, PaddingDecidesTheLastQuadsBytes) {
    EXPECT_EQ(decoded("QUJD"), QByteArray("ABC"));
    EXPECT_EQ(decoded("QUI="), QByteArray("AB"));
    EXPECT_EQ(decoded("QQ=="), QByteArray("A"));
    // Three bytes from the first quad, one from the padded second.
    EXPECT_EQ(decoded("QUJDRA=="), QByteArray("ABCD"));
}

TEST(DecodeBase64, FailsWithoutResult) {
    EXPECT_FALSE(DecodeBase64(u"").has_value());
    EXPECT_FALSE(DecodeBase64(u"QUJ").has_value());  // shorter than one quad, no padding
    EXPECT_FALSE(DecodeBase64(u"QU\nJD").has_value());
    EXPECT_FALSE(DecodeBase64(u"QUJD\r\nQUJD").has_value());
    EXPECT_FALSE(DecodeBase64(u"QU D").has_value());
    EXPECT_FALSE(DecodeBase64(u"QUJ\u00e9").has_value());
}

TEST(DecodeBase64, OwnRulesForEqualsSignsAndLeftovers) {
    // "=" inside the text counts as value 0.
    EXPECT_EQ(decoded("QQ==QUJD"), QByteArray("A\0\0ABC", 6));
    // Characters after the last full quad are not looked at, even invalid ones.
    EXPECT_EQ(decoded("QUJDQ!"), QByteArray("ABC"));
    // One "=" on a length that is no multiple of four: 3g + 2 bytes, the last
    // quad read up to the text's end with missing positions counted as 0.
    EXPECT_EQ(decoded("QUJDQUI="), QByteArray("ABCAB"));
    EXPECT_EQ(decoded("QUJDQU="), QByteArray("ABCA@"));
    EXPECT_EQ(decoded("="), QByteArray(2, '\0'));
}

TEST(DecodeBase64, AgreesWithAStandardEncoderOnRandomBytes) {
    QRandomGenerator random(20261208);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes(int(random.bounded(1, 700)), Qt::Uninitialized);
        for (char& b : bytes) b = char(random.bounded(256));
        const QString text = QString::fromLatin1(bytes.toBase64());
        ASSERT_EQ(decoded(text), bytes) << "round " << round;
    }
}

TEST(DecodeBase64Quad, PacksFourSixBitValues) {
    const uint8_t quad[4] = {63, 0, 63, 0};
    uint8_t triple[3];
    DecodeBase64Quad(quad, triple);
    EXPECT_EQ(triple[0], 0xFC);
    EXPECT_EQ(triple[1], 0x0F);
    EXPECT_EQ(triple[2], 0xC0);
}

TEST(StripLineBreaks, RemovesOnlyCarriageReturnsAndLineFeeds) {
    EXPECT_EQ(StripLineBreaks(u"QU\r\nJD\n\rQ Q\t"), QString("QUJDQ Q\t"));
    const QString longText = QString("QUJD\r\n").repeated(20000);
    EXPECT_EQ(StripLineBreaks(longText), QString("QUJD").repeated(20000));
}

}  // namespace
}  // namespace sumire
