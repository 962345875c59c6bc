// DecodeBase64 over arbitrary text; on standard Base64 it must agree with
// Qt's decoder.

#include "page/Base64.h"

#include <QByteArray>
#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = QString::fromLatin1(bytes);
    const std::optional<QByteArray> decoded = sumire::DecodeBase64(text);
    const auto standard =
        QByteArray::fromBase64Encoding(bytes, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    // Strict standard Base64 with full quads and at least one byte.
    if (standard && bytes.size() % 4 == 0 && !standard.decoded.isEmpty() &&
        bytes.toBase64() == QByteArray(standard.decoded).toBase64() && decoded != standard.decoded)
        __builtin_trap();
    return 0;
}
