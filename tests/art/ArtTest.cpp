#include "art/Art.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace sumire {
namespace {

// Counts the opaque pixels of `image` for which `match` holds.
template <typename Match>
int countPixels(const QImage& image, Match match) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QColor c = QColor::fromRgba(argb.pixel(x, y));
            count += c.alpha() == 255 && match(c);
        }
    return count;
}

bool isGrey(const QColor& c) { return std::abs(c.red() - c.green()) < 8 && std::abs(c.green() - c.blue()) < 8; }

TEST(BuiltinHandset, IsAPlainGreyHandsetOnTheWindowGreen) {
    const QImage picture = builtinHandsetPicture();
    ASSERT_EQ(picture.size(), QSize(189, 458));
    EXPECT_EQ(picture.depth(), 24);
    for (const QPoint corner : {QPoint(0, 0), QPoint(188, 0), QPoint(0, 457), QPoint(188, 457)})
        EXPECT_EQ(picture.pixelColor(corner), QColor(128, 255, 128));
    // Down the middle: grey body, one thin black line between the halves, grey body.
    int blackRows = 0, firstBlack = -1;
    for (int y = 20; y < 440; ++y) {
        const QColor c = picture.pixelColor(92, y);
        ASSERT_TRUE(isGrey(c)) << "row " << y;
        if (c.lightness() < 40) {
            ++blackRows;
            if (firstBlack < 0) firstBlack = y;
        } else {
            EXPECT_GT(c.lightness(), 150) << "row " << y;
        }
    }
    EXPECT_GE(blackRows, 1);
    EXPECT_LE(blackRows, 3);
    EXPECT_GT(firstBlack, 150);
    EXPECT_LT(firstBlack, 300);
}

TEST(ToolbarIcons, HaveTheSizesTheToolbarNeeds) {
    for (const char* name : {"network", "offline", "open", "addBookmark", "editBookmarks", "help"}) {
        const QIcon icon = toolbarIcon(name);
        ASSERT_FALSE(icon.isNull()) << name;
        EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32))) << name;
        EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16))) << name;
        EXPECT_EQ(icon.pixmap(32, 32).size(), QSize(32, 32)) << name;
    }
    for (const char* name : {"cut", "copy", "paste", "delete"}) {
        const QIcon icon = toolbarIcon(name);
        ASSERT_FALSE(icon.isNull()) << name;
        EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(16, 16)}) << name;
    }
    EXPECT_TRUE(toolbarIcon("print").isNull());
    EXPECT_TRUE(toolbarIcon("").isNull());
    EXPECT_TRUE(toolbarIcon("../program").isNull());
}

QImage iconImage(const char* name, int size) { return toolbarIcon(name).pixmap(size, size).toImage(); }

TEST(ToolbarIcons, ShowWhatTheirNamesSay) {
    const auto red = [](const QColor& c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
    const auto yellow = [](const QColor& c) { return c.red() > 200 && c.green() > 200 && c.blue() < 60; };
    const auto green = [](const QColor& c) { return c.green() > 120 && c.red() < 100 && c.blue() < 100; };
    const auto white = [](const QColor& c) { return c.lightness() > 240; };
    const auto black = [](const QColor& c) { return c.lightness() < 20; };

    EXPECT_GT(countPixels(iconImage("offline", 32), red), 20);  // the red cross
    EXPECT_EQ(countPixels(iconImage("network", 32), red), 0);
    EXPECT_GT(countPixels(iconImage("open", 32), yellow), 150);      // a yellow folder
    EXPECT_GT(countPixels(iconImage("addBookmark", 32), red), 200);  // a red book
    const QImage help = iconImage("help", 32);
    EXPECT_GT(countPixels(help, green), 400);  // a green disc
    EXPECT_GT(countPixels(help, white), 30);   // with a white mark
    const QImage cross = iconImage("delete", 16);
    EXPECT_GT(countPixels(cross, black), 30);  // a black cross only
    EXPECT_EQ(countPixels(cross, [&](const QColor& c) { return !black(c); }), 0);
}

TEST(ButtonAndSlotPictures, HaveTheirSizes) {
    const QPixmap telephone = telephoneBitmap();
    EXPECT_EQ(telephone.size(), QSize(24, 22));

    const QImage melody = melodyIcon(), data = dataIcon();
    ASSERT_EQ(melody.size(), QSize(95, 71));
    ASSERT_EQ(data.size(), QSize(95, 71));
    EXPECT_EQ(melody.format(), QImage::Format_Indexed8);
    EXPECT_EQ(data.format(), QImage::Format_Indexed8);
    // The data icon is mostly yellow; the melody icon carries a large black note.
    const auto yellow = [](const QColor& c) { return c == QColor(255, 255, 0); };
    EXPECT_GT(countPixels(data, yellow), 95 * 71 / 2);
    EXPECT_GT(countPixels(melody, [](const QColor& c) { return c == Qt::black; }), 400);
    EXPECT_NE(melody, data);

    const QIcon program = programIcon();
    EXPECT_TRUE(program.availableSizes().contains(QSize(32, 32)));
    EXPECT_TRUE(program.availableSizes().contains(QSize(16, 16)));
}

quint32 littleEndian(const QByteArray& bytes, int offset, int size) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | uchar(bytes.at(offset + i));
    return value;
}

// Qt reads a 16-colour file as 8-bit as well, so the file's own header is checked.
TEST(ButtonAndSlotPictures, SlotBitmapsAre256ColourFiles) {
    for (const char* name : {"assets/data.bmp", "assets/melody.bmp"}) {
        QFile file(QDir(SUMIRE_SOURCE_DIR).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bmp = file.readAll();
        ASSERT_GE(bmp.size(), 54) << name;
        EXPECT_EQ(bmp.left(2), QByteArray("BM")) << name;
        EXPECT_EQ(littleEndian(bmp, 14, 4), 40u) << name;  // the usual info header
        EXPECT_EQ(littleEndian(bmp, 28, 2), 8u) << name << ": bits a pixel";
        EXPECT_EQ(littleEndian(bmp, 30, 4), 0u) << name << ": not compressed";
        const quint32 colours = littleEndian(bmp, 46, 4);
        EXPECT_TRUE(colours == 256 || colours == 0) << name << ": " << colours << " colours";  // 0 means all 256
        // The 256-entry colour table lies between the headers and the pixels.
        const quint32 pixels = littleEndian(bmp, 10, 4);
        EXPECT_EQ(pixels, 14u + 40u + 256u * 4u) << name;
        const quint32 width = littleEndian(bmp, 18, 4), height = littleEndian(bmp, 22, 4);
        EXPECT_EQ(QSize(int(width), int(height)), QSize(95, 71)) << name;
        EXPECT_EQ(quint32(bmp.size()), pixels + (width + 3) / 4 * 4 * height) << name;
    }
}

}  // namespace
}  // namespace sumire
