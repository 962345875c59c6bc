// Text export: the rows as the LCD breaks them, pictographs as text, the
// sender and title first and the links last.

#include "ExportFiles.h"
#include "display/EmojiTags.h"
#include "display/PictographText.h"

#include <gtest/gtest.h>

namespace sumire {
namespace {

using namespace exporttest;

QStringList exportText(const QByteArray& page, PictographFallback fallback = PictographFallback::Emoji,
                       int width = 20) {
    QTemporaryDir dir;
    writeFile(dir.filePath("in/page.txt"), page);
    ExportOptions o;
    o.pages = {dir.filePath("in/page.txt")};
    o.out = dir.filePath("out");
    o.text = true;
    o.fallback = fallback;
    o.width = width;
    const ExportRun run = exportPages(o);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return readText(dir.filePath("out/page.txt")).split(u'\n');
}

QByteArray allTags() {
    QByteArray page;
    for (int c = 0; c < kEmojiCount; ++c) page += QByteArray("<#") + kEmojiNames[c] + ">\r\n";
    return page;
}

TEST(TextExport, EveryTagGivesItsUnicodeEquivalentOrItsName) {
    const QStringList emoji = exportText(allTags());
    const QStringList names = exportText(allTags(), PictographFallback::Name);
    // Two header lines and an empty one, then one row a tag.
    ASSERT_GE(emoji.size(), 3 + kEmojiCount);
    ASSERT_GE(names.size(), 3 + kEmojiCount);
    for (int c = 0; c < kEmojiCount; ++c) {
        const PictographEquivalent& p = pictographEquivalent(c);
        ASSERT_FALSE(p.unicode.isEmpty()) << c;
        EXPECT_EQ(emoji[3 + c], p.unicode) << c;
        EXPECT_EQ(names[3 + c], u'[' + p.name + u']') << c;
    }
}

TEST(TextExport, RowsBreakWhereTheLcdBreaksThem) {
    // 19 half-width characters fill a row at width 20; ten full-width ones do.
    const QStringList rows = exportText(QByteArray(25, 'a') + "\r\n" + QString(12, QChar(0x3042)).toUtf8() + "\r\nz");
    ASSERT_GE(rows.size(), 8);
    EXPECT_EQ(rows[3], QString(19, u'a'));
    EXPECT_EQ(rows[4], QString(6, u'a'));
    EXPECT_EQ(rows[5], QString(10, QChar(0x3042)));
    EXPECT_EQ(rows[6], QString(2, QChar(0x3042)));
    EXPECT_EQ(rows[7], u"z");
    // The narrowest width holds 9 half-width characters a row.
    const QStringList narrow = exportText(QByteArray(12, 'b'), PictographFallback::Emoji, 10);
    EXPECT_EQ(narrow[3], QString(9, u'b'));
    EXPECT_EQ(narrow[4], QString(3, u'b'));
}

TEST(TextExport, SenderAndTitleFirstLinksLast) {
    const QStringList lines = exportText(
        "From: \x82\xb7\x82\xdd\x82\xea http://sumire.example/\r\nSubject: hello\r\nSEL=1;http://a.example/x.txt>\r\n\r\n"
        "SEL=2;http://b.example/y.txt>\r\nbody\r\n");
    ASSERT_GE(lines.size(), 7);
    EXPECT_EQ(lines[0], QStringLiteral("アドレス: http://sumire.example/"));
    EXPECT_EQ(lines[1], QStringLiteral("タイトル: hello"));
    EXPECT_EQ(lines[3], u"body");
    const QStringList tail = lines.mid(lines.size() - 3);
    EXPECT_EQ(tail, (QStringList{"1: http://a.example/x.txt", "2: http://b.example/y.txt", ""}));
}

}  // namespace
}  // namespace sumire
