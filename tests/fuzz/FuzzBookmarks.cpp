// Reading bookmark.txt from arbitrary bytes; what was read must write and
// read back to the same records.

#include "page/TextCodec.h"
#include "store/BookmarkFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sumire;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    BookmarkRecords records = parseBookmarkText(decodePageBytes(bytes));
    for (BookmarkRecord& r : records) {
        r.title = bookmarkFieldAsWritten(r.title);
        r.address = bookmarkFieldAsWritten(r.address);
    }
    const BookmarkRecords back = parseBookmarkText(decodePageBytes(formatBookmarkFile(records)));
    if (back != records) __builtin_trap();
    return 0;
}
