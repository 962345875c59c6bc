#include "Art.h"

#include <QFile>
#include <QStringList>

namespace sumire {

namespace {

const QString kRoot = QStringLiteral(":/sumire/art/");

// An icon from the sizes of `stem` found among the resources.
QIcon iconFromSizes(const QString& stem) {
    QIcon icon;
    for (const char* size : {"32", "16"}) {
        const QString path = kRoot + stem + QLatin1Char('-') + QLatin1String(size) + ".png";
        if (QFile::exists(path))
            icon.addFile(path);
    }
    return icon;
}

}  // namespace

QImage builtinHandsetPicture() {
    return QImage(kRoot + "handset.bmp").convertToFormat(QImage::Format_RGB888);
}

QIcon toolbarIcon(const QString& name) {
    static const QStringList known = {"network", "offline",       "open", "cut",
                                      "copy",    "paste",         "delete",
                                      "addBookmark", "editBookmarks", "help"};
    if (!known.contains(name))
        return {};
    return iconFromSizes(QStringLiteral("icons/") + name);
}

QPixmap telephoneBitmap() {
    return QPixmap(kRoot + "telephone.png");
}

QImage melodyIcon() {
    return QImage(kRoot + "melody.bmp");
}

QImage dataIcon() {
    return QImage(kRoot + "data.bmp");
}

QIcon programIcon() {
    return iconFromSizes(QStringLiteral("program"));
}

}  // namespace sumire
