#pragma once
// The dot designs of the pictographs, as text: 12 rows of 12 characters per
// design, '#' a dot set, '.' a dot clear. Private to the pictograph drawing.

#include <array>

namespace sumire::art {

using PictographRows = std::array<const char*, 12>;
extern const std::array<PictographRows, 95> kPictographDesigns;

}  // namespace sumire::art
