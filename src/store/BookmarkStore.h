#pragma once
// The program-wide bookmark store: bookmarks 0 to lastBookmark() in file
// order, read once from bookmark.txt and kept equal to it. Every change
// rewrites the whole file at once; when the file cannot be saved the change is
// undone, so what the menu shows is always what the file holds, and the
// caller gets the reason to tell the user.

#include "store/BookmarkFile.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace sumire {

class BookmarkStore : public QObject {
    Q_OBJECT
public:
    explicit BookmarkStore(QObject* parent = nullptr);

    // Replaces the store with the records of the file at `path`, which every
    // later change rewrites. A missing file gives an empty store. A file that
    // exists but cannot be read also leaves the store empty, and every change
    // then fails rather than overwrite the bookmarks it holds.
    BookmarkResult ReadBookmarkFile(const QString& path = QStringLiteral("bookmark.txt"));

    // Rewrites the file with bookmarks 0 to `last` (-1: an empty file).
    // Rejected when `last` lies outside -1 to lastBookmark().
    BookmarkResult WriteBookmarkFile(int last);

    // The changes keep a title or address as the file will give it back (see
    // bookmarkFieldAsWritten), so the menu shows what the next start shows.

    // Adds a bookmark after the last one.
    BookmarkResult AddBookmark(const QString& title, const QString& address);
    // Note the order: the address before the title. Empty texts are accepted.
    BookmarkResult UpdateBookmark(int index, const QString& address, const QString& title);
    // Later bookmarks move up by one.
    BookmarkResult DeleteBookmark(int index);
    // Update and Delete are Rejected for an index outside 0 to lastBookmark(),
    // which is how "no line selected" and "the list is empty" arrive.

    const QStringList& bookmarkTitles() const { return titles_; }
    const QStringList& bookmarkAddresses() const { return addresses_; }
    int lastBookmark() const { return int(titles_.size()) - 1; }
    // Empty text outside 0 to lastBookmark(), like an entry never filled.
    QString bookmarkTitle(int index) const { return valid(index) ? titles_[index] : QString(); }
    QString bookmarkAddress(int index) const { return valid(index) ? addresses_[index] : QString(); }
    const QString& filePath() const { return path_; }

signals:
    // After the store was read or changed and saved; the menu follows it.
    void bookmarksChanged();

private:
    bool valid(int index) const { return index >= 0 && index <= lastBookmark(); }
    BookmarkResult save(int last);
    BookmarkResult changed(BookmarkResult saved);

    QStringList titles_;
    QStringList addresses_;
    QString path_ = QStringLiteral("bookmark.txt");
    QString readError_;       // set when the file existed but could not be read
    BookmarkRecords asRead_;  // the records in the file, with the bytes each was read from
};

}  // namespace sumire
