// The picture of the client area that `shot` writes: the LCD painted in the
// page's colours, text and pictographs in the text colour.

#include "OfflinePage.h"
#include "Pixels.h"
#include "ScriptRun.h"

#include <QImage>
#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

using test::countPixels;

TEST(Screenshot, LcdShowsThePageColoursAndAPictographInTheTextColour) {
    Sandbox box;
    const QString shot = box.path("lcd.png");
    QStringList lines = showOffline("<BODY=FF0000 BG=00C000>\r\n<#HEART>");
    lines += QStringList{"dump", "shot " + shot};
    const ScriptResult r = box.run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(drawOps(r.dump(0), "text").value(0), QJsonArray({"text", 400, 1000, 0xE000, 255}));

    QImage image(shot);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(634, 457));
    const QRgb green = qRgb(0, 0xC0, 0), red = qRgb(255, 0, 0), black = qRgb(0, 0, 0);
    // Inside the LCD, away from the text: the background colour.
    const QRect emptyPart(QPoint(30, 120), QPoint(155, 195));
    EXPECT_EQ(countPixels(image, emptyPart, green), emptyPart.width() * emptyPart.height());
    // The frame.
    EXPECT_EQ(countPixels(image, QRect(24, 64, 138, 1), black), 138);
    EXPECT_EQ(countPixels(image, QRect(161, 64, 1, 138), black), 138);
    // The heart: two cells wide (2 x 100 twips), one row high (200 twips), at (400, 1000) twips.
    const QRect cell(QPoint(27, 67), QPoint(39, 79));
    EXPECT_GT(countPixels(image, cell, red), 10);
    EXPECT_EQ(countPixels(image, cell.adjusted(-3, -3, 3, 3), red), countPixels(image, cell, red));
}

TEST(Screenshot, CharactersAreDrawnAtTheirCellsInTheirColours) {
    Sandbox box;
    const QString shot = box.path("text.png");
    QStringList lines = showOffline("<BODY=000000 BG=FFFFFF>\r\n<C=0000FF>WWWW</C>\r\n\r\n\r\nMMMM");
    lines << "shot " + shot;
    ASSERT_EQ(box.run(lines).exitCode, 0);
    QImage image(shot);
    ASSERT_FALSE(image.isNull());
    const QRgb blue = qRgb(0, 0, 255), black = qRgb(0, 0, 0);
    // Row 0 in blue, row 3 in black, nothing in between.
    EXPECT_GT(countPixels(image, QRect(26, 66, 30, 14), blue), 20);
    EXPECT_EQ(countPixels(image, QRect(26, 66, 30, 14), black), 0);
    EXPECT_EQ(countPixels(image, QRect(26, 82, 60, 24), blue) + countPixels(image, QRect(26, 82, 60, 24), black), 0);
    EXPECT_GT(countPixels(image, QRect(26, 106, 30, 14), black), 20);
}

// A character outside the 16-bit range arrives as two text operations, one
// per surrogate; the pair is drawn together as one character at the first
// one's place. Control characters draw nothing.
TEST(Screenshot, SurrogatePairIsOneCharacterAndControlCharactersDrawNothing) {
    Sandbox box;
    const QString shot = box.path("pair.png");
    QStringList lines = showOffline(QString::fromUtf16(u"\U00020B9F\t\x06\r\n\t\x7f"));
    lines += QStringList{"dump", "shot " + shot};
    const ScriptResult r = box.run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QList<QJsonArray> texts = drawOps(r.dump(0), "text");
    ASSERT_GE(texts.size(), 2);
    EXPECT_EQ(texts[0][3], QJsonValue(0xD842));
    EXPECT_EQ(texts[1][3], QJsonValue(0xDF9F));
    EXPECT_EQ(texts.size(), 6);  // the control characters are printed, and show nothing
    QImage image(shot);
    ASSERT_FALSE(image.isNull());
    const QRgb black = qRgb(0, 0, 0);
    EXPECT_GT(countPixels(image, QRect(26, 67, 13, 13), black), 15);  // the character, where its first half stands
    // Everything after it on the first row and all of the second row: no ink.
    EXPECT_EQ(countPixels(image, QRect(42, 66, 110, 28), black), 0);
}

}  // namespace
}  // namespace sumire::apptest
