#pragma once
// The canvas DrawLcd draws on in the window: the client area's persistent
// image, repainted where each operation changed it.

#include "art/LcdImagePainter.h"

namespace sumire {

class ClientArea;

class LcdPainter : public LcdImagePainter {
public:
    LcdPainter(ClientArea& area, const PageModel& model, const BoxSlots& boxes);

protected:
    void changed(const QRect& r) override;

private:
    ClientArea& area_;
};

}  // namespace sumire
