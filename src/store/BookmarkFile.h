#pragma once
// bookmark.txt: one record per line, the title and the address each inside
// double quotes, a comma between them, CR LF after them, in code page 932.
// No header, no count. Parsing and formatting are pure functions; the two
// file functions below do the reading and the atomic rewrite.

#include <QByteArray>
#include <QString>
#include <vector>

namespace sumire {

struct BookmarkRecord {
    QString title;
    QString address;
    // The bytes the record was read from in a code page 932 file; written
    // back as they were while they still read as this title and address.
    QByteArray raw = {};
    bool operator==(const BookmarkRecord& other) const { return title == other.title && address == other.address; }
};
using BookmarkRecords = std::vector<BookmarkRecord>;

// Outcome of reading or rewriting the file, or of a change to the store.
struct BookmarkResult {
    enum Status {
        Done,      // read, or changed and saved
        Rejected,  // nothing to do (no such bookmark); nothing was touched
        Failed,    // the file could not be read or saved; `error` says why
    };
    Status status = Done;
    QString error;  // a sentence for the user, set when Failed

    explicit operator bool() const { return status == Done; }
    static BookmarkResult failed(const QString& error) { return {Failed, error}; }
};

// The file's text as a stream of fields, taken two at a time (title,
// address). A field opened by a double quote runs to the next double quote,
// commas and line ends included, and whatever follows it up to the next comma
// or line end is skipped. Any other field runs to the next comma or line end,
// without the spaces around it. A line end (CR LF, CR or LF) ends a field as a
// comma does. Reading stops at the end of the text where a record would begin.
// Beyond the format's strict reading, which would fail on them: a line holding nothing but
// spaces gives no field, and a record cut off by the end of the text keeps
// what it has (a missing address reads as empty text).
BookmarkRecords parseBookmarkText(const QString& text);

// The whole file: every record on its own line in code page 932. The format
// has no escape for a double quote, so one inside a field is written as the
// full-width quote U+FF02, which keeps the file readable. A record that was
// read from the file and not changed is written as the bytes it was read
// from, byte for byte. A character code
// page 932 cannot encode is written as "?"; such a title or address does not
// read back as it was.
QByteArray formatBookmarkFile(const BookmarkRecords& records);

// A title or address as the file gives it back once written: with U+FF02 for
// every double quote and "?" for every character without a code.
QString bookmarkFieldAsWritten(const QString& field);

// The records of the file's bytes; in a code page 932 file each keeps the
// bytes it was read from.
BookmarkRecords parseBookmarkBytes(const QByteArray& bytes);

// Reads and parses the file. The bytes are decoded as code page 932 unless
// they are recognisably UTF-8. A missing file is no error: it reads as no
// records. A file that exists but cannot be read is Failed.
BookmarkResult readBookmarkFile(const QString& path, BookmarkRecords* records);

// Replaces the file with `records` at once: a failed save leaves the
// previous file as it was, byte for byte.
BookmarkResult saveBookmarkFile(const QString& path, const BookmarkRecords& records);

}  // namespace sumire
