// Reading and saving bookmark.txt on disk.

#include "store/BookmarkFile.h"

#include "TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::readFile;
using test::writeFile;

using Records = BookmarkRecords;

using BookmarkFileTest = test::BookmarkFolderTest;

// A file as the format has always been written: code page 932, quoted fields,
// CR LF after every record.
TEST_F(BookmarkFileTest, ReadsAFileInTheOriginalForm) {
    writeFile(path,
              "\"\x83\x7A\x81\x5B\x83\x80\",\"http://www.example.ne.jp/\"\r\n"  // ホーム
              "\"\x93\xFA\x95\x74, \x8E\x9E\x8A\xD4\",\"/cgi/t?d=1,2\"\r\n"     // 日付, 時間
              "\"\xB6\xC5\",\"http://h/\xB6\xC5.txt\"\r\n");                    // ｶﾅ
    Records records;
    ASSERT_TRUE(readBookmarkFile(path, &records));
    EXPECT_EQ(
        records,
        (Records{{"ホーム", "http://www.example.ne.jp/"}, {"日付, 時間", "/cgi/t?d=1,2"}, {"ｶﾅ", "http://h/ｶﾅ.txt"}}));
}

TEST_F(BookmarkFileTest, ReadsUtf8WithOrWithoutByteOrderMark) {
    const Records expected{{"日本語", "http://h/"}};
    Records records;
    writeFile(path, "\"日本語\",\"http://h/\"\n");
    ASSERT_TRUE(readBookmarkFile(path, &records));
    EXPECT_EQ(records, expected);
    writeFile(path, "\xEF\xBB\xBF\"日本語\",\"http://h/\"\r\n");
    ASSERT_TRUE(readBookmarkFile(path, &records));
    EXPECT_EQ(records, expected);
}

TEST_F(BookmarkFileTest, MissingFileReadsAsNoRecords) {
    Records records{{"stale", "x"}};
    const BookmarkResult r = readBookmarkFile(path, &records);
    EXPECT_EQ(r.status, BookmarkResult::Done);
    EXPECT_TRUE(records.empty());
}

TEST_F(BookmarkFileTest, FolderInPlaceOfTheFileIsAReadFailure) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("bookmark.txt"));
    Records records;
    const BookmarkResult r = readBookmarkFile(path, &records);
    EXPECT_EQ(r.status, BookmarkResult::Failed);
    EXPECT_TRUE(r.error.contains(path));
    EXPECT_TRUE(records.empty());
}

TEST_F(BookmarkFileTest, SaveWritesTheFormatAndReadsBack) {
    const Records records{{"漢字", "http://h/a,b"}, {"ﾃｽﾄ \"q\"", ""}};
    ASSERT_TRUE(saveBookmarkFile(path, records));
    EXPECT_EQ(readFile(path), formatBookmarkFile(records));
    Records back;
    ASSERT_TRUE(readBookmarkFile(path, &back));
    EXPECT_EQ(back, (Records{{"漢字", "http://h/a,b"}, {"ﾃｽﾄ ＂q＂", ""}}));
    // Saving replaces the whole file, however long it was.
    ASSERT_TRUE(saveBookmarkFile(path, {{"x", "y"}}));
    EXPECT_EQ(readFile(path), QByteArray("\"x\",\"y\"\r\n"));
    ASSERT_TRUE(saveBookmarkFile(path, {}));
    EXPECT_EQ(readFile(path), QByteArray());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"bookmark.txt"});
}

// "ﾃｽ" is C3 BD in code page 932, which is also valid UTF-8 ("ý"): the file
// must still read back as written.
TEST_F(BookmarkFileTest, CodePage932ThatLooksLikeUtf8ReadsBackAsWritten) {
    const Records records{{"ﾃｽ", "ﾃｽ"}, {"ﾃｽﾃｽ", "x"}};
    ASSERT_TRUE(saveBookmarkFile(path, records));
    Records back;
    ASSERT_TRUE(readBookmarkFile(path, &back));
    EXPECT_EQ(back, records);
    // Files that read unambiguously are written exactly in the format.
    ASSERT_TRUE(saveBookmarkFile(path, {{"漢字", "a"}}));
    EXPECT_EQ(readFile(path), QByteArray("\"\x8a\xbf\x8e\x9a\",\"a\"\r\n"));
}

TEST_F(BookmarkFileTest, KeepsEveryRecordOfALongFile) {
    Records records;
    for (int i = 0; i < 250; ++i) records.push_back({QString("ページ%1").arg(i), QString("http://h/%1").arg(i)});
    ASSERT_TRUE(saveBookmarkFile(path, records));
    Records back;
    ASSERT_TRUE(readBookmarkFile(path, &back));
    EXPECT_EQ(back, records);
}

}  // namespace
}  // namespace sumire
