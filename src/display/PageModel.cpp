#include "display/PageModel.h"

#include <algorithm>

namespace sumire {

void PageModel::setDisplayWidth(const DisplayWidth& w) {
    lineChars = w.lineChars;
    lineCount = w.lineCount;
    charWidth = w.charWidth;
    lineHeight = w.lineHeight;
    fontSize = w.fontSize;
}

int packColor(int64_t red, int64_t green, int64_t blue) {
    auto limit = [](int64_t c) { return int(std::clamp<int64_t>(c, 0, 255)); };
    return limit(red) + 256 * limit(green) + 65536 * limit(blue);
}

}  // namespace sumire
