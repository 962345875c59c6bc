#pragma once
// Fonts, colours and twip geometry shared by the windows.

#include "display/Twips.h"

#include <QColor>
#include <QFont>
#include <QRect>

class QPushButton;
class QWidget;

namespace sumire {


// The window font ("ＭＳ Ｐゴシック", served by IPAPGothic) at a point size, at
// 96 dots per inch.
QFont windowFont(double points = 9, bool bold = false);

// Colours of the window's design.
inline const QColor kFormBack(128, 255, 128);
inline const QColor kCyan(0, 255, 255);
inline const QColor kPink(255, 128, 255);
inline const QColor kOrange(255, 128, 0);
inline const QColor kRed(255, 0, 0);
inline const QColor kYellow(255, 255, 0);
inline const QColor kCaptionText(255, 255, 255);  // the system's title-bar text
inline const QColor kButtonFace(212, 208, 200);   // the system's button face
inline const QColor kLightGrey(192, 192, 192);    // palette colour 7
inline const QColor kWhite(255, 255, 255);        // palette colour 15
inline const QColor kGrayText(128, 128, 128);     // the system's text of a disabled control

// A graphical-style button: its own back colour, raised, sunken when pressed.
void paintButton(QPushButton* button, const QColor& back);

// The back colour of a text box, and the colour packed as
// red + 256 * green + 65536 * blue.
void setBoxBack(QWidget* box, const QColor& back);
int packedBoxBack(const QWidget* box);

}  // namespace sumire
