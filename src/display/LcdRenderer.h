#pragma once
#include "display/LcdCanvas.h"
#include "display/PageModel.h"
#include "display/PictureSlots.h"
#include "display/Twips.h"

namespace sumire {

// LCD box and text origin, twips.
constexpr int kLcdLeft = 360, kLcdTop = 960, kLcdRight = 2415, kLcdBottom = 3015;
constexpr int kTextLeft = 400, kTextTop = 1000;
// The LCD box in pixels of the window, its frame included.
constexpr QRect kLcdPixels(QPoint(kLcdLeft / kTwipsPerPixel, kLcdTop / kTwipsPerPixel),
                           QPoint(kLcdRight / kTwipsPerPixel, kLcdBottom / kTwipsPerPixel));

// What a drawing pass leaves to the window: a pass that met a blinking run
// has Timer1 run; a pass without one may be kept as the LCD's picture
// (AutoRedraw on), as the next tick would draw it the same.
struct LcdDrawn {
    bool blinking = false;
    bool keep = true;
};

// Draws the page model on the LCD from the start of lcdText.
LcdDrawn DrawLcd(PageModel& model, const PictureSlots& pictures, LcdCanvas& canvas);

// One tick of the blink timer: flips the phase and redraws.
LcdDrawn Timer1_Timer(PageModel& model, const PictureSlots& pictures, LcdCanvas& canvas);

// The LCD row (from the top of the screen) of a picture copied at pixel `y`.
int64_t imageRowAt(int64_t y, int lineHeight);

}  // namespace sumire
