// Parsing and formatting of bookmark.txt, without files.

#include "page/TextCodec.h"
#include "store/BookmarkFile.h"

#include <gtest/gtest.h>

namespace sumire {

void PrintTo(const BookmarkRecord& r, std::ostream* os) {
    *os << "{\"" << r.title.toStdString() << "\", \"" << r.address.toStdString() << "\"}";
}

namespace {

using Records = BookmarkRecords;

Records parse(const char* utf8) { return parseBookmarkText(QString::fromUtf8(utf8)); }

TEST(BookmarkParse, QuotedFieldRunsToNextQuoteAndHoldsCommas) {
    EXPECT_EQ(parse("\"A, B and C\",\"http://h/x?a=1,2\"\r\n"), (Records{{"A, B and C", "http://h/x?a=1,2"}}));
    // Spaces inside quotes are kept; the field may span a line end.
    EXPECT_EQ(parse("\" t \",\"a\r\nb\"\r\n"), (Records{{" t ", "a\r\nb"}}));
}

TEST(BookmarkParse, SkipsWhatFollowsAClosingQuoteUpToCommaOrLineEnd) {
    EXPECT_EQ(parse("\"t\" junk, \"a\"x\"y\r\n\"u\"z,\"b\""), (Records{{"t", "a"}, {"u", "b"}}));
}

TEST(BookmarkParse, UnquotedFieldRunsToCommaOrLineEndWithoutOuterSpaces) {
    EXPECT_EQ(parse("  my page  ,  /x/y z  \r\n"), (Records{{"my page", "/x/y z"}}));
    // Spaces before an opening quote are dropped too.
    EXPECT_EQ(parse("   \"q\" ,  \"r\""), (Records{{"q", "r"}}));
    EXPECT_EQ(parse(",\r\n\"\",\"\"\r\n"), (Records{{"", ""}, {"", ""}}));
}

TEST(BookmarkParse, LineEndSeparatesFieldsLikeAComma) {
    const Records one{{"title", "address"}};
    EXPECT_EQ(parse("\"title\"\r\n\"address\"\r\n"), one);
    EXPECT_EQ(parse("title\naddress\n"), one);
    EXPECT_EQ(parse("title\raddress\r"), one);
    // Two records on one line are still two records.
    EXPECT_EQ(parse("\"a\",\"b\",\"c\",\"d\"\r\n"), (Records{{"a", "b"}, {"c", "d"}}));
}

TEST(BookmarkParse, StopsAtTheEndWhereARecordWouldBegin) {
    EXPECT_TRUE(parse("").empty());
    EXPECT_TRUE(parse("   ").empty());
    EXPECT_EQ(parse("\"a\",\"b\"\r\n"), (Records{{"a", "b"}}));
    EXPECT_EQ(parse("\"a\",\"b\""), (Records{{"a", "b"}}));
    EXPECT_EQ(parse("\"a\",\"b\"\r\n   "), (Records{{"a", "b"}}));
}

TEST(BookmarkParse, BlankLinesGiveNoField) {
    EXPECT_TRUE(parse("\r\n\r\n").empty());
    EXPECT_EQ(parse("\r\n\"a\",\"b\"\r\n\r\n   \r\n\n\"c\",\"d\"\r\n\r\n"), (Records{{"a", "b"}, {"c", "d"}}));
    // Also between the title line and the address line.
    EXPECT_EQ(parse("\"a\"\r\n\r\n\"b\"\r\n"), (Records{{"a", "b"}}));
}

TEST(BookmarkParse, RecordCutOffByTheEndKeepsWhatItHas) {
    const Records expected{{"a", "b"}, {"c", ""}};
    EXPECT_EQ(parse("\"a\",\"b\"\r\n\"c\""), expected);
    EXPECT_EQ(parse("\"a\",\"b\"\r\n\"c\"\r\n"), expected);
    EXPECT_EQ(parse("\"a\",\"b\"\r\n\"c\","), expected);
    EXPECT_EQ(parse("\"a\",\"b\"\r\nc"), expected);
    // An unclosed quote runs to the end of the text.
    EXPECT_EQ(parse("\"a\",\"b\r\n"), (Records{{"a", "b\r\n"}}));
    EXPECT_EQ(parse("\"a"), (Records{{"a", ""}}));
}

TEST(BookmarkFormat, WritesQuotedRecordsInCodePage932WithCrLf) {
    const Records records{{"日本", "http://h/ｱﾃｽ"}, {"a, b", ""}};
    EXPECT_EQ(formatBookmarkFile(records), QByteArray("\"\x93\xFA\x96\x7B\",\"http://h/\xB1\xC3\xBD\"\r\n"
                                                      "\"a, b\",\"\"\r\n"));
    EXPECT_TRUE(formatBookmarkFile({}).isEmpty());
}

TEST(BookmarkFormat, DoubleQuoteIsWrittenAsFullWidthQuote) {
    const QByteArray bytes = formatBookmarkFile({{"say \"hi\"", "http://h/?q=\"x\""}, {"n", "m"}});
    EXPECT_EQ(bytes, QByteArray("\"say \xFA\x57hi\xFA\x57\",\"http://h/?q=\xFA\x57x\xFA\x57\"\r\n"
                                "\"n\",\"m\"\r\n"));
    EXPECT_EQ(parseBookmarkText(decodePageBytes(bytes)), (Records{{"say ＂hi＂", "http://h/?q=＂x＂"}, {"n", "m"}}));
}

TEST(BookmarkFormat, CharacterWithoutCodeIsWrittenAsQuestionMark) {
    EXPECT_EQ(formatBookmarkFile({{"a😀b", "한"}}), QByteArray("\"a?b\",\"?\"\r\n"));
}

TEST(BookmarkFormat, RoundTripsThroughCodePage932) {
    const Records records{
        {"漢字のページ", "http://example.jp/漢字/"},
        {"ｱｲｳｴｵ ｶﾞｷﾞ", "/hlink/ｶﾅ.txt"},
        {"title, with, commas", "http://h/?a=1,b=2"},
        {"  spaces kept  ", ""},
        {"", "/only/address"},
        {"記号「」・ー～①", "mailto:a@b"},
    };
    const QByteArray bytes = formatBookmarkFile(records);
    EXPECT_EQ(parseBookmarkText(decodeCp932(bytes)), records);
    EXPECT_EQ(parseBookmarkText(decodePageBytes(bytes)), records);
    EXPECT_EQ(formatBookmarkFile(parseBookmarkText(decodePageBytes(bytes))), bytes);
}

}  // namespace
}  // namespace sumire
