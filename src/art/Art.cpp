#include "Art.h"

#include <QFile>
#include <QHash>
#include <QStringList>

namespace sumire {

namespace {

const QString kRoot = QStringLiteral(":/sumire/art/");

// An icon from the sizes of `stem` found among the resources, read once:
// every window makes its toolbar from them.
QIcon iconFromSizes(const QString& stem) {
    // Kept to the end, never destroyed after the application; only the GUI
    // thread makes windows.
    static auto* const read = new QHash<QString, QIcon>;
    if (const auto found = read->constFind(stem); found != read->constEnd()) return *found;
    QIcon& icon = (*read)[stem];
    for (const char* size : {"32", "16"}) {
        const QString path = kRoot + stem + QLatin1Char('-') + QLatin1String(size) + ".png";
        if (QFile::exists(path)) icon.addFile(path);
    }
    return icon;
}

}  // namespace

QImage builtinHandsetPicture() {
    static const QImage picture = QImage(kRoot + "handset.bmp").convertToFormat(QImage::Format_RGB888);
    return picture;  // shared; a caller that paints on it gets its own copy
}

QIcon toolbarIcon(const QString& name) {
    static const QStringList known = {"network", "offline", "open",        "cut",           "copy",
                                      "paste",   "delete",  "addBookmark", "editBookmarks", "help"};
    if (!known.contains(name)) return {};
    return iconFromSizes(QStringLiteral("icons/") + name);
}

QPixmap telephoneBitmap() { return QPixmap(kRoot + "telephone.png"); }

// Decoded once: every page loaded for export or render sets both icons.
QImage melodyIcon() {
    static const QImage icon(kRoot + "melody.bmp");
    return icon;
}

QImage dataIcon() {
    static const QImage icon(kRoot + "data.bmp");
    return icon;
}

QIcon programIcon() { return iconFromSizes(QStringLiteral("program")); }

}  // namespace sumire
