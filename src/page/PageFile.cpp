#include "page/PageFile.h"

#include "page/TextCodec.h"

#include <QDir>
#include <QFileInfo>

namespace sumire {
namespace {

bool isShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

}  // namespace

PageFileText readPageFile(const QString& path, qint64 maxBytes) {
    const LocalBytes file = readLocalFile(path, maxBytes);
    if (!file.bytes) return {std::nullopt, file.error, file.failure, file.detail};
    return {replaceBase(decodePageBytes(*file.bytes), pageFolder(path)), {}};
}

QByteArray replaceBaseInBytes(const QByteArray& page, const QByteArray& base) {
    const QByteArray placeholder(kBasePlaceholder);
    QByteArray out;
    out.reserve(page.size());
    for (qsizetype i = 0; i < page.size();) {
        if (QByteArrayView(page).sliced(i).startsWith(placeholder)) {
            out += base;
            i += placeholder.size();
        } else if (isShiftJisLead(uchar(page[i])) && i + 1 < page.size()) {
            out += page.sliced(i, 2);
            i += 2;
        } else {
            out += page[i++];
        }
    }
    return out;
}

QString replaceBase(const QString& pageText, const QString& base) {
    return QString(pageText).replace(QLatin1String(kBasePlaceholder), base);
}

QString pageFolder(const QString& pagePath) {
    const QString folder = QFileInfo(pagePath).path();
    return QDir::fromNativeSeparators(folder);
}

}  // namespace sumire
