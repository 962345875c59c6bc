#pragma once
// The canvas DrawLcd draws on in the window: the client area's persistent
// image, repainted where each operation changed it.

#include "art/LcdImagePainter.h"

namespace sumire {

class ClientArea;
class PictureBoxes;

class LcdPainter : public LcdImagePainter {
public:
    LcdPainter(ClientArea& area, const PageModel& model, const PictureBoxes& boxes);

protected:
    void changed(const QRect& r) override;

private:
    ClientArea& area_;
};

// What a copy from each of the window's picture boxes reads.
SlotImages boxImages(const PictureBoxes& boxes);

}  // namespace sumire
