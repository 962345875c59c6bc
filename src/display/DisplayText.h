#pragma once
// The page's text as the LCD shows it: every row of the whole page, in the
// order DrawLcd prints its characters, pictographs written as text.

#include "display/PageModel.h"
#include "display/PictureSlots.h"

#include <QString>

namespace sumire {

enum class PictographFallback { Emoji, Name };

// Rows joined by "\n"; a pictograph is its Unicode equivalent (Emoji) or its
// name in brackets (Name).
QString displayText(const PageModel& model, const PictureSlots& pictures, PictographFallback fallback);

}  // namespace sumire
