#pragma once
#include "display/LcdCanvas.h"
#include "display/PageModel.h"
#include "display/PictureSlots.h"

namespace sumire {

// LCD box and text origin, twips.
constexpr int kLcdLeft = 360, kLcdTop = 960, kLcdRight = 2415, kLcdBottom = 3015;
constexpr int kTextLeft = 400, kTextTop = 1000;

// Draws the page model on the LCD from the start of lcdText.
void DrawLcd(PageModel& model, const PictureSlots& pictures, LcdCanvas& canvas);

// One tick of the blink timer: flips the phase and redraws.
void Timer1_Timer(PageModel& model, const PictureSlots& pictures, LcdCanvas& canvas);

}  // namespace sumire
