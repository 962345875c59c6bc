#pragma once
// Reading the lines of an automation script: words and escaped text.

#include <QString>
#include <optional>
#include <utility>

namespace sumire {

// `set` text with its escapes \r \n \t \\ \uXXXX undone; nothing when an
// escape is malformed.
std::optional<QString> unescapeScriptText(const QString& text);

// The first word and the rest after the single space that follows it.
std::pair<QString, QString> splitFirst(const QString& s);

}  // namespace sumire
