// What render prints on standard error: on a terminal a bar drawn in place
// and a summary line, failures on rows of their own; on a pipe nothing when
// every page is written, the failures and the summary when one is not.

#include "ProgramRun.h"
#include "cli/RenderReport.h"
#include "text/ProgressLine.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::ProgramResult;
using test::RunSetup;
using test::samplePath;

// The rows a terminal shows for `output`: a carriage return goes back to the
// start of the row, and later characters take the places of earlier ones.
QStringList screenRows(const QString& output) {
    QStringList rows;
    for (const QString& line : output.split(u'\n')) {
        QString row;
        qsizetype column = 0;
        for (const QChar c : line) {
            if (c == u'\r') {
                column = 0;
                continue;
            }
            if (column < row.size()) row[column] = c;
            else row += c;
            ++column;
        }
        row = row.trimmed();
        if (!row.isEmpty()) rows << row;
    }
    return rows;
}

const QRegularExpression kSummary(QStringLiteral("^sumire: render: (\\d+) pages? written, (\\d+) failed, \\d+\\.\\d s$"));

// Expects `row` to be the summary with these counts.
void expectSummary(const QString& row, int written, int failed) {
    const QRegularExpressionMatch m = kSummary.match(row);
    ASSERT_TRUE(m.hasMatch()) << row.toStdString();
    EXPECT_EQ(m.captured(1).toInt(), written) << row.toStdString();
    EXPECT_EQ(m.captured(2).toInt(), failed) << row.toStdString();
}

TEST(RenderProgress, TheBarAndTheSummaryCountPagesRateAndTimeLeft) {
    EXPECT_EQ(renderProgressText(0, 100, 0.3), "sumire: render: [..........] 0/100");
    EXPECT_EQ(renderProgressText(40, 100, 0.5), "sumire: render: [####......] 40/100, 80 pages/s, 1 s left");
    EXPECT_EQ(renderProgressText(99, 100, 1.0), "sumire: render: [#########.] 99/100, 99 pages/s, 1 s left");
    EXPECT_EQ(renderProgressText(5, 1000, 2.0), "sumire: render: [..........] 5/1000, 2.5 pages/s, 7 min left");
    EXPECT_EQ(renderProgressText(1, 10000, 1.0), "sumire: render: [..........] 1/10000, 1.0 pages/s, 2 h 47 min left");
    EXPECT_EQ(renderProgressText(100, 100, 1.25), "sumire: render: [##########] 100/100, 80 pages/s");
    EXPECT_EQ(renderSummaryText(98, 2, 1.44), "sumire: render: 98 pages written, 2 failed, 1.4 s");
    EXPECT_EQ(renderSummaryText(1, 0, 0.04), "sumire: render: 1 page written, 0 failed, 0.0 s");
}

// A failure or a shorter text leaves nothing of the longer line before it.
TEST(RenderProgress, AFailureIsPrintedOnARowOfItsOwnAndTheBarDrawnAgain) {
    QString output;
    QTextStream err(&output);
    RenderReport report(err, 3, true);
    report.finished(1);
    report.failed("missing.txt: cannot read it");
    report.finished(2);
    report.failed(QString());  // written
    report.message("a warning");
    EXPECT_TRUE(screenRows(output).last().startsWith("sumire: render: [######....] 2/3, ")) << output.toStdString();
    report.finished(3);
    EXPECT_EQ(report.end(), 1);
    const QStringList rows = screenRows(output);
    ASSERT_EQ(rows.size(), 3) << output.toStdString();
    EXPECT_EQ(rows[0], "sumire: render: missing.txt: cannot read it");
    EXPECT_EQ(rows[1], "a warning");
    expectSummary(rows[2], 2, 1);

    QString lines;
    QTextStream shown(&lines);
    ProgressLine line(shown);
    line.show("a long line of progress");
    line.show("short");
    line.clear();
    shown << "message" << Qt::flush;
    EXPECT_EQ(screenRows(lines), QStringList{"message"});
}

TEST(RenderProgress, OffATerminalOrForOnePageOnlyFailuresAndTheirSummaryArePrinted) {
    for (const bool terminal : {false, true}) {
        QString output;
        QTextStream err(&output);
        RenderReport quiet(err, terminal ? 1 : 5, terminal);
        quiet.finished(1);
        EXPECT_EQ(quiet.end(), 0);
        EXPECT_TRUE(output.isEmpty()) << output.toStdString();

        RenderReport failing(err, terminal ? 1 : 5, terminal);
        failing.finished(1);
        failing.failed("page.txt: cannot read it");
        EXPECT_EQ(failing.end(), 1);
        EXPECT_FALSE(output.contains(u'\r')) << output.toStdString();
        const QStringList rows = screenRows(output);
        ASSERT_EQ(rows.size(), 2) << output.toStdString();
        EXPECT_EQ(rows[0], "sumire: render: page.txt: cannot read it");
        expectSummary(rows[1], terminal ? 0 : 4, 1);
    }
}

// The program as a user runs it, from a terminal (`script` gives it a
// pseudo-terminal and copies what it printed) or from a pipe.
class RenderRun : public ::testing::Test {
protected:
    void SetUp() override {
        setup_.environment = test::headlessUser(dir_.path());
        // A session's own runtime folder, as a desktop has: Qt says nothing of it.
        ASSERT_TRUE(QDir().mkpath(dir_.filePath("runtime")));
        QFile::setPermissions(dir_.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setup_.environment.insert("XDG_RUNTIME_DIR", dir_.filePath("runtime"));
        setup_.workingDirectory = dir_.path();
    }

    ProgramResult piped(const QStringList& arguments) { return test::runProgram(QStringList{"render"} + arguments, setup_); }

    static bool haveTerminal() { return !QStandardPaths::findExecutable("script").isEmpty(); }

    // What the terminal was sent.
    QString onTerminal(const QStringList& arguments) {
        QString command = QStringLiteral("'%1' render").arg(SUMIRE_PROGRAM);
        for (const QString& a : arguments) command += QStringLiteral(" '%1'").arg(a);
        RunSetup setup = setup_;
        setup.program = QStandardPaths::findExecutable("script");
        const ProgramResult r = test::runProgram({"-qec", command, "/dev/null"}, setup);
        exitCode_ = r.exitCode;
        return QString::fromUtf8(r.out);
    }

    int pagesWritten(const QString& folder) const {
        return int(QDir(dir_.filePath(folder)).entryList({"*.png"}, QDir::Files).size());
    }

    QTemporaryDir dir_;
    RunSetup setup_;
    int exitCode_ = -1;
};

TEST_F(RenderRun, ATerminalShowsTheBarOfEveryPageThenTheSummary) {
    if (!haveTerminal()) GTEST_SKIP() << "script (bsdutils) is not installed";
    const QString shown = onTerminal({SUMIRE_SOURCE_DIR "/samples", "-o", "out", "--crop", "lcd", "-j", "1"});
    EXPECT_EQ(exitCode_, 0) << shown.toStdString();
    const int pages = int(QDir(SUMIRE_SOURCE_DIR "/samples").entryList({"*.txt"}, QDir::Files).size());
    ASSERT_GT(pages, 3);
    EXPECT_EQ(pagesWritten("out"), pages);
    // Every drawing of the bar, from none done to all.
    const QRegularExpression bar(QStringLiteral("^sumire: render: \\[([#.]{10})\\] (\\d+)/%1(, \\d+(\\.\\d)? pages/s)?"
                                                "(, [\\d hmins]+ left)? *$").arg(pages));
    int next = 0;
    for (const QString& part : shown.split(QRegularExpression("[\r\n]"), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = bar.match(part);
        if (!m.hasMatch()) continue;
        const int done = m.captured(2).toInt();
        EXPECT_EQ(done, next++) << part.toStdString();
        EXPECT_EQ(m.captured(1).count(u'#'), done * 10 / pages) << part.toStdString();
        EXPECT_EQ(m.captured(3).isEmpty(), done == 0) << part.toStdString();  // a rate once a page is done
        EXPECT_EQ(m.captured(5).isEmpty(), done == 0 || done == pages) << part.toStdString();
    }
    EXPECT_EQ(next, pages + 1) << shown.toStdString();
    // The bar is gone; the summary is what stays.
    const QStringList rows = screenRows(shown);
    ASSERT_EQ(rows.size(), 1) << shown.toStdString();
    expectSummary(rows[0], pages, 0);
}

TEST_F(RenderRun, AFailingPageAmongManyIsNamedAndTheOthersWritten) {
    const QString missing = dir_.filePath("missing.txt");
    const QStringList pages{samplePath("mail.txt"), missing, samplePath("index.txt"), samplePath("blink.txt"),
                            samplePath("colors.txt")};
    if (!haveTerminal()) GTEST_SKIP() << "script (bsdutils) is not installed";
    for (const char* jobs : {"1", "2"}) {
        const QString out = QStringLiteral("out-%1").arg(jobs);
        const QString shown = onTerminal(pages + QStringList{"-o", out, "--crop", "lcd", "-j", jobs});
        EXPECT_EQ(exitCode_, 1) << shown.toStdString();
        EXPECT_EQ(pagesWritten(out), 4) << jobs;
        const QStringList rows = screenRows(shown);
        ASSERT_EQ(rows.size(), 2) << shown.toStdString();
        EXPECT_TRUE(rows[0].startsWith("sumire: render: ") && rows[0].contains(missing) &&
                    rows[0].contains("No such file"))
            << rows[0].toStdString();
        expectSummary(rows[1], 4, 1);
        for (int done = 0; done <= pages.size(); ++done)  // as the pages finish, in either order
            EXPECT_TRUE(shown.contains(QStringLiteral("] %1/%2").arg(done).arg(pages.size()))) << done;

        // The same run on a pipe: the same rows, no bar.
        const ProgramResult run = piped(pages + QStringList{"-o", out + "-piped", "--crop", "lcd", "-j", jobs});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_FALSE(run.err.contains('\r')) << run.err.constData();
        const QStringList lines = screenRows(QString::fromUtf8(run.err));
        ASSERT_EQ(lines.size(), 2) << run.err.constData();
        EXPECT_EQ(lines[0], rows[0]);
        expectSummary(lines[1], 4, 1);
        EXPECT_EQ(pagesWritten(out + "-piped"), 4) << jobs;
    }
}

TEST_F(RenderRun, WrittenPagesArePrintedNothingOnAPipeNorOnePageOnATerminal) {
    const ProgramResult run = piped({SUMIRE_SOURCE_DIR "/samples", "-o", "out", "--crop", "lcd", "-j", "2"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.isEmpty()) << run.err.constData();
    if (!haveTerminal()) GTEST_SKIP() << "script (bsdutils) is not installed";
    const QString shown = onTerminal({samplePath("index.txt"), "-o", "one.png"});
    EXPECT_EQ(exitCode_, 0);
    EXPECT_TRUE(shown.isEmpty()) << shown.toStdString();
    EXPECT_TRUE(QFileInfo(dir_.filePath("one.png")).isFile());
}

}  // namespace
}  // namespace sumire
