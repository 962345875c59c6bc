#pragma once
// The window's picture boxes: the boxes' pictures and sizes are the shared
// box model's, and each box is shown by a widget that follows it.

#include "art/BoxSlots.h"

#include <QFrame>
#include <array>

namespace sumire {

// One box on the window: its inner area in a sunken border of 2 pixels.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    PictureBox(const BoxSlots& boxes, int slot, QWidget* parent = nullptr);

    int twipsWidth() const { return boxes_.slotWidth(slot_); }
    int twipsHeight() const { return boxes_.slotHeight(slot_); }
    bool hasPicture() const { return boxes_.hasPicture(slot_); }
    // Takes the box's size and shows its picture again.
    void follow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const BoxSlots& boxes_;
    int slot_;
};

class PictureBoxes : public BoxSlots {
public:
    // The widget that shows `slot`, placed at `left`, `top` (twips).
    PictureBox* addBox(int slot, int left, int top, QWidget* parent);

protected:
    void changed(int slot) override;

private:
    std::array<PictureBox*, kCount> widgets_{};
};

}  // namespace sumire
