#pragma once
// The pictographs as text: each code's tag, a Unicode equivalent and its name.

#include "display/EmojiTags.h"

#include <QString>

namespace sumire {

struct PictographEquivalent {
    QString tag;      // "<#HEART>"
    QString unicode;  // the character(s) that stand for it outside the handset
    QString name;     // "ハート"
};

// `code` 0..94; any other code gives an empty entry.
const PictographEquivalent& pictographEquivalent(int code);

}  // namespace sumire
