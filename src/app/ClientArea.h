#pragma once
// The main window's client area: 634 x 457 pixels holding a persistent image
// (back colour, handset picture, and everything the LCD painter drew on it).
// The area repaints itself from that image, so the LCD shows its last drawing
// after the window was covered, minimized or restored.

#include <QColor>
#include <QImage>
#include <QWidget>

namespace sumire {

class ClientArea : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 634, kHeight = 457;  // 9510 x 6855 twips

    explicit ClientArea(QWidget* parent = nullptr);

    // Starts the image afresh: back colour, then the picture at the origin.
    void setPicture(const QImage& picture);
    QImage& image() { return image_; }
    // The client area as it looks, controls included; or only `area` of it,
    // taken from the image alone where no control lies over it.
    QImage snapshot();
    QImage snapshot(const QRect& area);
    // Whether a control lies over some of `area`.
    bool showsControls(const QRect& area) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

}  // namespace sumire
