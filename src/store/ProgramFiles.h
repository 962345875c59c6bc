#pragma once
// Where the program finds its own files and keeps the user's.
//
// The program's data folder holds the handset pictures, readme.txt and the
// sample pages. An installed program finds it beside itself (share/sumire
// next to bin/); a program run from its build tree uses the source tree
// (readme.txt, samples/) and its own folder, where the build copies the
// handset pictures.

#include <QString>
#include <QStringList>

namespace sumire {

// The pictures of the handset models 0, 1 and 2.
inline constexpr const char* kHandsetPictures[] = {"phone_01.jpg", "phone_02.jpg", "phone_03.jpg"};

// <program folder>/../share/sumire, as installed; empty when it is not there.
QString installedDataDir();
// The folders searched after the working folder, in order.
QStringList programDataDirs();

// A file of the program by name (phone_01.jpg, readme.txt): the one in the
// working folder, else the first one in `dataDirs`; when there is none, the
// working folder's path, so that the caller fails on the usual place.
QString findProgramFile(const QString& workDir, const QString& name, const QStringList& dataDirs = programDataDirs());

// The user's guide the help menu opens: the first `name`, in the working
// folder then in `dataDirs`, that is UTF-8 text, which the desktop's editors
// read; a guide of an older version in code page 932 is passed over. When none
// is UTF-8, the one findProgramFile gives.
QString findGuideFile(const QString& workDir, const QStringList& dataDirs = programDataDirs(),
                      const QString& name = QStringLiteral("readme.txt"));

// The working folder when none is given: the program's own folder, unless the
// program is installed or cannot write there; then the user's data folder
// (QStandardPaths::AppDataLocation), created if needed.
QString defaultWorkDir();

// The folder of the sample pages, or empty when there is none.
QString samplesDir(const QStringList& dataDirs = programDataDirs());

}  // namespace sumire
