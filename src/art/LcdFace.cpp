#include "LcdFace.h"

#include <QDir>
#include <QFile>
#include <QGlyphRun>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <map>

namespace sumire {
namespace {

constexpr double kTwipsPerPixel = 15.0;
// The face's sizes with Latin and Japanese in one file, largest first.
constexpr int kSizes[] = {16, 14, 12, 10};

QString faceFolder() {
    const QString dir = qEnvironmentVariable("SUMIRE_LCD_FONT_DIR");
    return dir.isEmpty() ? QStringLiteral("/usr/share/fonts/X11/misc") : dir;
}

QRawFont readFace(int size) {
    // The biwidth files: 6 x 12 half-width and 12 x 12 full-width glyphs.
    const QString file = QDir(faceFolder()).filePath(QStringLiteral("b%1.pcf.gz").arg(size));
    QRawFont face;
    if (QFile::exists(file)) face.loadFromFile(file, size, QFont::PreferNoHinting);
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

const QRawFont& lcdDotFace(int size) {
    // Kept for the life of the process: a few hundred kilobytes a size.
    static auto* faces = new std::map<int, QRawFont>;
    auto it = faces->find(size);
    if (it == faces->end()) it = faces->emplace(size, readFace(size)).first;
    return it->second;
}

QPoint centredIn(const QRectF& cells, QSize size) {
    return QPoint(int(std::lround(cells.center().x() - size.width() / 2.0)),
                  int(std::lround(cells.center().y() - size.height() / 2.0)));
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
