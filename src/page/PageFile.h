#pragma once
// A page file as every part of the program opens it: read whole, decoded as a
// fetched page is, its "{BASE}" placeholders replaced by the file's folder.

#include "page/LocalRead.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace sumire {

struct PageFileText {
    std::optional<QString> text;
    QString error;  // why the file could not be read
    ReadFailure failure = ReadFailure::None;
    QString detail = {};  // the reason alone, for callers that word it themselves
};

PageFileText readPageFile(const QString& path, qint64 maxBytes = kMaxPageBytes);

// The sample pages write every link target as "{BASE}/page.txt"; these put
// the site's address or folder in its place.
inline constexpr char kBasePlaceholder[] = "{BASE}";
// Shift_JIS bytes: a placeholder is matched on character boundaries only, so
// the second byte of a double-byte character never starts one.
QByteArray replaceBaseInBytes(const QByteArray& page, const QByteArray& base);
QString replaceBase(const QString& pageText, const QString& base);
// A page's folder as it is written in the page's path ("samples/index.txt"
// gives "samples", "index.txt" gives ".").
QString pageFolder(const QString& pagePath);

}  // namespace sumire
