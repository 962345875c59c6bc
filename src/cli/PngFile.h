#pragma once
// PNG files of rendered pictures, made quickly and always the same way: a
// picture of at most 256 colours is written with a palette, any other as
// 8-bit RGB; rows are not filtered and zlib packs them at its fastest level,
// which costs a fifth of the time of the usual adaptive filters for files of
// about the same size. The same picture always gives the same bytes.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

namespace sumire {

// The longest side libpng writes by default (its user limits).
inline constexpr int64_t kPngLargestSide = 1000000;

// The PNG file of the picture; empty for a null picture or when libpng fails.
QByteArray encodePng(const QImage& picture);

}  // namespace sumire
