#pragma once
// Base64 of embedded attachments, with the decoder's own rules for the output
// length, padding and characters outside the alphabet.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace sumire {

void DecodeBase64Quad(const uint8_t quad[4], uint8_t triple[3]);

// The decoded bytes, or nothing when a decoded quad holds a character outside
// the alphabet or the result would be empty.
std::optional<QByteArray> DecodeBase64(QStringView text);

// The text without any carriage return or line feed.
QString StripLineBreaks(QStringView text);

}  // namespace sumire
