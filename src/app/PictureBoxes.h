#pragma once
// The picture boxes Picture1(0)..Picture1(11). Sizes are kept in twips; the
// box has a sunken 3D border of 2 pixels on each side, so a box sized to its
// picture (AutoSize) is 4 pixels wider and higher than the picture. A copy
// from the box (BitBlt) reads its inner area: the picture at the top left on
// the box's back colour.

#include "art/BoxPicture.h"
#include "display/PictureSlots.h"

#include <QFrame>
#include <QImage>
#include <array>

namespace sumire {

class PictureBox : public QFrame {
    Q_OBJECT
public:
    static constexpr int kBorderPx = kBoxBorderPx;

    explicit PictureBox(QWidget* parent = nullptr);

    void setTwipsGeometry(int left, int top, int width, int height);
    void setTwipsSize(int width, int height);
    int twipsWidth() const { return width_; }
    int twipsHeight() const { return height_; }

    void setPicture(const QImage& picture);  // a null image clears it
    const QImage& picture() const { return picture_; }
    bool hasPicture() const { return !picture_.isNull(); }
    void setAutoSize(bool on);
    bool autoSize() const { return autoSize_; }
    void setAutoRedraw(bool on) { autoRedraw_ = on; }
    bool autoRedraw() const { return autoRedraw_; }

    // What a copy from the box reads: the inner area, picture on back colour.
    QImage innerImage() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToPicture();
    QImage picture_;
    int width_ = 1500, height_ = 1095;
    bool autoSize_ = false, autoRedraw_ = false;
};

// The engine's view of the boxes.
class PictureBoxes : public PictureSlots {
public:
    static constexpr int kCount = 12;

    void setBox(int slot, PictureBox* box) { boxes_[slot] = box; }
    PictureBox* box(int slot) const { return boxes_[slot]; }

    void clearSlot(int slot) override;
    bool loadSlot(int slot, const QString& path) override;
    void setAutoSize(int slot) override;
    void setAutoRedraw(int slot) override;
    void copySlot(int from, int to) override;
    int slotWidth(int slot) const override;
    int slotHeight(int slot) const override;

private:
    bool valid(int slot) const { return slot >= 0 && slot < kCount && boxes_[slot]; }
    std::array<PictureBox*, kCount> boxes_{};
};

}  // namespace sumire
