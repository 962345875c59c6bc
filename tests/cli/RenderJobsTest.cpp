// render -j N: worker processes write the same files as one process, report
// failing pages in the order given while the others are written, and a
// worker that dies fails its page without losing any other.

#include "ProgramRun.h"
#include "TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::ProgramResult;
using test::readFile;
using test::RunSetup;
using test::samplePath;

ProgramResult render(const QTemporaryDir& dir, const QStringList& arguments, const QString& crashOn = QString()) {
    RunSetup setup = test::headlessIn(dir.path());
    if (!crashOn.isEmpty()) {
        setup.program = SUMIRE_CRASHING_PROGRAM;
        setup.environment.insert("SUMIRE_TEST_CRASH_ON", crashOn);
    }
    return test::runProgram(QStringList{"render"} + arguments, setup);
}

// Every file under `folder` by its relative path, with its bytes.
QMap<QString, QByteArray> filesUnder(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        files[QDir(folder).relativeFilePath(file)] = readFile(file);
    }
    return files;
}

// The sample pages, and copies of some in a subfolder, as one site.
void writeSite(const QString& site) {
    ASSERT_TRUE(QDir().mkpath(site + "/sub"));
    for (const QString& file : QDir(samplePath("")).entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(samplePath(file), site + "/" + file));
    for (const char* page : {"mail.txt", "blink.txt", "attach.txt"})
        ASSERT_TRUE(QFile::copy(samplePath(page), site + "/sub/" + page));
}

TEST(RenderJobs, WorkersWriteTheSameFilesAsOneProcess) {
    QTemporaryDir dir;
    writeSite(dir.filePath("site"));
    for (const QStringList& options : {QStringList{"--crop", "lcd"}, QStringList{"--model", "2"}}) {
        const ProgramResult one = render(dir, QStringList{"site", "-j", "1", "-o", "one"} + options);
        const ProgramResult two = render(dir, QStringList{"site", "-j", "2", "-o", "two"} + options);
        ASSERT_EQ(one.exitCode, 0) << one.err.constData();
        ASSERT_EQ(two.exitCode, 0) << two.err.constData();
        const QMap<QString, QByteArray> fromOne = filesUnder(dir.filePath("one"));
        EXPECT_EQ(fromOne.size(), 10);  // seven samples and three copies
        EXPECT_TRUE(fromOne.contains("sub/attach.png"));
        EXPECT_EQ(filesUnder(dir.filePath("two")), fromOne) << qPrintable(options.join(' '));
        QDir(dir.filePath("one")).removeRecursively();
        QDir(dir.filePath("two")).removeRecursively();
    }
}

// Without a runtime folder of the user's, Qt warns in every process that
// looks for it. The workers are given the one the program chose, so four
// workers add at most the program's own second look, not four warnings.
TEST(RenderJobs, WorkersDoNotRepeatTheRuntimeFolderWarning) {
    QTemporaryDir dir;
    writeSite(dir.filePath("site"));
    const auto warnings = [&](const QString& jobs) {
        RunSetup setup = test::headlessIn(dir.path());
        setup.environment.remove("XDG_RUNTIME_DIR");
        const ProgramResult r = test::runProgram({"render", "site", "-j", jobs, "-o", "out" + jobs}, setup);
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        return r.err.count("XDG_RUNTIME_DIR not set");
    };
    const qsizetype alone = warnings("1");
    EXPECT_LE(warnings("4"), alone + 1);
}

TEST(RenderJobs, FailingPagesAreReportedInTheirOrderAndTheOthersWritten) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.txt");
    // A folder where a page's picture should go: that write fails.
    ASSERT_TRUE(QDir().mkpath(dir.filePath("out/index.png")));
    const ProgramResult run =
        render(dir, {samplePath("mail.txt"), missing, samplePath("colors.txt"), samplePath("index.txt"),
                     samplePath("blink.txt"), "-j", "2", "-o", "out", "--crop", "lcd"});
    EXPECT_EQ(run.exitCode, 1);
    QList<QByteArray> lines;  // the program's own; Qt may warn of the missing XDG_RUNTIME_DIR
    for (const QByteArray& line : run.err.split('\n'))
        if (line.startsWith("sumire: ")) lines << line;
    ASSERT_EQ(lines.size(), 3) << run.err.constData();
    EXPECT_TRUE(lines[0].contains(missing.toUtf8())) << lines[0].constData();
    EXPECT_TRUE(lines[1].contains("index.txt") && lines[1].contains("cannot write")) << lines[1].constData();
    EXPECT_TRUE(lines[2].startsWith("sumire: render: 3 pages written, 2 failed, ")) << lines[2].constData();
    for (const char* written : {"mail.png", "colors.png", "blink.png"})
        EXPECT_TRUE(QFileInfo(dir.filePath("out/") + written).isFile()) << written;
}

TEST(RenderJobs, AWorkerThatCrashesFailsItsPageAndTheOthersAreWritten) {
    QTemporaryDir dir;
    writeSite(dir.filePath("site"));
    const ProgramResult run = render(dir, {"site", "-j", "2", "-o", "out", "--crop", "lcd"}, "colors.txt");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("colors.txt: the worker drawing it crashed")) << run.err.constData();
    const QMap<QString, QByteArray> written = filesUnder(dir.filePath("out"));
    EXPECT_EQ(written.size(), 9);
    EXPECT_FALSE(written.contains("colors.png"));
    EXPECT_TRUE(written.contains("sub/mail.png") && written.contains("index.png"));
}

}  // namespace
}  // namespace sumire
