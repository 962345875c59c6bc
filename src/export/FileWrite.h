#pragma once
#include <QByteArray>
#include <QString>

namespace sumire {

// Writes the file whole or not at all, making its folder first; a file that
// already holds these bytes is left alone;
// an earlier file of that name stays as it was when the write fails.
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error);

}  // namespace sumire
