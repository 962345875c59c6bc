#pragma once
// The picture boxes Picture1(0)..Picture1(11). The window holds the pictures;
// the engine only asks for sizes and tells it what to load, copy or clear.

#include <QString>

namespace sumire {

class PictureSlots {
public:
    virtual ~PictureSlots() = default;
    // Clears the picture and sets the box to 1500 x 1095 twips.
    virtual void clearSlot(int slot) = 0;
    // Loads a BMP or JPEG file into the slot; false (slot unchanged) when the
    // file is no readable picture.
    virtual bool loadSlot(int slot, const QString& path) = 0;
    // The box takes the size of its picture (AutoSize).
    virtual void setAutoSize(int slot) = 0;
    // The box keeps its contents as a persistent image (AutoRedraw).
    virtual void setAutoRedraw(int slot) = 0;
    virtual void copySlot(int from, int to) = 0;
    virtual int slotWidth(int slot) const = 0;   // twips
    virtual int slotHeight(int slot) const = 0;  // twips
};

}  // namespace sumire
