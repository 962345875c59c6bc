// Which files an export writes: names, folders, collisions, failures and a
// second export into the same folder.

#include "ExportFiles.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using namespace exporttest;

QStringList outputsOf(const ExportOptions& o) {
    QStringList names;
    for (const ExportEntry& e : plannedEntries(o)) names << e.output;
    return names;
}

TEST(ArchiveFiles, FoldersKeepTheirPathsAndCollisionsGetUniqueNames) {
    QTemporaryDir dir;
    for (const char* name : {"site/index.txt", "site/a/page.txt", "site/a/b/deep.txt", "site/assets/x.txt",
                             "site/skip.bmp", "one/page.txt", "two/Page.txt"})
        writeFile(dir.filePath(name), "text\r\n");
    ExportOptions o;
    o.pages = {dir.filePath("site"), dir.filePath("one/page.txt"), dir.filePath("two/Page.txt"),
               "http://example.jp/dir/page.txt"};
    o.out = dir.filePath("out");
    // index.html is the archive's; assets/ holds the shared files; names
    // differing only in case collide on many sticks.
    EXPECT_EQ(outputsOf(o), (QStringList{"a/b/deep.html", "a/page.html", "assets-pages/x.html", "index-2.html",
                                         "page.html", "Page-2.html", "page-3.html"}));
    o.text = true;
    EXPECT_EQ(outputsOf(o).mid(2, 2), (QStringList{"assets/x.txt", "index.txt"}));
}

TEST(ArchiveFiles, AFailingPageIsNamedAndTheOthersAreWritten) {
    QTemporaryDir dir;
    writeFile(dir.filePath("good.txt"), "good\r\n");
    writeFile(dir.filePath("also.txt"), "also\r\n");
    ExportOptions o;
    o.pages = {dir.filePath("good.txt"), dir.filePath("missing.txt"), dir.filePath("also.txt")};
    o.out = dir.filePath("out");
    const ExportRun run = exportPages(o);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(dir.filePath("missing.txt"))) << run.err.toStdString();
    EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("out/good.html")));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("out/also.html")));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("out/missing.html")));
    const QString index = readText(dir.filePath("out/index.html"));
    EXPECT_TRUE(index.contains("good.html"));
    EXPECT_FALSE(index.contains("missing.html"));
    // Nothing of the attachment work is left in DIR.
    EXPECT_EQ(QDir(dir.filePath("out")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"also.html", "assets", "good.html", "index.html"}));
}

TEST(ArchiveFiles, ASecondExportUpdatesTheFolderInPlace) {
    QTemporaryDir dir;
    writeFile(dir.filePath("p.txt"), "first\r\n");
    ExportOptions o;
    o.pages = {dir.filePath("p.txt")};
    o.out = dir.filePath("out");
    ASSERT_EQ(exportPages(o).status, 0);
    writeFile(dir.filePath("out/notes.txt"), "mine");
    writeFile(dir.filePath("p.txt"), "second\r\n");
    ASSERT_EQ(exportPages(o).status, 0);
    EXPECT_EQ(readText(dir.filePath("out/notes.txt")), u"mine");
    const QString html = readText(dir.filePath("out/p.html"));
    EXPECT_TRUE(html.contains("<i>s</i><i>e</i>"));
    EXPECT_FALSE(html.contains("<i>f</i><i>i</i>"));
}

TEST(ArchiveFiles, AFileThatCannotBeWrittenFailsItsPageOnly) {
    QTemporaryDir dir;
    writeFile(dir.filePath("a.txt"), "a\r\n");
    writeFile(dir.filePath("b.txt"), "b\r\n");
    QDir().mkpath(dir.filePath("out/a.html"));  // a folder where the file goes
    ExportOptions o;
    o.pages = {dir.filePath("a.txt"), dir.filePath("b.txt")};
    o.out = dir.filePath("out");
    const ExportRun run = exportPages(o);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("a.txt")) << run.err.toStdString();
    EXPECT_TRUE(QFileInfo(dir.filePath("out/b.html")).isFile());
}

TEST(ArchiveFiles, ATextExportIntoThePagesOwnFolderNeverOverwritesThem) {
    QTemporaryDir dir;
    writeFile(dir.filePath("p.txt"), "page\r\n");
    ExportOptions o;
    o.pages = {dir.filePath("p.txt")};
    o.out = dir.path();
    o.text = true;
    const ExportRun run = exportPages(o);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(readText(dir.filePath("p.txt")), u"page\r\n");
}

// The progress line is rewritten in place after each page and ends the
// export with a line break; a short export shows none.
TEST(ArchiveFiles, ProgressCountsEveryPageOfALongExportOnly) {
    QTemporaryDir dir;
    ExportOptions o;
    o.out = dir.filePath("out");
    o.text = true;
    for (int i = 0; i < 5; ++i) {
        writeFile(dir.filePath(QString("p%1.txt").arg(i)), "page\r\n");
        o.pages << dir.filePath(QString("p%1.txt").arg(i));
    }
    QString errors, progress;
    QTextStream err(&errors), shown(&progress);
    EXPECT_EQ(runExport(o, err, &shown), 0);
    EXPECT_TRUE(errors.isEmpty()) << errors.toStdString();
    const QStringList updates = progress.split(u'\r', Qt::SkipEmptyParts);
    ASSERT_EQ(updates.size(), 5) << progress.toStdString();
    const QRegularExpression line(QStringLiteral("^sumire: export: (\\d)/5, \\d+ pages/s$"));
    for (int i = 0; i < 5; ++i) {
        const QRegularExpressionMatch m = line.match(updates[i].trimmed());
        ASSERT_TRUE(m.hasMatch()) << updates[i].toStdString();
        EXPECT_EQ(m.captured(1).toInt(), i + 1);
    }
    EXPECT_TRUE(progress.endsWith(u'\n'));
    EXPECT_EQ(progress.count(u'\n'), 1);

    o.pages = o.pages.mid(0, 3);
    progress.clear();
    EXPECT_EQ(runExport(o, err, &shown), 0);
    EXPECT_TRUE(progress.isEmpty()) << progress.toStdString();
}

// On a terminal the failures and the progress line share one stream: a
// failure is printed over the blanked line, not after it.
TEST(ArchiveFiles, AFailureDuringProgressIsPrintedOnARowOfItsOwn) {
    QTemporaryDir dir;
    ExportOptions o;
    o.out = dir.filePath("out");
    o.text = true;
    for (const char* name : {"p0.txt", "p1.txt", "p2.txt", "p3.txt"}) {
        writeFile(dir.filePath(name), "page\r\n");
        o.pages << dir.filePath(name);
    }
    o.pages.insert(2, dir.filePath("missing.txt"));
    QString terminal;
    QTextStream err(&terminal);
    EXPECT_EQ(runExport(o, err, &err), 1);
    const QStringList lines = terminal.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << terminal.toStdString();
    EXPECT_TRUE(lines[0].section(u'\r', -2, -2).trimmed().isEmpty()) << terminal.toStdString();
    EXPECT_TRUE(lines[0].section(u'\r', -1).startsWith("sumire: export: " + dir.filePath("missing.txt") + ": "));
    EXPECT_TRUE(lines[1].section(u'\r', -1).startsWith("sumire: export: 5/5, ")) << terminal.toStdString();
}

}  // namespace
}  // namespace sumire
