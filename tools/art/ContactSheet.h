#pragma once
// Proof sheets for looking at the artwork: every pictograph enlarged, and the
// handset pictures with the window's controls laid over them.

#include <QImage>
#include <QString>

namespace sumire::tool {

// Pictographs `first` to `first + count - 1`.
QImage pictographSheet(int first, int count);
// `assets` is the folder holding the drawn pictures.
QImage handsetSheet(const QString& assets);
QImage iconSheet(const QString& assets);

}  // namespace sumire::tool
