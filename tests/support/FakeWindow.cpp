#include "support/FakeWindow.h"

#include <QFile>
#include <QtEndian>

namespace sumire::test {

QString toString(const DrawOp& op) {
    QStringList parts{op.kind};
    for (int64_t v : op.values) parts << QString::number(v);
    return "[" + parts.join(", ") + "]";
}

void RecordingCanvas::box(int x1, int y1, int x2, int y2, int colour) {
    ops.push_back({"box", {x1, y1, x2, y2, colour}});
}
void RecordingCanvas::frame(int x1, int y1, int x2, int y2, int colour) {
    ops.push_back({"frame", {x1, y1, x2, y2, colour}});
}
void RecordingCanvas::text(int64_t x, int64_t y, char16_t code, int colour) {
    ops.push_back({"text", {x, y, code, colour}});
}
void RecordingCanvas::blt(int slot, int64_t x, int64_t y, int64_t width, int64_t height) {
    ops.push_back({"blt", {slot, x, y, width, height}});
}
QString RecordingCanvas::drawnText() const {
    QString s;
    for (const DrawOp& op : ops)
        if (op.kind == "text") s += QChar(char16_t(op.values[2]));
    return s;
}

FakeSlots::FakeSlots() {
    boxes[10] = {1485, 1125, true, "melody-icon", 95, 71, false, false};
    boxes[11] = {1485, 1125, true, "data-icon", 95, 71, false, false};
}

void FakeSlots::clearSlot(int slot) { boxes[slot] = FakeSlot{}; }

bool FakeSlots::loadSlot(int slot, const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(26);
    if (head.size() < 26 || !head.startsWith("BM")) return false;
    FakeSlot& s = boxes[slot];
    s.picture = true;
    s.loadedFrom = path;
    s.pixelWidth = qFromLittleEndian<qint32>(head.constData() + 18);
    s.pixelHeight = qAbs(qFromLittleEndian<qint32>(head.constData() + 22));
    if (s.autoSize) setAutoSize(slot);
    return true;
}

void FakeSlots::setAutoSize(int slot) {
    FakeSlot& s = boxes[slot];
    s.autoSize = true;
    if (s.picture) {
        s.width = s.pixelWidth * 15;
        s.height = s.pixelHeight * 15;
    }
}

void FakeSlots::setAutoRedraw(int slot) { boxes[slot].autoRedraw = true; }

void FakeSlots::copySlot(int from, int to) {
    const FakeSlot src = boxes[from];
    FakeSlot& dst = boxes[to];
    dst.picture = src.picture;
    dst.loadedFrom = src.loadedFrom;
    dst.pixelWidth = src.pixelWidth;
    dst.pixelHeight = src.pixelHeight;
}

void FakeHost::setGoEnabled(bool e) {
    if (!e) ++goDisabledCount;
    goEnabled = e;
}

void FakeHost::setDownloadItem(int index, const QString& caption, bool enabled) {
    menuCaptions[index] = caption;
    menuEnabled[index] = enabled;
}

QByteArray makeBmp(int width, int height, uint8_t red, uint8_t green, uint8_t blue) {
    const int rowBytes = (width * 3 + 3) & ~3;
    const int imageBytes = rowBytes * height;
    QByteArray b(54 + imageBytes, '\0');
    auto put32 = [&](int at, qint32 v) { qToLittleEndian<qint32>(v, b.data() + at); };
    auto put16 = [&](int at, qint16 v) { qToLittleEndian<qint16>(v, b.data() + at); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, b.size());
    put32(10, 54);
    put32(14, 40);
    put32(18, width);
    put32(22, height);
    put16(26, 1);
    put16(28, 24);
    put32(34, imageBytes);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            char* px = b.data() + 54 + y * rowBytes + x * 3;
            px[0] = char(blue);
            px[1] = char(green);
            px[2] = char(red);
        }
    return b;
}

}  // namespace sumire::test
