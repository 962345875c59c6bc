#include "export/ArchiveAssets.h"

#include "art/Pictographs.h"
#include "display/CellWidth.h"
#include "export/FileWrite.h"
#include "export/OutputFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <functional>
#include <vector>

namespace sumire {
namespace {

const char kStyleSheet[] = R"css(body{margin:1.5em;font-family:sans-serif;background:#f3f1f6;color:#222}
header dl{display:grid;grid-template-columns:max-content auto;gap:.2em 1em;margin:0 0 1em}
header dt{color:#666}
header dd{margin:0}
.lcd{position:relative;overflow:hidden;font-family:"IPAGothic",monospace;box-shadow:inset 0 0 0 var(--fw) #000}
.rows{position:absolute}
.r{height:var(--lh);line-height:var(--lh);white-space:pre}
.r i,.r b,.cn{display:inline-block;vertical-align:top;height:var(--lh);overflow:visible;font-style:normal;font-weight:normal}
.r i{width:var(--cw)}
.r b{width:calc(2*var(--cw))}
.r .p{color:transparent;overflow:hidden;background-repeat:no-repeat;background-position:center;background-size:var(--pd) var(--pd);image-rendering:pixelated}
.r .h{background-size:calc(var(--pd)/2) var(--pd)}
.bl{animation:sumire-blink 2s step-end infinite}
@keyframes sumire-blink{50%{visibility:hidden}}
@media (prefers-reduced-motion:reduce){.bl{animation:none}}
.pic{position:absolute;image-rendering:pixelated}
.links{list-style:none;padding:0}
.links .key{display:inline-block;min-width:2em;font-weight:bold}
.links a.missing{color:#888;text-decoration:line-through}
.downloads{list-style:none;padding:0}
.downloads img{height:32px;vertical-align:middle;margin-right:.4em;image-rendering:pixelated}
.search input{font-size:1.1em;width:20em;max-width:90%}
.results li{margin:.2em 0}
.counts,.hosts{margin:.5em 0}
details pre{white-space:pre-wrap;background:#fff;padding:.5em;border:1px solid #ccc}
.pages{list-style:none;padding:0;display:flex;flex-wrap:wrap;gap:1.5em}
.pages a{display:block;color:inherit;text-decoration:none;max-width:16em}
.pages .name{display:block;margin-top:.4em;font-weight:bold}
)css";

QString pictographName(int code, int colour) {
    return QStringLiteral("p/%1-%2.png").arg(code, 2, 10, QLatin1Char('0')).arg(hexColour(colour));
}

// Four hex digits: no pictograph's two decimal ones.
QString markName(char16_t ch, int colour) {
    return QStringLiteral("p/%1-%2.png").arg(int(ch), 4, 16, QLatin1Char('0')).arg(hexColour(colour));
}

// "p/01-ff0000.png" is drawn by the class "q01-ff0000".
QString className(const QString& file) { return u'q' + QFileInfo(file).completeBaseName(); }

template <typename DotSet>
QByteArray dotsPng(int width, int height, int colour, DotSet isSet) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRgb ink = qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (isSet(x, y)) image.setPixel(x, y, ink);
    return pngBytes(image);
}

QByteArray pictographPng(int code, int colour) {
    return dotsPng(kPictographSize, kPictographSize, colour,
                   [code](int x, int y) { return pictographDot(code, x, y); });
}

QByteArray markPng(char16_t ch, int colour) {
    const int cells = cellWidth(ch);
    return dotsPng(markWidth(cells), kMarkHeight, colour,
                   [ch, cells](int x, int y) { return markDot(ch, cells, x, y); });
}

bool writePng(const OutputFiles& out, const QString& path, const QByteArray& png, QString* error) {
    if (!png.isEmpty()) return out.write(path, png, error);
    *error = QStringLiteral("cannot write %1: the PNG encoder failed").arg(path);
    return false;
}

}  // namespace

QString hexColour(int packed) {
    const int rgb = ((packed & 0xFF) << 16) | (packed & 0xFF00) | ((packed >> 16) & 0xFF);
    return QStringLiteral("%1").arg(rgb, 6, 16, QLatin1Char('0'));
}

QByteArray pngBytes(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
    return png;
}

QString ArchiveAssets::mark(char16_t ch, int colour) {
    marks_.insert({ch, colour});
    return className(markName(ch, colour));
}

QString ArchiveAssets::pictograph(int code, int colour) {
    pictographs_.insert({code, colour});
    return className(pictographName(code, colour));
}

bool ArchiveAssets::writeAll(const OutputFiles& out, const QString& folder, QString* error) const {
    // Each picture asked for and what draws it; the style sheet has a rule for each.
    std::vector<std::pair<QString, std::function<QByteArray()>>> pictures;
    for (const auto& [code, colour] : pictographs_)
        pictures.emplace_back(pictographName(code, colour), std::bind(pictographPng, code, colour));
    for (const auto& [ch, colour] : marks_) pictures.emplace_back(markName(ch, colour), std::bind(markPng, ch, colour));
    QByteArray sheet(kStyleSheet);
    for (const auto& [file, png] : pictures)
        sheet += '.' + className(file).toLatin1() + "{background-image:url(" + file.toLatin1() + ")}\n";
    const QDir dir(folder);
    if (!out.write(dir.filePath(QStringLiteral("sumire.css")), sheet, error)) return false;
    for (const auto& [file, png] : pictures)
        if (!writePng(out, dir.filePath(file), png(), error)) return false;
    return true;
}

}  // namespace sumire
