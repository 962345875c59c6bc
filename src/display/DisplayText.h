#pragma once
// The page as plain text: what the LCD shows, row by row, for "copy as text"
// and the text export. It is read from the operations DrawLcd emits for the
// whole page, so it breaks lines exactly where the LCD does.
//
// - One line per LCD row, from the first row to the last that shows a
//   character; rows without characters (blank lines, rows a picture takes)
//   are empty lines. Lines are joined with "\n"; no line break at the end.
// - Cells a row skips before a character (an unprinted control character)
//   read as spaces; nothing stands for the cells after its last character.
// - Where the LCD prints over a cell again (a lone carriage return), the
//   later character is kept.
// - Markers and other control characters give nothing.
// - A pictograph becomes its Unicode character or its Japanese text in
//   brackets ("[ハート]");
//   another private-use character becomes its code, "[U+E800]"; a lone
//   surrogate becomes U+FFFD.

#include "display/PageModel.h"
#include "display/PictureSlots.h"

#include <QString>

namespace sumire {

enum class PictographFallback { Emoji, Name };
// A picture's rows: empty lines, or its name on the first ("[画像 photo.bmp]").
enum class PictureText { None, Placeholder };

QString displayText(const PageModel& model, const PictureSlots& pictures, PictographFallback fallback,
                    PictureText pictureText = PictureText::None);

}  // namespace sumire
