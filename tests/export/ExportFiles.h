#pragma once
// Pages written into a temporary folder and exported from there.

#include "export/ArchiveExport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTextStream>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire::exporttest {

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

inline QString readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

struct ExportRun {
    int status = -1;
    QString err;
};

inline ExportRun exportPages(const ExportOptions& options) {
    ExportRun run;
    QTextStream err(&run.err);
    run.status = runExport(options, err);
    return run;
}

}  // namespace sumire::exporttest
