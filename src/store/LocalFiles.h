#pragma once
// What the local file browser lists and loads: the mounted file systems'
// roots, the folders of a folder, its "*.txt" files, and a file as page text.

#include "page/PageFile.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace sumire {

// The roots of the mounted file systems, as the system's mount table lists them.
QStringList mountedRoots();
// The drives to offer: the mounted roots, and always "/" and the drive of the
// working folder, which a chroot's or container's mount table may leave out.
QStringList driveRoots(const QString& workFolder, const QStringList& mounted = mountedRoots());
// The root of the mounted file system that holds `path`: the longest mounted
// root above it, or "/" when none is.
QString driveOf(const QString& path, const QStringList& mounted = mountedRoots());
QStringList subfolders(const QString& folder);
QStringList textFiles(const QString& folder);
// The folder's path, "/", the file's name; the separator is added even when
// the path already ends with one.
QString joinPath(const QString& folder, const QString& name);

// The page file that O.K loads, read as every page file is; its error says
// in the browser's own words why it could not be loaded.
PageFileText loadTextFile(const QString& path, qint64 maxBytes = kMaxPageBytes);

}  // namespace sumire
