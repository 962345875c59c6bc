#pragma once
// The files an export shares among its pages, in a folder of their own: the
// style sheet and the pictograph pictures, one PNG for each pictograph in
// each colour the pages draw it in (12 x 12, a pixel a dot, the rest clear),
// and the marks of private-use characters without a design (6 or 12 x 12).

#include <QByteArray>
#include <QString>
#include <set>
#include <utility>

class QImage;

namespace sumire {

class OutputFiles;

// A packed colour (red in the low byte) as six hex digits: "ff0000" for red.
QString hexColour(int packed);

// The picture as PNG; empty when it is null or the encoder fails.
QByteArray pngBytes(const QImage& image);

inline constexpr char kAssetsFolder[] = "assets";

class ArchiveAssets {
public:
    // The class of the style sheet that draws the pictograph; its picture
    // and rule are written by writeAll.
    QString pictograph(int code, int colour);
    // The same for the mark of a private-use character without a design, as
    // wide as the cells the character takes.
    QString mark(char16_t ch, int colour);

    // Writes the style sheet and every pictograph asked for into `folder`;
    // false with `error` set when a file cannot be written.
    bool writeAll(const OutputFiles& out, const QString& folder, QString* error) const;

private:
    std::set<std::pair<int, int>> pictographs_;
    std::set<std::pair<char16_t, int>> marks_;
};

}  // namespace sumire
