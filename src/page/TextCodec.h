#pragma once
// Bytes of pages, local files and bookmark.txt to text and back. Code page 932
// (Shift_JIS) unless the bytes are recognisably UTF-8 or UTF-16.

#include <QByteArray>
#include <QString>

namespace sumire {

// UTF-16 when the bytes begin with its byte order mark (little or big end
// first) and read as whole UTF-16 text; UTF-8 when they begin with a UTF-8 byte order mark, when `charset`
// names UTF-8, or when they are valid UTF-8 holding at least one multi-byte
// sequence; code page 932 otherwise. A BOM is not part of the text.
QString decodePageBytes(const QByteArray& bytes, const QString& charset = {});

// What the bytes are when they are no text page: "a PNG picture", "a BMP
// picture", "a JPEG picture", or "binary data" (a NUL byte in the first
// kilobyte); empty for text.
QString nonTextKind(const QByteArray& bytes);

QString decodeCp932(const QByteArray& bytes);
// Characters code page 932 cannot encode become '?'.
QByteArray encodeCp932(const QString& text);
bool canEncodeCp932(const QString& text);

}  // namespace sumire
