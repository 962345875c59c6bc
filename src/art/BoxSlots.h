#pragma once
// The picture boxes Picture1(0)..Picture1(11) as DrawLcd sees them, in the
// window, in `render` and in the export alike: each box's picture and size in
// twips, the sunken border of 2 pixels around a box sized to its picture
// (AutoSize), and what a copy from a box reads (BitBlt): its inner area, the
// picture at the top left on the box's grey. The window's widgets show the
// boxes and follow each change.

#include "display/PictureSlots.h"

#include <QImage>
#include <array>

namespace sumire {

// The sunken border around every picture box, in pixels.
inline constexpr int kBoxBorderPx = 2;

// A BMP, JPEG or GIF picture, recognised by its content; null for any other.
QImage readBoxPicture(const QString& path);

class BoxSlots : public PictureSlots {
public:
    static constexpr int kCount = 12;

    BoxSlots();  // slots 10 and 11 hold the melody and data icons

    void clearSlot(int slot) override;
    bool loadSlot(int slot, const QString& path) override;
    void setAutoSize(int slot) override;
    // Nothing is drawn into a box, so there is no drawing of its own to keep.
    void setAutoRedraw(int) override {}
    void copySlot(int from, int to) override;
    int slotWidth(int slot) const override { return valid(slot) ? boxes_[slot].width : 0; }
    int slotHeight(int slot) const override { return valid(slot) ? boxes_[slot].height : 0; }

    void setSize(int slot, int width, int height);  // twips
    bool hasPicture(int slot) const { return valid(slot) && !boxes_[slot].picture.isNull(); }
    // What a copy from the box reads, as large as its inner area; null when
    // there is no such box or it has no inside.
    QImage innerImage(int slot) const;

protected:
    // The picture or the size of a box changed.
    virtual void changed(int) {}

private:
    struct Box {
        QImage picture;
        int width = 1500, height = 1095;  // twips
        bool autoSize = false;
    };
    static bool valid(int slot) { return slot >= 0 && slot < kCount; }
    void setPicture(int slot, const QImage& picture);
    std::array<Box, kCount> boxes_;
};

}  // namespace sumire
