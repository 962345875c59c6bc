#include "cli/PngFile.h"

#include <QHash>
#include <png.h>
#include <vector>

namespace sumire {
namespace {

// The picture's colours in the order they first appear, or empty when there
// are more than 256; then each pixel's index in `indexes`.
std::vector<png_color> paletteOf(const QImage& picture, std::vector<png_byte>* indexes) {
    std::vector<png_color> colours;
    QHash<QRgb, png_byte> index;
    indexes->resize(size_t(picture.width()) * size_t(picture.height()));
    png_byte* out = indexes->data();
    QRgb last = 0;  // no colour: every colour is opaque
    png_byte lastIndex = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x, ++out) {
            const QRgb colour = line[x] | 0xFF000000u;
            if (colour != last) {  // runs of one colour skip the lookup
                auto found = index.constFind(colour);
                if (found == index.constEnd()) {
                    if (colours.size() == 256) return {};
                    found = index.insert(colour, png_byte(colours.size()));
                    colours.push_back({png_byte(qRed(colour)), png_byte(qGreen(colour)), png_byte(qBlue(colour))});
                }
                last = colour;
                lastIndex = *found;
            }
            *out = lastIndex;
        }
    }
    return colours;
}

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), qsizetype(length));
}

// The rows as libpng takes them: palette indexes, or red, green, blue.
std::vector<png_byte> rowBytes(const QImage& picture, const std::vector<png_color>& palette,
                               const std::vector<png_byte>& indexes) {
    if (!palette.empty()) return indexes;
    std::vector<png_byte> rgb(size_t(picture.width()) * size_t(picture.height()) * 3);
    png_byte* out = rgb.data();
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            *out++ = png_byte(qRed(line[x]));
            *out++ = png_byte(qGreen(line[x]));
            *out++ = png_byte(qBlue(line[x]));
        }
    }
    return rgb;
}

// What libpng is given, made ready beforehand.
struct PngRows {
    png_uint_32 width, height;
    const std::vector<png_color>& palette;  // empty: RGB
    std::vector<png_bytep>& rows;
};

// libpng reports a failure by a long jump back here, so this function makes
// nothing that has a destructor.
bool writePng(png_structp png, png_infop info, const PngRows& image, QByteArray* out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, out, appendBytes, nullptr);
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_IHDR(png, info, image.width, image.height, 8,
                 image.palette.empty() ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    if (!image.palette.empty()) png_set_PLTE(png, info, image.palette.data(), int(image.palette.size()));
    png_set_rows(png, info, image.rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
}

}  // namespace

QByteArray encodePng(const QImage& given) {
    if (given.isNull()) return {};
    const QImage picture = given.convertToFormat(QImage::Format_RGB32);  // no copy when it is RGB32 already
    std::vector<png_byte> indexes;
    const std::vector<png_color> palette = paletteOf(picture, &indexes);
    const std::vector<png_byte> bytes = rowBytes(picture, palette, indexes);
    std::vector<png_bytep> rows(size_t(picture.height()));
    const size_t stride = bytes.size() / rows.size();
    for (size_t y = 0; y < rows.size(); ++y) rows[y] = const_cast<png_bytep>(bytes.data() + y * stride);

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    QByteArray out;
    const PngRows image{png_uint_32(picture.width()), png_uint_32(picture.height()), palette, rows};
    const bool written = info && writePng(png, info, image, &out);
    png_destroy_write_struct(&png, &info);
    return written ? out : QByteArray();
}

}  // namespace sumire
