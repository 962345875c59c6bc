#pragma once
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

namespace sumire {

// Fills a file being written; false when it could not (the device's error
// string, or its own, says why).
using FileFiller = std::function<bool(QIODevice&)>;

// A new file beside the old one, renamed over it: a reader sees the old file
// or the whole new one, never a part. Not forced to the disk: archives and
// rendered pictures are made again from their pages, and a sync a file would
// cost most of the time. `error` gets the reason alone.
bool replaceFile(const QString& path, const QByteArray& bytes, QString* error);
bool replaceFile(const QString& path, const FileFiller& fill, QString* error);

// Writes the file whole or not at all, making its folder first; a file that
// already holds these bytes is left alone;
// an earlier file of that name stays as it was when the write fails.
bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* error);
bool writeWholeFile(const QString& path, const FileFiller& fill, QString* error);

}  // namespace sumire
