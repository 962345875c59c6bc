// The bookmark store: reading at start-up and the changes of the dialogs.

#include "store/BookmarkStore.h"

#include "TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::readFile;
using test::writeFile;

class BookmarkStoreTest : public test::BookmarkFolderTest {
protected:
    void SetUp() override {
        QObject::connect(&store, &BookmarkStore::bookmarksChanged, [this] { ++changes; });
    }
    // Writes `bytes` as the file and reads it into the store.
    void start(const QByteArray& bytes) {
        writeFile(path, bytes);
        ASSERT_TRUE(store.ReadBookmarkFile(path));
        changes = 0;
    }
    QByteArray fileBytes() const { return readFile(path); }

    BookmarkStore store;
    int changes = 0;
};

const QByteArray kABC = "\"A\",\"a\"\r\n\"B\",\"b\"\r\n\"C\",\"c\"\r\n";

TEST_F(BookmarkStoreTest, ReadsRecordsInFileOrder) {
    start(kABC);
    EXPECT_EQ(store.lastBookmark(), 2);
    EXPECT_EQ(store.bookmarkTitles(), (QStringList{"A", "B", "C"}));
    EXPECT_EQ(store.bookmarkAddresses(), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(store.bookmarkAddress(1), "b");
    EXPECT_EQ(store.bookmarkTitle(2), "C");
    EXPECT_EQ(store.bookmarkAddress(3), "");
    EXPECT_EQ(store.filePath(), path);
}

// Entries the user did not touch keep their bytes (undecodable ones, odd
// spacing, a bare line feed); only a changed entry is written anew.
TEST_F(BookmarkStoreTest, UntouchedEntriesAreWrittenBackByteForByte) {
    const QByteArray odd = "\"\x85\x40 \xEF\x40\",\"http://x/\xFD\xA0\"\r\n";
    const QByteArray spaced = "  \"spaced\" , \"http://s/\"\n";
    const QByteArray last = "\"last\",\"http://l/\"";  // no line end
    start(odd + spaced + last);
    ASSERT_TRUE(store.AddBookmark("new", "http://n/"));
    EXPECT_EQ(fileBytes(), odd + spaced + last + "\r\n\"new\",\"http://n/\"\r\n");
    ASSERT_TRUE(store.UpdateBookmark(1, "http://t/", "touched"));
    EXPECT_EQ(fileBytes(), odd + "\"touched\",\"http://t/\"\r\n" + last + "\r\n\"new\",\"http://n/\"\r\n");
    ASSERT_TRUE(store.DeleteBookmark(1));
    EXPECT_EQ(fileBytes(), odd + last + "\r\n\"new\",\"http://n/\"\r\n");
}

TEST_F(BookmarkStoreTest, EmptyOrMissingFileGivesNoBookmarks) {
    start("");
    EXPECT_EQ(store.lastBookmark(), -1);
    EXPECT_EQ(store.bookmarkAddress(0), "");

    BookmarkStore other;
    EXPECT_EQ(other.ReadBookmarkFile(dir.filePath("none.txt")).status, BookmarkResult::Done);
    EXPECT_EQ(other.lastBookmark(), -1);
    // The first bookmark creates the file.
    ASSERT_TRUE(other.AddBookmark("t", "u"));
    EXPECT_EQ(readFile(dir.filePath("none.txt")), QByteArray("\"t\",\"u\"\r\n"));
}

TEST_F(BookmarkStoreTest, AddKeepsEarlierLinesAndAppendsOne) {
    start(kABC);
    const BookmarkResult r = store.AddBookmark("新しい, ページ", "http://h/n");
    ASSERT_EQ(r.status, BookmarkResult::Done);
    EXPECT_TRUE(r.error.isEmpty());
    EXPECT_EQ(store.lastBookmark(), 3);
    EXPECT_EQ(store.bookmarkTitle(3), "新しい, ページ");
    EXPECT_EQ(fileBytes(), kABC + "\"\x90\x56\x82\xB5\x82\xA2, \x83\x79\x81\x5B\x83\x57\",\"http://h/n\"\r\n");
    EXPECT_EQ(changes, 1);
}

TEST_F(BookmarkStoreTest, AddToAnEmptyListMakesTheFirstBookmark) {
    start("");
    ASSERT_TRUE(store.AddBookmark("A", "a"));
    EXPECT_EQ(store.lastBookmark(), 0);
    EXPECT_EQ(fileBytes(), QByteArray("\"A\",\"a\"\r\n"));
}

TEST_F(BookmarkStoreTest, UpdateTakesAddressBeforeTitle) {
    start(kABC);
    ASSERT_TRUE(store.UpdateBookmark(2, "http://new/", "New"));
    EXPECT_EQ(store.bookmarkTitles(), (QStringList{"A", "B", "New"}));
    EXPECT_EQ(store.bookmarkAddresses(), (QStringList{"a", "b", "http://new/"}));
    EXPECT_EQ(fileBytes(), QByteArray("\"A\",\"a\"\r\n\"B\",\"b\"\r\n\"New\",\"http://new/\"\r\n"));
    // Empty texts are accepted.
    ASSERT_TRUE(store.UpdateBookmark(0, "", ""));
    EXPECT_EQ(fileBytes(), QByteArray("\"\",\"\"\r\n\"B\",\"b\"\r\n\"New\",\"http://new/\"\r\n"));
    EXPECT_EQ(changes, 2);
}

TEST_F(BookmarkStoreTest, DeleteMovesLaterBookmarksUp) {
    start(kABC);
    ASSERT_TRUE(store.DeleteBookmark(1));
    EXPECT_EQ(store.lastBookmark(), 1);
    EXPECT_EQ(store.bookmarkTitles(), (QStringList{"A", "C"}));
    EXPECT_EQ(store.bookmarkAddresses(), (QStringList{"a", "c"}));
    EXPECT_EQ(fileBytes(), QByteArray("\"A\",\"a\"\r\n\"C\",\"c\"\r\n"));
    ASSERT_TRUE(store.DeleteBookmark(1));
    ASSERT_TRUE(store.DeleteBookmark(0));
    EXPECT_EQ(store.lastBookmark(), -1);
    EXPECT_EQ(store.bookmarkAddress(0), "");
    EXPECT_EQ(fileBytes(), QByteArray());
    EXPECT_EQ(changes, 3);
}

// "No line selected" and "the list is empty" reach the store as an index
// outside the bookmarks: nothing is changed, not even the file's form.
TEST_F(BookmarkStoreTest, IndexOutsideTheBookmarksIsRejected) {
    const QByteArray handWritten = "A , a\r\n\"B\"junk,\"b\"\r\n";
    start(handWritten);
    for (int index : {-1, 2, 100, -32768}) {
        EXPECT_EQ(store.UpdateBookmark(index, "x", "y").status, BookmarkResult::Rejected) << index;
        EXPECT_EQ(store.DeleteBookmark(index).status, BookmarkResult::Rejected) << index;
    }
    EXPECT_FALSE(store.DeleteBookmark(2));
    EXPECT_EQ(store.bookmarkTitles(), (QStringList{"A", "B"}));
    EXPECT_EQ(store.bookmarkAddresses(), (QStringList{"a", "b"}));
    EXPECT_EQ(fileBytes(), handWritten);
    EXPECT_EQ(changes, 0);

    start("");
    EXPECT_EQ(store.DeleteBookmark(0).status, BookmarkResult::Rejected);
    EXPECT_EQ(store.UpdateBookmark(0, "x", "y").status, BookmarkResult::Rejected);
    EXPECT_EQ(store.lastBookmark(), -1);
    EXPECT_EQ(fileBytes(), QByteArray());
}

TEST_F(BookmarkStoreTest, WriteBookmarkFileWritesRecordsUpToLast) {
    start(kABC);
    ASSERT_TRUE(store.WriteBookmarkFile(1));
    EXPECT_EQ(fileBytes(), QByteArray("\"A\",\"a\"\r\n\"B\",\"b\"\r\n"));
    ASSERT_TRUE(store.WriteBookmarkFile(-1));
    EXPECT_EQ(fileBytes(), QByteArray());
    EXPECT_EQ(store.WriteBookmarkFile(3).status, BookmarkResult::Rejected);
    EXPECT_EQ(store.WriteBookmarkFile(-2).status, BookmarkResult::Rejected);
    EXPECT_EQ(fileBytes(), QByteArray());
    EXPECT_EQ(store.lastBookmark(), 2);  // writing changes no bookmark
}

TEST_F(BookmarkStoreTest, HoldsMoreThan101Bookmarks) {
    QByteArray bytes;
    for (int i = 0; i < 150; ++i) bytes += QString("\"t%1\",\"u%1\"\r\n").arg(i).toLatin1();
    start(bytes);
    EXPECT_EQ(store.lastBookmark(), 149);
    EXPECT_EQ(store.bookmarkAddress(149), "u149");
    ASSERT_TRUE(store.AddBookmark("t150", "u150"));
    EXPECT_EQ(fileBytes(), bytes + "\"t150\",\"u150\"\r\n");
    ASSERT_TRUE(store.DeleteBookmark(0));
    EXPECT_EQ(fileBytes(), bytes.mid(bytes.indexOf('\n') + 1) + "\"t150\",\"u150\"\r\n");
    EXPECT_EQ(store.lastBookmark(), 149);
}

// The store is re-read from its own file after every change and must hold
// what it held before: the file keeps every record whole.
TEST_F(BookmarkStoreTest, FileReadsBackAsTheStoreAfterEveryChange) {
    start("");
    auto matchesFile = [this] {
        BookmarkStore again;
        EXPECT_TRUE(again.ReadBookmarkFile(path));
        EXPECT_EQ(again.bookmarkTitles(), store.bookmarkTitles());
        EXPECT_EQ(again.bookmarkAddresses(), store.bookmarkAddresses());
    };
    ASSERT_TRUE(store.AddBookmark("引用 \"x\", y", "http://h/?q=\"1\""));
    ASSERT_TRUE(store.AddBookmark("ﾊﾝｶｸ😀", "/b"));
    EXPECT_EQ(store.bookmarkTitles(), (QStringList{"引用 ＂x＂, y", "ﾊﾝｶｸ?"}));
    EXPECT_EQ(store.bookmarkAddresses(), (QStringList{"http://h/?q=＂1＂", "/b"}));
    matchesFile();
    ASSERT_TRUE(store.UpdateBookmark(0, "a", " spaced title "));
    matchesFile();
    ASSERT_TRUE(store.AddBookmark("", ""));
    matchesFile();
    ASSERT_TRUE(store.DeleteBookmark(1));
    matchesFile();
}

TEST_F(BookmarkStoreTest, ReadReplacesWhatTheStoreHeld) {
    start(kABC);
    start("\"Z\",\"z\"\r\n");
    EXPECT_EQ(store.bookmarkTitles(), QStringList{"Z"});
    EXPECT_EQ(store.lastBookmark(), 0);
}

}  // namespace
}  // namespace sumire
