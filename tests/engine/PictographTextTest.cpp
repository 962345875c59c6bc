// The pictographs' characters follow the handsets' Shift_JIS codes, and every
// pictograph has a Unicode character and a text for copies and exports.

#include "display/EmojiTags.h"
#include "display/PictographText.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QStringList>
#include <gtest/gtest.h>

namespace sumire {
namespace {

// The handsets' two bytes for pictograph `code`: F040 + code, the trail byte
// skipping 0x7F as every Shift_JIS trail byte does.
QByteArray handsetBytes(int code) {
    const int trail = 0x40 + code + (code >= 0x3F ? 1 : 0);
    return QByteArray{"\xF0"} + char(trail);
}

TEST(PictographCharacters, AreWhatCodePage932ReadsFromTheHandsetsBytes) {
    for (int code = 0; code < kPictographCount; ++code) {
        const QString decoded = QStringDecoder("Shift_JIS").decode(handsetBytes(code));
        ASSERT_EQ(decoded.size(), 1) << code;
        EXPECT_EQ(decoded[0].unicode(), pictographChar(code)) << code;
        EXPECT_EQ(pictographCode(pictographChar(code)), code);
    }
    EXPECT_EQ(handsetBytes(63), QByteArray("\xF0\x80"));  // SUIKA
    EXPECT_EQ(pictographChar(63), u'\uE03F');
    EXPECT_EQ(pictographChar(94), u'\uE05E');  // <#!!>
    EXPECT_EQ(pictographCode(u'\uE05F'), -1);
    EXPECT_EQ(pictographCode(char16_t(0xDFFF)), -1);
    EXPECT_EQ(pictographCode(u'\uF8FF'), -1);
    EXPECT_EQ(pictographCode(u'A'), -1);
    EXPECT_EQ(pictographChar(-1), 0);
    EXPECT_EQ(pictographChar(95), 0);
}

// Private use in the Basic Multilingual Plane or in planes 15 and 16.
bool hasPrivateUse(const QString& s) {
    for (char32_t u : s.toUcs4())
        if ((u >= 0xE000 && u <= 0xF8FF) || u >= 0xF0000) return true;
    return false;
}

TEST(PictographEquivalents, EveryTagHasACharacterAndATextInTagOrder) {
    QSet<QString> characters;
    for (int code = 0; code < kPictographCount; ++code) {
        const PictographEquivalent& e = pictographEquivalent(code);
        EXPECT_EQ(e.tag, QStringLiteral("<#%1>").arg(QLatin1String(kEmojiNames[code]))) << code;
        EXPECT_EQ(emojiTagAt(e.tag, 0), code);
        EXPECT_FALSE(e.unicode.isEmpty()) << code;
        EXPECT_FALSE(hasPrivateUse(e.unicode)) << code;
        EXPECT_TRUE(e.unicode.isValidUtf16()) << code;
        EXPECT_FALSE(e.name.trimmed().isEmpty()) << code;
        EXPECT_FALSE(e.name.contains(u'[') || e.name.contains(u']') || e.name.contains(u'\t')) << code;
        EXPECT_FALSE(hasPrivateUse(e.name)) << code;
        characters.insert(e.unicode);
    }
    // Pictographs of their own look get characters of their own.
    EXPECT_EQ(characters.size(), kPictographCount);
    EXPECT_TRUE(pictographEquivalent(95).tag.isEmpty());
    EXPECT_TRUE(pictographEquivalent(-1).unicode.isEmpty());
}

TEST(PictographEquivalents, FollowTheHandsetsNames) {
    EXPECT_EQ(pictographEquivalent(0).unicode, QString::fromUtf16(u"\u2764"));  // HEART
    EXPECT_EQ(pictographEquivalent(0).name, QStringLiteral("ハート"));
    EXPECT_EQ(pictographEquivalent(18).unicode, QString::fromUtf16(u"\U0001F3CD"));  // BIKE: a motorcycle
    EXPECT_EQ(pictographEquivalent(57).unicode, QString::fromUtf16(u"\U0001F4A6"));  // AUAU: sweat
    EXPECT_EQ(pictographEquivalent(64).unicode, QString::fromUtf16(u"\U0001F367"));  // ICE: shaved ice
    EXPECT_EQ(pictographEquivalent(82).unicode, QString::fromUtf16(u"\U0001F6AA"));  // DOOR
    EXPECT_EQ(pictographEquivalent(94).unicode, QString::fromUtf16(u"\u203C"));      // !!
}

// The table's code-point column says in words what its character column
// holds, so a character lost or changed in an edit shows up here.
TEST(PictographEquivalents, TableFileRowsAgreeWithTheirCodePoints) {
    QFile file(SUMIRE_SOURCE_DIR "/src/display/pictograph-equivalents.tsv");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    int rows = 0;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u"code\t")) continue;
        const QStringList f = line.split(u'\t');
        ASSERT_EQ(f.size(), 5) << line.toStdString();
        EXPECT_EQ(f[0].toInt(), rows);
        QStringList points;
        for (char32_t u : f[2].toUcs4()) points << QStringLiteral("U+%1").arg(uint(u), 4, 16, QChar(u'0')).toUpper();
        EXPECT_EQ(points.join(u' '), f[3]) << line.toStdString();
        ++rows;
    }
    EXPECT_EQ(rows, kPictographCount);
}

TEST(PictographEquivalents, UnknownPrivateUseCharactersReadAsTheirCode) {
    EXPECT_EQ(unknownPictographText(u'\uE800'), QStringLiteral("[U+E800]"));
    EXPECT_EQ(unknownPictographText(u'\uE0a0'), QStringLiteral("[U+E0A0]"));
    EXPECT_TRUE(isPrivateUse(u'\uE000') && isPrivateUse(u'\uF8FF'));
    EXPECT_FALSE(isPrivateUse(char16_t(0xDFFF)) || isPrivateUse(u'\uF900'));
}

}  // namespace
}  // namespace sumire
