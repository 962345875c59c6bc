#include "store/BookmarkStore.h"

#include <QCoreApplication>
#include <utility>
#include <vector>

namespace sumire {

BookmarkStore::BookmarkStore(QObject* parent) : QObject(parent) {}

BookmarkResult BookmarkStore::ReadBookmarkFile(const QString& path) {
    path_ = path;
    BookmarkRecords records;
    BookmarkResult result = readBookmarkFile(path, &records);
    readError_ = result ? QString() : result.error;
    asRead_ = records;
    titles_.clear();
    addresses_.clear();
    for (const BookmarkRecord& r : records) {
        titles_ << r.title;
        addresses_ << r.address;
    }
    emit bookmarksChanged();
    return result;
}

BookmarkResult BookmarkStore::WriteBookmarkFile(int last) {
    if (last < -1 || last > lastBookmark()) return {BookmarkResult::Rejected, {}};
    return save(last);
}

BookmarkResult BookmarkStore::save(int last) {
    // Overwriting a file that could not be read would lose its bookmarks.
    if (!readError_.isEmpty())
        return BookmarkResult::failed(
            readError_ + QCoreApplication::translate("sumire::BookmarkFile", "\nブックマークは変更していません。"));
    // A bookmark the user did not change keeps the bytes it was read from.
    std::vector<bool> used(asRead_.size(), false);
    BookmarkRecords records;
    for (int i = 0; i <= last; ++i) {
        BookmarkRecord record{titles_[i], addresses_[i]};
        for (size_t k = 0; k < asRead_.size() && record.raw.isEmpty(); ++k) {
            if (used[k] || !(asRead_[k] == record)) continue;
            used[k] = true;
            record.raw = asRead_[k].raw;
        }
        records.push_back(std::move(record));
    }
    BookmarkResult saved = saveBookmarkFile(path_, records);
    if (saved) asRead_ = std::move(records);
    return saved;
}

BookmarkResult BookmarkStore::changed(BookmarkResult saved) {
    if (saved) emit bookmarksChanged();
    return saved;
}

BookmarkResult BookmarkStore::AddBookmark(const QString& title, const QString& address) {
    titles_ << bookmarkFieldAsWritten(title);
    addresses_ << bookmarkFieldAsWritten(address);
    BookmarkResult saved = save(lastBookmark());
    if (!saved) {
        titles_.removeLast();
        addresses_.removeLast();
    }
    return changed(saved);
}

BookmarkResult BookmarkStore::UpdateBookmark(int index, const QString& address, const QString& title) {
    if (!valid(index)) return {BookmarkResult::Rejected, {}};
    const QString oldTitle = std::exchange(titles_[index], bookmarkFieldAsWritten(title));
    const QString oldAddress = std::exchange(addresses_[index], bookmarkFieldAsWritten(address));
    BookmarkResult saved = save(lastBookmark());
    if (!saved) {
        titles_[index] = oldTitle;
        addresses_[index] = oldAddress;
    }
    return changed(saved);
}

BookmarkResult BookmarkStore::DeleteBookmark(int index) {
    if (!valid(index)) return {BookmarkResult::Rejected, {}};
    const QString title = titles_.takeAt(index);
    const QString address = addresses_.takeAt(index);
    BookmarkResult saved = save(lastBookmark());
    if (!saved) {
        titles_.insert(index, title);
        addresses_.insert(index, address);
    }
    return changed(saved);
}

}  // namespace sumire
