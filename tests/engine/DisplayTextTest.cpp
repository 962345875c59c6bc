// The page's display text: the LCD's characters row by row, as DrawLcd lays
// them out for the whole page.

#include "display/DisplayText.h"
#include "display/PictographText.h"
#include "display/WholePage.h"
#include "support/FakeWindow.h"

#include <gtest/gtest.h>

namespace sumire {
namespace {

PageModel pageOf(const QString& lcdText, int width = 0) {
    PageModel m;
    m.setDisplayWidth(kDisplayWidths[width]);
    m.backRed = m.backGreen = m.backBlue = 255;
    m.lcdText = lcdText;
    return m;
}

QString textOf(const QString& lcdText, int width = 0, PictographFallback f = PictographFallback::Emoji) {
    test::FakeSlots pictures;
    return displayText(pageOf(lcdText, width), pictures, f);
}

TEST(DisplayText, BreaksLinesWhereTheLcdDoes) {
    EXPECT_EQ(textOf(""), "");
    EXPECT_EQ(textOf(QString(20, u'x')), QString(19, u'x') + "\n" + "x");
    EXPECT_EQ(textOf(QString(11, QChar(u'あ'))), QString(10, QChar(u'あ')) + "\n" + "あ");
    EXPECT_EQ(textOf(QString(11, QChar(u'あ')), 5),
              QString(5, QChar(u'あ')) + "\n" + QString(5, QChar(u'あ')) + "\nあ");
    // Line breaks: one for CR LF, one for a lone LF, blank lines kept, none at the end.
    EXPECT_EQ(textOf("ab\r\ncd\n\r\n\r\nef\r\n"), "ab\ncd\n\n\nef");
    EXPECT_EQ(textOf("\r\n\r\nab"), "\n\nab");
    // Only the second half of a double-byte character takes a line's last cell.
    EXPECT_EQ(textOf(QString(18, u'x') + "あb"), QString(18, u'x') + "あ\nb");
    EXPECT_EQ(textOf(QString(19, u'x') + "あ"), QString(19, u'x') + "\nあ");
}

TEST(DisplayText, LeavesMarkersOutAndKeepsTheirText) {
    EXPECT_EQ(textOf("a\x02red\x03"
                     "b"),
              "aredb");
    // Blinking text reads the same in both phases.
    PageModel m = pageOf(
        "x\x04"
        "blink\x05"
        "y");
    test::FakeSlots pictures;
    for (int phase : {0, 1}) {
        m.blinkPhase = phase;
        EXPECT_EQ(displayText(m, pictures, PictographFallback::Emoji), "xblinky") << phase;
    }
    // A carriage return after a blink marker takes a cell and prints nothing.
    EXPECT_EQ(textOf("a\x04\rb\x05\r\nc"), "a b\nc");
}

TEST(DisplayText, PicturesTakeTheirRowsAsEmptyLines) {
    test::FakeSlots pictures;
    // 1095 twips give three rows; the text goes on two rows below them,
    // after the character the marker's step takes with it.
    const PageModel m = pageOf(
        "a\x01"
        "0-b");
    EXPECT_EQ(displayText(m, pictures, PictographFallback::Emoji), "a\n\n\n\n\nb");
    EXPECT_EQ(pageRowCount(m, pictures), 6);
}

TEST(DisplayText, OverprintKeepsTheLaterCharacter) {
    EXPECT_EQ(textOf("abc\rX"), "Xbc");
    EXPECT_EQ(textOf("abcd\rXY\r\nz"), "XYcd\nz");
    // An unprinted character overprints nothing.
    EXPECT_EQ(textOf("abc\r\x04\x05"
                     "d"),
              "adc");
}

TEST(DisplayText, PictographsBecomeTheirEquivalents) {
    const QString page =
        QString(QChar(pictographChar(0))) + "a" + QChar(pictographChar(94)) + QChar(pictographChar(63));
    EXPECT_EQ(textOf(page), QString::fromUtf16(u"\u2764a\u203C\U0001F349"));
    EXPECT_EQ(textOf(page, 0, PictographFallback::Name), QStringLiteral("[ハート]a[!!][すいか]"));
    // Ten pictographs fill a line, whatever their text's length.
    QString eleven;
    for (int i = 0; i < 11; ++i) eleven += QChar(pictographChar(i));
    const QString text = textOf(eleven, 0, PictographFallback::Name);
    EXPECT_EQ(text.count(u'\n'), 1);
    EXPECT_TRUE(text.endsWith(QStringLiteral("\n[曇り]")));
}

TEST(DisplayText, OtherPrivateUseCharactersReadAsTheirCodes) {
    EXPECT_EQ(textOf(QString::fromUtf16(u"a\uE05F\uE800\uF8FFb")), "a[U+E05F][U+E800][U+F8FF]b");
}

TEST(DisplayText, SurrogatePairsStayWholeAcrossALineBreak) {
    const QString face = QString::fromUtf16(u"\U0001F600");
    EXPECT_EQ(textOf("a" + face + "b"), "a" + face + "b");
    // The halves take a cell each; here the line ends between them, and the
    // pair is drawn where its first half stands.
    EXPECT_EQ(textOf(QString(18, u'x') + face + "y"), QString(18, u'x') + face + "\n y");
    EXPECT_EQ(textOf(QString(1, QChar(0xD800)) + "a" + QChar(0xDC00)),
              QString(QChar::ReplacementCharacter) + "a" + QChar(QChar::ReplacementCharacter));
}

TEST(DisplayText, HasOneLineForEveryRowOfALongPage) {
    QString page;
    for (int i = 0; i < 300; ++i) page += QStringLiteral("row %1 ").arg(i) + QString(i % 40, u'-') + "\r\n";
    page += "end";
    for (int width = 0; width < int(kDisplayWidths.size()); ++width) {
        test::FakeSlots pictures;
        const PageModel m = pageOf(page, width);
        const QString text = displayText(m, pictures, PictographFallback::Emoji);
        EXPECT_EQ(text.count(u'\n') + 1, pageRowCount(m, pictures)) << width;
        EXPECT_TRUE(text.endsWith("\nend")) << width;
        EXPECT_EQ(QString(text).remove(u'\n'), QString(page).remove(u'\r').remove(u'\n')) << width;
    }
}

}  // namespace
}  // namespace sumire
