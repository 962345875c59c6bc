#include "store/BookmarkFile.h"

#include "page/TextCodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

namespace sumire {
namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kFullWidthQuote = u'\uFF02';

// Reads the fields of the file one after another.
class FieldReader {
public:
    explicit FieldReader(const QString& text) : text_(text) {}

    // Skips spaces and blank lines; false when only the end is left.
    bool moreFields() {
        for (;;) {
            skipSpaces();
            if (pos_ >= text_.size()) return false;
            if (!(atLineStart_ && lineEndAt(pos_))) return true;
            skipLineEnd();
        }
    }

    // The next field; empty text at the end.
    QString next() {
        if (!moreFields()) return {};
        QString field = text_[pos_] == kQuote ? quoted() : unquoted();
        endField();
        return field;
    }

    qsizetype pos() const { return pos_; }

private:
    bool lineEndAt(qsizetype i) const { return text_[i] == u'\r' || text_[i] == u'\n'; }
    bool delimiterAt(qsizetype i) const { return text_[i] == u',' || lineEndAt(i); }

    void skipSpaces() {
        while (pos_ < text_.size() && text_[pos_] == u' ') ++pos_;
    }
    void skipLineEnd() {
        if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n') ++pos_;
        ++pos_;
        atLineStart_ = true;
    }

    // From after the opening quote to the next quote; the rest up to the
    // delimiter is skipped.
    QString quoted() {
        const qsizetype start = pos_ + 1;
        qsizetype close = text_.indexOf(kQuote, start);
        if (close < 0) close = text_.size();
        pos_ = close + 1;
        while (pos_ < text_.size() && !delimiterAt(pos_)) ++pos_;
        return text_.sliced(start, close - start);
    }

    QString unquoted() {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && !delimiterAt(pos_)) ++pos_;
        QStringView field = QStringView(text_).sliced(start, pos_ - start);
        while (field.endsWith(u' ')) field.chop(1);
        return field.toString();
    }

    // Takes the comma or line end that ends a field.
    void endField() {
        if (pos_ >= text_.size()) return;
        if (text_[pos_] == u',') {
            ++pos_;
            atLineStart_ = false;
        } else {
            skipLineEnd();
        }
    }

    const QString& text_;
    qsizetype pos_ = 0;
    bool atLineStart_ = true;
};

QString writableField(QString field) { return field.replace(kQuote, kFullWidthQuote); }

// Code page 932 bytes read one byte a character: every byte that shapes the
// file (quote, comma, space, CR, LF) is below 0x40, where no second byte of a
// double-byte character lies, so the fields fall where they fall in the text
// and each record keeps the bytes it came from.
BookmarkRecords parseCp932Bytes(const QByteArray& bytes) {
    const QString latin1 = QString::fromLatin1(bytes);
    BookmarkRecords records;
    FieldReader reader(latin1);
    qsizetype start = 0;
    while (reader.moreFields()) {
        BookmarkRecord record;
        record.title = decodeCp932(reader.next().toLatin1());
        record.address = decodeCp932(reader.next().toLatin1());
        record.raw = bytes.mid(start, reader.pos() - start);
        start = reader.pos();
        records.push_back(std::move(record));
    }
    return records;
}

// The bytes a record was read from, while they still read as the record.
std::optional<QByteArray> untouchedBytes(const BookmarkRecord& r) {
    if (r.raw.isEmpty()) return std::nullopt;
    const BookmarkRecords again = parseCp932Bytes(r.raw);
    if (again.size() != 1 || !(again[0] == r)) return std::nullopt;
    QByteArray bytes = r.raw;
    if (!bytes.endsWith('\n') && !bytes.endsWith('\r')) bytes += "\r\n";
    return bytes;
}

QByteArray formattedRecord(const BookmarkRecord& r) {
    return encodeCp932(QLatin1Char('"') + writableField(r.title) + QLatin1Char('"')) +
           encodeCp932(QLatin1String(",\"") + writableField(r.address) + QLatin1String("\"\r\n"));
}

// Just past the first record's title when it is quoted; -1 otherwise.
qsizetype afterFirstTitle(const QByteArray& bytes) {
    qsizetype open = 0;
    while (open < bytes.size() && (bytes[open] == ' ' || bytes[open] == '\r' || bytes[open] == '\n')) ++open;
    if (open >= bytes.size() || bytes[open] != '"') return -1;
    const qsizetype close = bytes.indexOf('"', open + 1);
    return close < 0 ? -1 : close + 1;
}

}  // namespace

BookmarkRecords parseBookmarkText(const QString& text) {
    BookmarkRecords records;
    FieldReader reader(text);
    while (reader.moreFields()) {
        BookmarkRecord record;
        record.title = reader.next();
        record.address = reader.next();
        records.push_back(std::move(record));
    }
    return records;
}

QByteArray formatBookmarkFile(const BookmarkRecords& records) {
    QByteArray bytes;
    for (const BookmarkRecord& r : records) bytes += untouchedBytes(r).value_or(formattedRecord(r));
    // Some code page 932 text (pairs of half-width kana) is also valid UTF-8,
    // and the reader would take it for UTF-8. One byte that is no UTF-8 after
    // the first title's closing quote, where the format skips what it finds,
    // keeps such a file reading as code page 932.
    if (!records.empty() && decodePageBytes(bytes) != decodeCp932(bytes)) {
        const qsizetype afterTitle = afterFirstTitle(bytes);
        if (afterTitle >= 0) {
            bytes.insert(afterTitle, '\x80');
        } else {
            BookmarkRecords fresh = records;
            fresh[0].raw.clear();
            return formatBookmarkFile(fresh);
        }
    }
    return bytes;
}

BookmarkRecords parseBookmarkBytes(const QByteArray& bytes) {
    const QString text = decodePageBytes(bytes);
    if (text != decodeCp932(bytes)) return parseBookmarkText(text);
    return parseCp932Bytes(bytes);
}

QString bookmarkFieldAsWritten(const QString& field) { return decodeCp932(encodeCp932(writableField(field))); }

BookmarkResult readBookmarkFile(const QString& path, BookmarkRecords* records) {
    records->clear();
    QFile file(path);
    if (!file.exists()) return {};
    const bool folder = QFileInfo(path).isDir();
    if (folder || !file.open(QIODevice::ReadOnly)) {
        const QString reason =
            folder ? QCoreApplication::translate("sumire::BookmarkFile", "フォルダです") : file.errorString();
        return BookmarkResult::failed(
            QCoreApplication::translate("sumire::BookmarkFile", "ブックマークを読み込めませんでした（%1）: %2")
                .arg(path, reason));
    }
    *records = parseBookmarkBytes(file.readAll());
    return {};
}

BookmarkResult saveBookmarkFile(const QString& path, const BookmarkRecords& records) {
    // QSaveFile writes a temporary file beside the target and renames it over
    // the target in commit(). commit() itself ignores a failure of its last
    // flush (a short write at a file-size limit would replace the file with a
    // cut-off one), so the flush is checked here first.
    QSaveFile file(path);
    const QByteArray bytes = formatBookmarkFile(records);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit())
        return {};
    const QString reason = file.errorString();
    file.cancelWriting();
    return BookmarkResult::failed(
        QCoreApplication::translate("sumire::BookmarkFile", "ブックマークを保存できませんでした（%1）: %2")
            .arg(path, reason));
}

}  // namespace sumire
