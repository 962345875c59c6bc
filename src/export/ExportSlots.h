#pragma once
// The picture boxes of a page exported without a window: the same sizes in
// twips, the same 2-pixel sunken border around a box sized to its picture,
// and the same copy of the inner area (the picture at the top left on the
// box's grey) as the window's boxes give DrawLcd and its picture copies.

#include "art/BoxPicture.h"
#include "display/PictureSlots.h"

#include <QImage>
#include <array>

namespace sumire {

class ExportSlots : public PictureSlots {
public:
    static constexpr int kCount = 12;
    static constexpr int kBorderPx = kBoxBorderPx;

    ExportSlots();  // slots 10 and 11 hold the melody and data icons

    void clearSlot(int slot) override;
    bool loadSlot(int slot, const QString& path) override;
    void setAutoSize(int slot) override;
    void setAutoRedraw(int) override {}
    void copySlot(int from, int to) override;
    int slotWidth(int slot) const override { return valid(slot) ? boxes_[slot].width : 0; }
    int slotHeight(int slot) const override { return valid(slot) ? boxes_[slot].height : 0; }

    bool hasPicture(int slot) const { return valid(slot) && !boxes_[slot].picture.isNull(); }
    // What a copy from the box reads, as large as the box's inner area.
    QImage innerImage(int slot) const;

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
