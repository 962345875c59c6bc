#pragma once
// The files an export shares among its pages, in a folder of their own: the
// style sheet and the pictograph pictures, one PNG for each pictograph in
// each colour the pages draw it in (12 x 12, a pixel a dot, the rest clear).

#include <QByteArray>
#include <QString>
#include <set>
#include <utility>

namespace sumire {

inline constexpr char kAssetsFolder[] = "assets";

class ArchiveAssets {
public:
    // The asset's path inside the assets folder; the picture is written by
    // writeAll.
    QString pictograph(int code, int colour);

    // Writes the style sheet and every pictograph asked for into `folder`;
    // false with `error` set when a file cannot be written.
    bool writeAll(const QString& folder, QString* error) const;

    static QByteArray styleSheet();
    static QByteArray pictographPng(int code, int colour);

private:
    std::set<std::pair<int, int>> pictographs_;
};

}  // namespace sumire
