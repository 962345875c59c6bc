#pragma once
// What a page says of itself to the search of an exported site: the words the
// LCD shows over the whole page, each once, lower case and NFKC as the search
// compares them, with each pictograph as its Unicode character, its name and
// its tag name ("HEART").

#include "display/PageModel.h"
#include "display/PictureSlots.h"

#include <QString>

namespace sumire {

// A page's share of the search index at most. Saved pages are a few screens
// (a screen is 200 cells), far less; a hostile page of megabytes is cut.
inline constexpr qsizetype kSearchTextChars = 8000;

QString searchText(const PageModel& model, const PictureSlots& pictures);

// Each word of `text` once, in the order first seen, lower case and NFKC, at
// most kSearchTextChars. A query word never spans a space, so it finds in
// these words exactly what it finds in the whole text.
QString distinctWords(const QString& text);

}  // namespace sumire
