#pragma once
// Test doubles of the main window for the page engine: the controls a request
// touches, picture slots that read real BMP headers, and a canvas that records
// the drawing operations.

#include "display/LcdCanvas.h"
#include "display/LcdRenderer.h"
#include "display/PictureSlots.h"
#include "page/RequestHost.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

namespace sumire::test {

struct DrawOp {
    QString kind;                 // "box", "frame", "text", "blt"
    std::vector<int64_t> values;  // as in the automation dump, in order
    bool operator==(const DrawOp&) const = default;
};
QString toString(const DrawOp& op);

class RecordingCanvas : public LcdCanvas {
public:
    void box(int x1, int y1, int x2, int y2, int colour) override;
    void frame(int x1, int y1, int x2, int y2, int colour) override;
    void text(int64_t x, int64_t y, char16_t code, int colour) override;
    void blt(int slot, int64_t x, int64_t y, int64_t width, int64_t height) override;
    // What the latest pass left, kept as the window keeps Timer1 and AutoRedraw.
    void took(const LcdDrawn& drawn) {
        timer1 = drawn.blinking;
        autoRedraw = drawn.keep;
    }
    void took(const std::optional<LcdDrawn>& drawn) {
        if (drawn) took(*drawn);
    }

    std::vector<DrawOp> ops;
    bool timer1 = true;  // enabled when the window is created
    bool autoRedraw = true;
    // The characters drawn, in order (one per text operation).
    QString drawnText() const;
};

struct FakeSlot {
    int width = 1500, height = 1095;
    bool picture = false;
    QString loadedFrom;  // path of the picture file, or the slot it was copied from
    int pixelWidth = 0, pixelHeight = 0;
    bool autoSize = false, autoRedraw = false;
};

// Pictures are BMP files: the slot reads the size from the file's header; any
// other file is no readable picture.
class FakeSlots : public PictureSlots {
public:
    FakeSlots();
    void clearSlot(int slot) override;
    bool loadSlot(int slot, const QString& path) override;
    void setAutoSize(int slot) override;
    void setAutoRedraw(int slot) override;
    void copySlot(int from, int to) override;
    int slotWidth(int slot) const override { return boxes[slot].width; }
    int slotHeight(int slot) const override { return boxes[slot].height; }

    std::array<FakeSlot, 12> boxes;
};

// The values, with the go button and the download menu's items kept too.
class FakeHost : public RequestValues {
public:
    FakeHost() { text3 = QStringLiteral("9"); }
    void setGoEnabled(bool e) override;
    void setDownloadItem(int index, const QString& caption, bool enabled) override;

    bool goEnabled = true;
    int goDisabledCount = 0;  // how often the go button was disabled
    std::array<QString, 10> menuCaptions;
    std::array<bool, 10> menuEnabled{};
};

// A BMP file of the given size (24-bit, one colour), as bytes.
QByteArray makeBmp(int width, int height, uint8_t red = 255, uint8_t green = 0, uint8_t blue = 0);

}  // namespace sumire::test
