#pragma once
// The canvas DrawLcd draws on in the window: the client area's persistent
// image, repainted where each operation changed it.

#include "art/LcdImagePainter.h"

#include <functional>

namespace sumire {

class ClientArea;
class PictureBoxes;

class LcdPainter : public LcdImagePainter {
public:
    LcdPainter(ClientArea& area, const PageModel& model, const PictureBoxes& boxes);

    void setTimer1Enabled(bool enabled) override;
    void setAutoRedraw(bool on) override { autoRedraw_ = on; }

    // Timer1's enabled state lives with its owner.
    void onTimer1Changed(std::function<void(bool)> handler) { timer1Changed_ = std::move(handler); }
    bool autoRedraw() const { return autoRedraw_; }

protected:
    void changed(const QRect& r) override;

private:
    ClientArea& area_;
    std::function<void(bool)> timer1Changed_;
    bool autoRedraw_ = true;
};

// What a copy from each of the window's picture boxes reads.
SlotImages boxImages(const PictureBoxes& boxes);

}  // namespace sumire
