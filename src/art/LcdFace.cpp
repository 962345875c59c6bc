#include "LcdFace.h"

#include <QDir>
#include <QFile>
#include <QGlyphRun>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <future>
#include <map>
#include <mutex>
#include <zlib.h>

namespace sumire {
namespace {

constexpr double kTwipsPerPixel = 15.0;
// The face's sizes with Latin and Japanese in one file, largest first.
constexpr int kSizes[] = {16, 14, 12, 10};

QString faceFolder() {
    const QString dir = qEnvironmentVariable("SUMIRE_LCD_FONT_DIR");
    return dir.isEmpty() ? QStringLiteral("/usr/share/fonts/X11/misc") : dir;
}

// The file's bytes inflated in memory: FreeType reads a large gzip file by
// seeking in it, which inflates it again from its start at each step back.
QByteArray gunzip(const QByteArray& packed) {
    z_stream z{};
    if (inflateInit2(&z, 16 + MAX_WBITS) != Z_OK) return {};
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
    z.avail_in = uInt(packed.size());
    QByteArray out;
    int status = Z_OK;
    while (status == Z_OK) {
        const qsizetype done = out.size();
        out.resize(done + (qsizetype(1) << 21));
        z.next_out = reinterpret_cast<Bytef*>(out.data() + done);
        z.avail_out = uInt(out.size() - done);
        status = inflate(&z, Z_NO_FLUSH);
        out.resize(out.size() - qsizetype(z.avail_out));
    }
    inflateEnd(&z);
    return status == Z_STREAM_END ? out : QByteArray();
}

// The biwidth files: 6 x 12 half-width and 12 x 12 full-width glyphs.
QString faceFile(int size) { return QDir(faceFolder()).filePath(QStringLiteral("b%1.pcf.gz").arg(size)); }

QByteArray faceBytes(int size) {
    QFile in(faceFile(size));
    return in.open(QIODevice::ReadOnly) ? gunzip(in.readAll()) : QByteArray();
}

// Faces being read on other threads, by size.
std::mutex pendingLock;
std::map<int, std::shared_future<QByteArray>> pending;

QRawFont readFace(int size) {
    const QString file = faceFile(size);
    std::shared_future<QByteArray> bytes;
    {
        const std::lock_guard<std::mutex> lock(pendingLock);
        const auto it = pending.find(size);
        if (it != pending.end()) bytes = it->second;
    }
    QRawFont face;
    face.loadFromData(bytes.valid() ? bytes.get() : faceBytes(size), size, QFont::PreferNoHinting);
    static bool told = false;
    if (!face.isValid() && !told) {
        told = true;
        std::fprintf(stderr, "sumire: %s is not installed (no %s); the LCD uses an outline face instead\n",
                     kLcdFacePackage, qPrintable(file));
    }
    return face;
}

}  // namespace

int lcdDotSize(int charWidth, int lineHeight) {
    // A row is at least this many pixels tall wherever its edges round to.
    const int row = int(std::floor(lineHeight / kTwipsPerPixel));
    const int twoCells = int(std::floor(2 * charWidth / kTwipsPerPixel));
    for (int size : kSizes)
        if (size <= row && size <= twoCells) return size;
    return kSizes[std::size(kSizes) - 1];
}

void prefetchLcdDotFace(int size) {
    const std::lock_guard<std::mutex> lock(pendingLock);
    if (!pending.count(size)) pending.emplace(size, std::async(std::launch::async, faceBytes, size).share());
}

const QRawFont& lcdDotFace(int size) {
    // Kept for the life of the process: a few hundred kilobytes a size.
    static auto* faces = new std::map<int, QRawFont>;
    auto it = faces->find(size);
    if (it == faces->end()) it = faces->emplace(size, readFace(size)).first;
    return it->second;
}

QPoint centredIn(const QRectF& cells, QSize size) {
    // From the cells' rounded corner by whole pixels, so that a glyph lies
    // the same way in every cell and row whatever their edges round to.
    const auto start = [](double edge, double length, int inner) {
        return int(std::lround(edge)) + (int(std::floor(length + 1e-9)) - inner) / 2;
    };
    return QPoint(start(cells.left(), cells.width(), size.width()), start(cells.top(), cells.height(), size.height()));
}

bool drawDotText(QPainter& p, const QRawFont& face, const QRectF& cells, const QString& text, const QColor& colour) {
    if (!face.isValid()) return false;
    const QList<quint32> glyphs = face.glyphIndexesForString(text);
    if (glyphs.isEmpty() || glyphs.contains(0)) return false;
    const QList<QPointF> advances = face.advancesForGlyphIndexes(glyphs);
    QList<QPointF> positions;
    double width = 0;
    for (const QPointF& advance : advances) {
        positions.append(QPointF(width, 0));
        width += advance.x();
    }
    const int height = int(std::lround(face.ascent() + face.descent()));
    const QPoint topLeft = centredIn(cells, QSize(int(std::lround(width)), height));
    QGlyphRun run;
    run.setRawFont(face);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    p.setPen(colour);
    p.drawGlyphRun(QPointF(topLeft.x(), topLeft.y() + std::lround(face.ascent())), run);
    return true;
}

}  // namespace sumire
