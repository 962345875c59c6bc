// Draws the viewer's built-in pictures and handset pictures into assets/, or
// proof sheets of them.
//
//   sumire_art_tool write <assets-dir>
//   sumire_art_tool sheets <assets-dir> <output-prefix>

#include "Artwork.h"
#include "ContactSheet.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

namespace {

using namespace sumire::tool;

bool save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    if (image.save(path, format, quality)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool writeAssets(const QString& dir) {
    if (!QDir().mkpath(dir + "/icons")) {
        std::fprintf(stderr, "cannot create %s/icons\n", qPrintable(dir));
        return false;
    }
    bool ok = save(plainHandset(), dir + "/handset.bmp", "BMP");
    for (int model = 0; model < 3; ++model)
        ok &= save(handsetModel(model), dir + QString("/phone_%1.jpg").arg(model + 1, 2, 10, QChar('0')), "JPG", 95);
    const struct {
        const char* name;
        QImage (*draw)(bool);
    } icons[] = {
        {"network", networkIcon},     {"offline", offlineIcon},         {"open", openIcon},
        {"addBookmark", redBookIcon}, {"editBookmarks", bookShelfIcon}, {"help", helpIcon},
    };
    for (const auto& icon : icons) {
        ok &= save(icon.draw(true), dir + "/icons/" + icon.name + "-32.png", "PNG");
        ok &= save(icon.draw(false), dir + "/icons/" + icon.name + "-16.png", "PNG");
    }
    ok &= save(cutBitmap(), dir + "/icons/cut-16.png", "PNG");
    ok &= save(copyBitmap(), dir + "/icons/copy-16.png", "PNG");
    ok &= save(pasteBitmap(), dir + "/icons/paste-16.png", "PNG");
    ok &= save(deleteBitmap(), dir + "/icons/delete-16.png", "PNG");
    ok &= save(telephoneBitmap(), dir + "/telephone.png", "PNG");
    ok &= save(melodyPicture(), dir + "/melody.bmp", "BMP");
    ok &= save(dataPicture(), dir + "/data.bmp", "BMP");
    ok &= save(programIcon(true), dir + "/program-32.png", "PNG");
    ok &= save(programIcon(false), dir + "/program-16.png", "PNG");
    for (int size : {48, 128, 256}) ok &= save(programIconAt(size), dir + QString("/program-%1.png").arg(size), "PNG");
    return ok;
}

bool writeSheets(const QString& assets, const QString& prefix) {
    return save(pictographSheet(0, 48), prefix + "-pictographs-1.png", "PNG") &&
           save(pictographSheet(48, 47), prefix + "-pictographs-2.png", "PNG") &&
           save(handsetSheet(assets), prefix + "-handsets.png", "PNG") &&
           save(iconSheet(assets), prefix + "-icons.png", "PNG");
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "write") return writeAssets(args[2]) ? 0 : 1;
    if (args.size() == 4 && args[1] == "sheets") return writeSheets(args[2], args[3]) ? 0 : 1;
    std::fprintf(stderr,
                 "usage: sumire_art_tool write <assets-dir>\n"
                 "       sumire_art_tool sheets <assets-dir> <output-prefix>\n");
    return 2;
}
