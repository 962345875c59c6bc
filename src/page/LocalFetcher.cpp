#include "page/LocalFetcher.h"

#include "page/LocalRead.h"

namespace sumire {

bool isNetworkAddress(const QString& address) {
    return address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

FetchResult LocalFetcher::fetch(const QString& address) {
    const QString path = localPathOf(address);
    FetchResult result;
    if (path.isEmpty()) {
        result.error = QStringLiteral("cannot read %1: no file name").arg(address);
        return result;
    }
    LocalBytes read = readRegularFile(path, maxBytes_);
    result.ok = read.bytes.has_value();
    result.body = read.bytes.value_or(QByteArray());
    result.error = read.error;
    return result;
}

}  // namespace sumire
