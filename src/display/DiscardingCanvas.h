#pragma once
// A canvas that draws nothing: for passes that only want the model's drawing
// state (rows, positions), or a page request run without a window.

#include "display/LcdCanvas.h"

namespace sumire {

class DiscardingCanvas : public LcdCanvas {
public:
    void box(int, int, int, int, int) override {}
    void frame(int, int, int, int, int) override {}
    void text(int64_t, int64_t, char16_t, int) override {}
    void blt(int, int64_t, int64_t, int64_t, int64_t) override {}
};

}  // namespace sumire
