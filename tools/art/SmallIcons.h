#pragma once
// The 16 x 16 versions of the toolbar icons and the program icon.

#include <QImage>

namespace sumire::tool {

QImage networkSmall();
QImage offlineSmall();
QImage openSmall();
QImage redBookSmall();
QImage bookShelfSmall();
QImage helpSmall();
QImage programSmall();

}  // namespace sumire::tool
