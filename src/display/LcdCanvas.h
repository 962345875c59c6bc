#pragma once
// Where DrawLcd sends its drawing: the window paints the operations, the
// automation dump lists them, tests assert on them. Coordinates of box, frame
// and text are twips; blt is in pixels. Colours are red + 256*green + 65536*blue.

#include <cstdint>

namespace sumire {

class LcdCanvas {
public:
    virtual ~LcdCanvas() = default;
    virtual void box(int x1, int y1, int x2, int y2, int colour) = 0;
    virtual void frame(int x1, int y1, int x2, int y2, int colour) = 0;
    // One character printed with CurrentX = x, CurrentY = y in the foreground colour.
    virtual void text(int64_t x, int64_t y, char16_t code, int colour) = 0;
    // BitBlt of picture slot `slot` at pixel (x, y), width x height pixels.
    virtual void blt(int slot, int64_t x, int64_t y, int64_t width, int64_t height) = 0;
};

}  // namespace sumire
