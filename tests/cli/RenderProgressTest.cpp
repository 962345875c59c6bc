// What render prints on standard error: on a terminal (`script` gives it a
// pseudo-terminal and copies what it printed) a bar drawn in place, failures
// on rows of their own and a summary line; on a pipe nothing when every page
// is written, else the failures and the summary.

#include "ProgramRun.h"
#include "cli/RenderReport.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::ProgramResult;
using test::samplePath;

// The rows a terminal shows: a carriage return goes back to the row's start.
QStringList screenRows(const QString& output) {
    QStringList rows;
    for (const QString& line : output.split(u'\n')) {
        QString row;
        for (qsizetype i = 0, column = 0; i < line.size(); ++i) {
            if (line[i] == u'\r') column = 0;
            else if (column < row.size()) row[column++] = line[i];
            else row += line[i], ++column;
        }
        if (!row.trimmed().isEmpty()) rows << row.trimmed();
    }
    return rows;
}

void expectSummary(const QString& row, int written, int failed) {
    EXPECT_TRUE(
        QRegularExpression(
            QStringLiteral("^sumire: render: %1 pages written, %2 failed, \\d+\\.\\d s$").arg(written).arg(failed))
            .match(row)
            .hasMatch())
        << row.toStdString();
}

TEST(RenderProgress, TheBarCountsPagesRateAndTimeLeft) {
    EXPECT_EQ(renderProgressText(0, 100, 0.3), "sumire: render: [..........] 0/100");
    EXPECT_EQ(renderProgressText(40, 100, 0.5), "sumire: render: [####......] 40/100, 80 pages/s, 1 s left");
    EXPECT_EQ(renderProgressText(5, 1000, 2.0), "sumire: render: [..........] 5/1000, 2.5 pages/s, 7 min left");
    EXPECT_EQ(renderProgressText(1, 10000, 1.0), "sumire: render: [..........] 1/10000, 1.0 pages/s, 2 h 47 min left");
    EXPECT_EQ(renderProgressText(100, 100, 1.25), "sumire: render: [##########] 100/100, 80 pages/s");
    EXPECT_EQ(renderSummaryText(1, 2, 1.44), "sumire: render: 1 page written, 2 failed, 1.4 s");
}

class RenderOutput : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("script").isEmpty()) GTEST_SKIP() << "script (bsdutils) is not installed";
        setup_.environment = test::headlessUser(dir_.path());
        // A session's runtime folder, as on a desktop, so that Qt warns of nothing.
        ASSERT_TRUE(QDir().mkpath(dir_.filePath("run")));
        QFile::setPermissions(dir_.filePath("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setup_.environment.insert("XDG_RUNTIME_DIR", dir_.filePath("run"));
        setup_.workingDirectory = dir_.path();
    }
    ProgramResult piped(const QStringList& arguments) {
        return test::runProgram(QStringList{"render"} + arguments, setup_);
    }
    ProgramResult onTerminal(const QStringList& arguments) {
        QString command = QStringLiteral("'%1' render").arg(SUMIRE_PROGRAM);
        for (const QString& a : arguments) command += QStringLiteral(" '%1'").arg(a);
        test::RunSetup setup = setup_;
        setup.program = QStandardPaths::findExecutable("script");
        return test::runProgram({"-qec", command, "/dev/null"}, setup);
    }
    int written(const QString& folder) const { return int(QDir(dir_.filePath(folder)).entryList({"*.png"}).size()); }

    QTemporaryDir dir_;
    test::RunSetup setup_;
};

TEST_F(RenderOutput, ATerminalShowsTheBarAsPagesFinishThenOnlyTheSummary) {
    const ProgramResult r = onTerminal({SUMIRE_SOURCE_DIR "/samples", "-o", "out", "--crop", "lcd", "-j", "1"});
    const QString shown = QString::fromUtf8(r.out);
    EXPECT_EQ(r.exitCode, 0) << r.out.constData();
    const int pages = written("out");
    ASSERT_GT(pages, 3);
    const QRegularExpression bar(
        QStringLiteral("^sumire: render: \\[([#.]{10})\\] (\\d+)/%1(, [\\d.]+ pages/s)?(, [\\d hmins]+ left)? *$")
            .arg(pages));
    int next = 0;  // every drawing of the bar, from no page done to all
    for (const QString& part : shown.split(QRegularExpression("[\r\n]"), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = bar.match(part);
        if (!m.hasMatch()) continue;
        const int done = m.captured(2).toInt();
        EXPECT_EQ(done, next++) << part.toStdString();
        EXPECT_EQ(m.captured(1).count(u'#'), done * 10 / pages) << part.toStdString();
        EXPECT_EQ(m.captured(3).isEmpty(), done == 0) << part.toStdString();
        EXPECT_EQ(m.captured(4).isEmpty(), done == 0 || done == pages) << part.toStdString();
    }
    EXPECT_EQ(next, pages + 1) << r.out.constData();
    const QStringList rows = screenRows(shown);
    ASSERT_EQ(rows.size(), 1) << r.out.constData();
    expectSummary(rows[0], pages, 0);
}

// In one process and with workers, on a terminal and on a pipe: the same rows.
TEST_F(RenderOutput, AFailingPageAmongManyIsNamedTheOthersWrittenAndCounted) {
    const QString missing = dir_.filePath("missing.txt");
    const QStringList pages{samplePath("mail.txt"),
                            missing,
                            samplePath("index.txt"),
                            samplePath("blink.txt"),
                            samplePath("colors.txt"),
                            "--crop",
                            "lcd",
                            "-j"};
    for (const QString jobs : {"1", "2"}) {
        const ProgramResult shown = onTerminal(pages + QStringList{jobs, "-o", "t" + jobs});
        const ProgramResult run = piped(pages + QStringList{jobs, "-o", "p" + jobs});
        EXPECT_EQ(shown.exitCode, 1);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_FALSE(run.err.contains('\r')) << run.err.constData();
        EXPECT_EQ(written("t" + jobs), 4);
        EXPECT_EQ(written("p" + jobs), 4);
        const QStringList rows = screenRows(QString::fromUtf8(shown.out));
        ASSERT_EQ(rows.size(), 2) << shown.out.constData();
        EXPECT_TRUE(rows[0].startsWith("sumire: render: ") && rows[0].contains(missing) &&
                    rows[0].contains("No such file"))
            << rows[0].toStdString();
        expectSummary(rows[1], 4, 1);
        const QStringList lines = screenRows(QString::fromUtf8(run.err));
        ASSERT_EQ(lines.size(), 2) << run.err.constData();
        EXPECT_EQ(lines[0], rows[0]);
        expectSummary(lines[1], 4, 1);
    }
}

TEST_F(RenderOutput, WrittenPagesPrintNothingOnAPipeNorOnePageOnATerminal) {
    const ProgramResult run = piped({SUMIRE_SOURCE_DIR "/samples", "-o", "out", "--crop", "lcd", "-j", "2"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.isEmpty()) << run.err.constData();
    const ProgramResult one = onTerminal({samplePath("index.txt"), "-o", "one.png"});
    EXPECT_EQ(one.exitCode, 0);
    EXPECT_TRUE(one.out.isEmpty()) << one.out.constData();
    EXPECT_TRUE(QFile::exists(dir_.filePath("one.png")));
}

}  // namespace
}  // namespace sumire
