#include "page/LocalFetcher.h"

#include "page/LocalRead.h"

namespace sumire {

bool isNetworkAddress(const QString& address) {
    return address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

FetchResult LocalFetcher::fetch(const QString& address) {
    const LocalBytes read = readLocalFile(address, maxBytes_);
    FetchResult result;
    result.ok = read.bytes.has_value();
    result.body = read.bytes.value_or(QByteArray());
    result.error = read.error;
    return result;
}

}  // namespace sumire
