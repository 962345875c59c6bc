// The handset model pictures kept in assets/ and installed beside the program.
#include <QImage>
#include <QRect>
#include <QString>
#include <gtest/gtest.h>

namespace {

const QRect kScreen(24, 64, 137, 137);  // the LCD area in pixels

QImage handsetPicture(int model) {
    return QImage(QString(SUMIRE_SOURCE_DIR "/assets/phone_%1.jpg").arg(model + 1, 2, 10, QChar('0')));
}

TEST(HandsetPictures, LoadAtTheWindowsPictureSize) {
    for (int model = 0; model < 3; ++model)
        EXPECT_EQ(handsetPicture(model).size(), QSize(189, 458)) << "model " << model;
}

TEST(HandsetPictures, FrameTheScreenAreaInADarkBezel) {
    for (int model = 0; model < 3; ++model) {
        const QImage picture = handsetPicture(model);
        ASSERT_FALSE(picture.isNull());
        // Rings one to three pixels outside the LCD area.
        for (int offset = 1; offset <= 3; ++offset) {
            const QRect ring = kScreen.adjusted(-offset, -offset, offset, offset);
            for (int x = ring.left(); x <= ring.right(); ++x)
                for (int y : {ring.top(), ring.bottom()})
                    ASSERT_LT(picture.pixelColor(x, y).lightness(), 70) << "model " << model << " at " << x << "," << y;
            for (int y = ring.top(); y <= ring.bottom(); ++y)
                for (int x : {ring.left(), ring.right()})
                    ASSERT_LT(picture.pixelColor(x, y).lightness(), 70) << "model " << model << " at " << x << "," << y;
        }
        // The glass itself is lighter than its frame.
        EXPECT_GT(picture.pixelColor(kScreen.center()).lightness(), 100) << "model " << model;
    }
}

TEST(HandsetPictures, AreThreeDifferentHandsets) {
    const QImage pictures[3] = {handsetPicture(0), handsetPicture(1), handsetPicture(2)};
    for (int a = 0; a < 3; ++a) {
        for (int b = a + 1; b < 3; ++b) {
            long long difference = 0;
            for (int y = 0; y < 458; ++y)
                for (int x = 0; x < 189; ++x) {
                    const QColor p = pictures[a].pixelColor(x, y), q = pictures[b].pixelColor(x, y);
                    difference +=
                        std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue());
                }
            // On average at least 20 levels a channel apart.
            EXPECT_GT(difference / (189 * 458 * 3), 20) << "models " << a << " and " << b;
        }
    }
}

}  // namespace
