#include "LcdFace.h"

#include "display/Twips.h"

#include <QDir>
#include <QGlyphRun>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <future>
#include <map>
#include <mutex>
#include <string>
#include <vector>
#include <zlib.h>

namespace sumire {
namespace {

// The face's sizes with Latin and Japanese in one file, largest first.
constexpr int kSizes[] = {16, 14, 12, 10};

QString faceFolder() {
    const QString dir = qEnvironmentVariable("SUMIRE_LCD_FONT_DIR");
    return dir.isEmpty() ? QStringLiteral("/usr/share/fonts/X11/misc") : dir;
}

// The biwidth files: 6 x 12 half-width and 12 x 12 full-width glyphs.
std::string faceFile(int size) {
    return QDir(faceFolder()).filePath(QStringLiteral("b%1.pcf.gz").arg(size)).toStdString();
}

// The file inflated in memory: FreeType reads a large gzip file by seeking
// in it, which inflates it again from its start at each step back. Plain C
// and zlib only: on a thread started before the application object, a Qt
// object would make Qt take that thread for the main one.
QByteArray faceBytes(const std::string& file) {
    QByteArray out;
    const gzFile in = gzopen(file.c_str(), "rb");
    if (!in) return out;
    gzbuffer(in, 1 << 17);
    std::vector<char> chunk(size_t(1) << 17);
    for (int n; (n = gzread(in, chunk.data(), unsigned(chunk.size()))) > 0;) out.append(chunk.data(), n);
    gzclose(in);
    return out;
}

// Faces being read on other threads, by size.
std::mutex pendingLock;
std::map<int, std::shared_future<QByteArray>> pending;

QRawFont readFace(int size) {
    const std::string file = faceFile(size);
    std::shared_future<QByteArray> bytes;
    {
        const std::lock_guard<std::mutex> lock(pendingLock);
        const auto it = pending.find(size);
        if (it != pending.end()) bytes = it->second;
    }
    QRawFont face;
    face.loadFromData(bytes.valid() ? bytes.get() : faceBytes(file), size, QFont::PreferNoHinting);
    static bool told = false;
    if (!face.isValid() && !told) {
        told = true;
        std::fprintf(stderr, "sumire: %s is not installed (no %s); the LCD uses an outline face instead\n",
                     kLcdFacePackage, file.c_str());
    }
    return face;
}

}  // namespace

int lcdDotSize(int charWidth, int lineHeight) {
    // A row is at least this many pixels tall wherever its edges round to.
    const int row = int(std::floor(twipsToPixels(lineHeight)));
    const int twoCells = int(std::floor(twipsToPixels(2 * charWidth)));
    for (int size : kSizes)
        if (size <= row && size <= twoCells) return size;
    return kSizes[std::size(kSizes) - 1];
}

void prefetchLcdDotFace(int size) {
    const std::lock_guard<std::mutex> lock(pendingLock);
    if (!pending.count(size)) pending.emplace(size, std::async(std::launch::async, faceBytes, faceFile(size)).share());
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
