// sumire export as a user runs it: quiet when standard error is a pipe or a
// file, a progress line when it is a terminal.

#include "ProgramRun.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::ProgramResult;
using test::RunSetup;

TEST(ExportCommand, APipedExportPrintsNothing) {
    QTemporaryDir dir;
    const ProgramResult r =
        test::runProgram({"export", SUMIRE_SOURCE_DIR "/samples", "-o", "out"}, test::headlessIn(dir.path()));
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("out/emoji.html")));
}

// `script` runs the program on a pseudo-terminal and copies what it printed.
TEST(ExportCommand, ATerminalShowsTheProgressLine) {
    const QString script = QStandardPaths::findExecutable("script");
    if (script.isEmpty()) GTEST_SKIP() << "script (bsdutils) is not installed";
    QTemporaryDir dir;
    RunSetup setup = test::headlessIn(dir.path());
    setup.program = script;
    const QString command =
        QStringLiteral("'%1' export '%2' -o out --text").arg(SUMIRE_PROGRAM, SUMIRE_SOURCE_DIR "/samples");
    const ProgramResult r = test::runProgram({"-qec", command, "/dev/null"}, setup);
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    const int pages = int(QDir(SUMIRE_SOURCE_DIR "/samples").entryList({"*.txt"}, QDir::Files).size());
    ASSERT_GT(pages, 3);
    const QString shown = QString::fromUtf8(r.out);
    EXPECT_TRUE(shown.contains(QStringLiteral("\rsumire: export: 1/%1, ").arg(pages))) << r.out.toStdString();
    EXPECT_TRUE(
        shown.contains(QRegularExpression(QStringLiteral("\rsumire: export: %1/%1, \\d+ pages/s *\r?\n").arg(pages))))
        << r.out.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("out/emoji.txt")));
}

}  // namespace
}  // namespace sumire
