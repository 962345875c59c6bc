// What render and export write when the pages, the disk or the user are
// against them: never a file they read, never a picture larger than they can
// make, never a success after a failed write, nothing left behind when
// stopped, and no link in an export that a browser would run as script.

#include "ProgramRun.h"
#include "TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <gtest/gtest.h>
#include <csignal>

namespace sumire {
namespace {

using test::ProgramResult;
using test::readFile;
using test::RunSetup;
using test::writeFile;

const QByteArray kPage = "Subject: t\r\n<BL>blink</BL> <#HEART>\r\n";

RunSetup in(const QTemporaryDir& dir) {
    RunSetup setup = test::headlessIn(dir.path());
    setup.environment.insert("TMPDIR", dir.filePath("tmp"));
    setup.environment.insert("XDG_RUNTIME_DIR", dir.filePath("run"));
    QDir().mkpath(dir.filePath("tmp"));
    QDir().mkpath(dir.filePath("run"));
    QFile::setPermissions(dir.filePath("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return setup;
}

// The program under a file-size limit of `blocks` KiB, as `ulimit -f` sets it.
ProgramResult runLimited(const QTemporaryDir& dir, int blocks, const QStringList& arguments) {
    RunSetup setup = in(dir);
    setup.program = "bash";
    return test::runProgram(
        QStringList{"-c", QStringLiteral("ulimit -f %1; QT_QPA_PLATFORM=offscreen exec \"$0\" \"$@\"").arg(blocks),
                    RunSetup::builtViewer()} +
            arguments,
        setup);
}

// Every file under the folder, relative, but the program's own settings.
QStringList leftOver(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir(folder).relativeFilePath(it.next());
    return files;
}

TEST(OutputSafety, NoCommandWritesOverAFileItReads) {
    const struct {
        QStringList arguments;
        const char* read;  // the file that must stay as it was
    } cases[] = {
        {{"render", "page.txt", "-o", "page.txt"}, "page.txt"},
        {{"render", "./page.txt", "-o", "sub/../page.txt"}, "page.txt"},
        {{"render", "page.png"}, "page.png"},                      // the default output name
        {{"render", "page.png", "-j", "2", "b.txt"}, "page.png"},  // in a worker
        {{"render", "page.png", "out/page.png", "-o", "out"}, "out/page.png"},
        {{"render", "page.txt", "-o", "link.png"}, "page.txt"},  // a link to the page
        {{"export", "index.html", "-o", "."}, "index.html"},
        {{"export", "assets/sumire.css", "-o", "."}, "assets/sumire.css"},
        {{"export", "page.txt", "--text", "-o", "."}, "page.txt"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        for (const char* name : {"page.txt", "page.png", "b.txt", "out/page.png", "index.html", "assets/sumire.css"})
            writeFile(dir.filePath(name), kPage);
        QDir().mkpath(dir.filePath("sub"));
        QFile::link("page.txt", dir.filePath("link.png"));
        const ProgramResult r = test::runProgram(c.arguments, in(dir));
        const QString what = c.arguments.join(' ');
        EXPECT_EQ(r.exitCode, 1) << what.toStdString() << r.err.toStdString();
        EXPECT_EQ(readFile(dir.filePath(c.read)), kPage) << what.toStdString();
        EXPECT_TRUE(r.err.contains("which this command reads") || r.err.contains("a file this command reads"))
            << what.toStdString() << r.err.toStdString();
    }
}

TEST(OutputSafety, APictureTooLargeIsRefusedBeforeDrawingWithItsLimit) {
    QTemporaryDir dir;
    writeFile(dir.filePath("long.txt"), "a\r\n" + QByteArray("a\r\n").repeated(80000));
    writeFile(dir.filePath("short.txt"), kPage);
    const struct {
        QStringList options;
        const char* limit;
    } cases[] = {
        {{"--full"}, "PNG takes at most 1000000 pixels a side"},
        {{"--full", "--scale", "8"}, "PNG takes at most 1000000 pixels a side"},
        {{"--full", "--animate"}, "WebP takes at most 16383 pixels a side"},
        {{"--full", "--animate", "--scale", "3"}, "WebP takes at most 16383 pixels a side"},
    };
    for (const auto& c : cases) {
        QDir(dir.filePath("out")).removeRecursively();
        const ProgramResult r =
            test::runProgram(QStringList{"render", "long.txt", "short.txt", "-o", "out"} + c.options, in(dir));
        const std::string what = c.options.join(' ').toStdString();
        EXPECT_EQ(r.exitCode, 1) << what;
        EXPECT_TRUE(r.err.contains("long.txt: a picture of ")) << what << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.limit)) << what << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("1 page written, 1 failed")) << what << r.err.toStdString();
        const QStringList written = QDir(dir.filePath("out")).entryList(QDir::Files | QDir::Hidden);
        EXPECT_EQ(written.size(), 1) << what << written.join(' ').toStdString();
    }
    // Within the memory a picture may take, the taller side still fits PNG.
    writeFile(dir.filePath("mid.txt"), QByteArray("a\r\n").repeated(3000));
    const ProgramResult r = test::runProgram({"render", "mid.txt", "--full", "--scale", "8"}, in(dir));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("pixels fit the 384 MiB a picture may take")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("mid.png")));
}

TEST(OutputSafety, AWritePastTheFileSizeLimitFailsItsPageAndLeavesNothing) {
    const struct {
        QStringList arguments;
        const char* failure;
        int exitCode = 1;
    } cases[] = {
        {{"render", "page.txt", "-j", "1", "-o", "out/page.png"}, "page.txt: cannot write"},
        {{"render", "page.txt", "b.txt", "-j", "2", "-o", "out"}, "2 failed"},
        {{"render", "page.txt", "--animate", "-o", "out/page.webp"}, "File too large"},
        {{"export", "page.txt", "-o", "out"}, "cannot write"},
        {{"export", "page.txt", "--text", "-o", "out"}, "File too large"},
        // The viewer saving a bookmark: the old file stays, the script goes on.
        {{"--workdir", ".", "--script", "s.txt"}, "", 0},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        writeFile(dir.filePath("page.txt"), kPage + QByteArray("text\r\n").repeated(400));
        writeFile(dir.filePath("b.txt"), "x\r\n");
        writeFile(dir.filePath("bookmark.txt"), kPage);
        writeFile(dir.filePath("s.txt"), "click book3\nset Form2.Text1 http://y/" + QByteArray(3000, 'y') +
                                             "\nset Form2.Text2 t\nclick Form2.Command1\ndump\n");
        QDir().mkpath(dir.filePath("out"));
        const ProgramResult r = runLimited(dir, 1, c.arguments);
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(r.exitCode, c.exitCode) << what << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.failure)) << what << r.err.toStdString();
        EXPECT_EQ(readFile(dir.filePath("bookmark.txt")), kPage) << what;
        for (const QString& file : leftOver(dir.filePath("out")))
            EXPECT_FALSE(file.contains(QRegularExpression("page\\.|\\.sumire-export|\\.[A-Za-z0-9]{6}$")))
                << what << " left " << file.toStdString();
        EXPECT_TRUE(leftOver(dir.filePath("tmp")).isEmpty()) << what;
    }
}

// Started, stopped by `signal` once its temporary folder (`made`, a pattern
// under the test's folder) exists, and then waited for.
int stopped(const QTemporaryDir& dir, const QStringList& arguments, const QString& made, int signal) {
    QProcess program;
    const RunSetup setup = in(dir);
    program.setProcessEnvironment(setup.environment);
    program.setWorkingDirectory(dir.path());
    program.start(RunSetup::builtViewer(), arguments);
    if (!program.waitForStarted()) return -2;
    const QFileInfo pattern(dir.filePath(made));
    QElapsedTimer clock;
    clock.start();
    while (pattern.dir().entryList({pattern.fileName()}, QDir::AllEntries | QDir::Hidden).isEmpty() &&
           clock.elapsed() < 60000 && program.state() == QProcess::Running)
        QThread::msleep(2);
    QThread::msleep(50);
    ::kill(pid_t(program.processId()), signal);
    program.waitForFinished(60000);
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
}

TEST(OutputSafety, AStoppedCommandRemovesItsTemporaryFilesAndSaysHow) {
    const struct {
        QStringList arguments;
        const char* made;
        int signal, exitCode;
    } cases[] = {
        {{"render", "pages", "-j", "1", "-o", "out"}, "tmp/Sumire-*", SIGTERM, 143},
        {{"render", "pages", "-j", "2", "-o", "out"}, "tmp/Sumire-*", SIGINT, 130},
        {{"render", "pages", "-j", "2", "-o", "out"}, "tmp/Sumire-*", SIGTERM, 143},
        {{"export", "pages", "-o", "out"}, "out/.sumire-export-*", SIGINT, 130},
        {{"export", "pages", "-o", "out"}, "out/.sumire-export-*", SIGTERM, 143},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        for (int n = 0; n < 40; ++n)
            writeFile(dir.filePath(QStringLiteral("pages/%1.txt").arg(n)), QByteArray("a\r\n").repeated(20000));
        const std::string what = c.arguments.join(' ').toStdString();
        EXPECT_EQ(stopped(dir, c.arguments, c.made, c.signal), c.exitCode) << what;
        QThread::msleep(300);  // workers end after the parent
        EXPECT_TRUE(leftOver(dir.filePath("tmp")).isEmpty())
            << what << leftOver(dir.filePath("tmp")).join(' ').toStdString();
        for (const QString& file : leftOver(dir.filePath("out")))
            EXPECT_FALSE(file.contains(QRegularExpression("\\.sumire-export|\\.[A-Za-z0-9]{6}$")))
                << what << " left " << file.toStdString();
    }
}

// Every link of the archive is a path inside it, percent-encoded, that a
// browser cannot take for an address with a scheme, and names a file there.
TEST(OutputSafety, ExportedLinksAreRelativePathsWhateverThePagesAreNamed) {
    QTemporaryDir dir;
    const QStringList names{"javascript:alert(document.domain).txt",
                            "data:text,x.txt",
                            "a b#?%.txt",
                            "日本語.txt",
                            "sub/vbscript:x.txt",
                            "-x.txt"};
    for (const QString& name : names)
        writeFile(dir.filePath("pages/" + name), "Subject: t\r\n<#HEART>\r\nSEL=1;javascript:alert(1).txt\r\n");
    const ProgramResult r = test::runProgram({"export", "pages", "-o", "out"}, in(dir));
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    static const QRegularExpression link("(?:src|href)=\"([^\"]*)\"");
    int links = 0;
    QDirIterator it(dir.filePath("out"), {"*.html"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString html = QString::fromUtf8(readFile(file));
        for (auto m = link.globalMatch(html); m.hasNext(); ++links) {
            const QString href = m.next().captured(1);
            EXPECT_TRUE(href.startsWith("./") || href.startsWith("../"))
                << file.toStdString() << ": " << href.toStdString();
            EXPECT_FALSE(href.section('/', 0, 0).contains(':')) << href.toStdString();
            const QString target = QUrl::fromPercentEncoding(href.toUtf8());
            EXPECT_TRUE(QFile::exists(QFileInfo(file).dir().filePath(target))) << href.toStdString();
        }
    }
    EXPECT_GE(links, 3 * int(names.size()));
}

}  // namespace
}  // namespace sumire
