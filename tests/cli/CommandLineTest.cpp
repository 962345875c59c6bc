// The command line: the viewer's options as the automation relies on them,
// help and version without a display, and the render command's options.

#include "ProgramRun.h"
#include "cli/CommandLine.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using Action = ProgramCommand::Action;

ProgramCommand parse(QStringList arguments) {
    arguments.prepend("sumire");
    return parseCommandLine(arguments);
}

TEST(CommandLine, ViewerOptions) {
    const ProgramCommand plain = parse({});
    EXPECT_EQ(plain.action, Action::Viewer);
    EXPECT_TRUE(plain.script.isEmpty());
    EXPECT_FALSE(plain.demo);

    const ProgramCommand script = parse({"--script", "s.txt", "--workdir", "w"});
    EXPECT_EQ(script.action, Action::Viewer);
    EXPECT_EQ(script.script, QString("s.txt"));
    EXPECT_EQ(script.workDir, QString("w"));
    EXPECT_EQ(parse({"--workdir=w", "--script=s.txt"}).script, QString("s.txt"));

    const ProgramCommand demo = parse({"--demo", "--script", "s.txt"});
    EXPECT_TRUE(demo.demo);
    EXPECT_EQ(demo.script, QString("s.txt"));
    EXPECT_TRUE(demo.page.isEmpty());
    EXPECT_TRUE(demo.archive.isEmpty());
}

TEST(CommandLine, APageAndAnArchive) {
    const ProgramCommand file = parse({"mail.txt"});
    EXPECT_EQ(file.action, Action::Viewer);
    EXPECT_EQ(file.page, QString("mail.txt"));
    EXPECT_TRUE(file.script.isEmpty());

    const ProgramCommand all =
        parse({"--archive", "saved", "--script", "s.txt", "http://h:8080/a.txt", "--workdir", "w"});
    ASSERT_EQ(all.action, Action::Viewer) << qPrintable(all.message);
    EXPECT_EQ(all.archive, QString("saved"));
    EXPECT_EQ(all.page, QString("http://h:8080/a.txt"));
    EXPECT_EQ(all.script, QString("s.txt"));
    EXPECT_EQ(all.workDir, QString("w"));
    EXPECT_EQ(parse({"--archive=saved"}).archive, QString("saved"));
    EXPECT_EQ(parse({"--zoom", "3", "page.txt"}).zoom, 3);
    EXPECT_EQ(parse({"page.txt"}).zoom, 0);
}

TEST(CommandLine, RefusedArgumentsSayWhy) {
    const struct {
        QStringList arguments;
        const char* reason;
    } cases[] = {
        {{"page.txt", "other.txt"}, "unexpected argument: other.txt"},
        {{"--demo", "page.txt"}, "--demo opens its own page, not page.txt"},
        {{"--demo", "--archive", "saved"}, "--demo cannot be used with --archive"},
        {{"--archive"}, "--archive"},
        {{"--bogus"}, "bogus"},
        {{"--script"}, "--script"},
        {{"render"}, "no page given"},
        {{"render", "p.txt", "--width", "19"}, "--width cannot be 19; it is one of 20, 18, 16, 14, 12 or 10"},
        {{"render", "p.txt", "--width", "wide"}, "--width cannot be wide"},
        {{"render", "p.txt", "--scroll", "-1"}, "--scroll cannot be -1; it is a whole number, 0 or more"},
        {{"render", "p.txt", "--phase", "2"}, "--phase cannot be 2; it is one of 0 or 1"},
        {{"render", "p.txt", "--model", "3"}, "--model cannot be 3; it is one of 0, 1 or 2"},
        {{"render", "p.txt", "--crop", "screen"}, "--crop cannot be screen; it is one of window, handset or lcd"},
        {{"render", "p.txt", "--scale", "9"}, "--scale cannot be 9; it is 1 to 8"},
        {{"render", "p.txt", "-j", "0"}, "--jobs cannot be 0; it is a whole number, 1 or more"},
        {{"render", "p.txt", "-j", "-1"}, "--jobs cannot be -1; it is a whole number, 1 or more"},
        {{"render", "p.txt", "--jobs", "many"}, "--jobs cannot be many; it is a whole number, 1 or more"},
        {{"render", "p.txt", "--demo"}, "demo"},
        {{"export", "p.txt", "-o", "d", "--width", "15"},
         "--width cannot be 15; it is one of 20, 18, 16, 14, 12 or 10"},
        {{"export", "p.txt", "-o", "d", "--fallback", "x"}, "--fallback cannot be x; it is one of emoji or name"},
        {{"--zoom", "5"}, "--zoom cannot be 5; it is 1 to 4"},
    };
    for (const auto& c : cases) {
        const ProgramCommand command = parse(c.arguments);
        EXPECT_EQ(command.action, Action::Error) << qPrintable(c.arguments.join(' '));
        EXPECT_TRUE(command.message.contains(c.reason)) << qPrintable(command.message);
        // The usage and the help of the command given, and only of it.
        const QString name = c.arguments[0] == u"render" || c.arguments[0] == u"export" ? c.arguments[0] : QString();
        const QString help = name.isEmpty() ? QString("sumire --help") : "sumire " + name + " --help";
        EXPECT_TRUE(command.message.contains("Try '" + help + "'")) << qPrintable(command.message);
        const QString usage = name.isEmpty() ? QString("Usage: sumire [--demo]") : "Usage: sumire " + name + " PAGE";
        EXPECT_TRUE(command.message.contains(usage)) << qPrintable(command.message);
        EXPECT_EQ(command.message.count("Usage:"), 1) << qPrintable(command.message);
    }
}

TEST(CommandLine, RenderOptions) {
    const ProgramCommand defaults = parse({"render", "a.txt"});
    ASSERT_EQ(defaults.action, Action::Render);
    EXPECT_EQ(defaults.render.pages, QStringList{"a.txt"});
    EXPECT_TRUE(defaults.render.out.isEmpty());
    EXPECT_EQ(defaults.render.width, 20);
    EXPECT_EQ(defaults.render.scroll, 0);
    EXPECT_EQ(defaults.render.phase, 0);
    EXPECT_EQ(defaults.render.model, -1);
    EXPECT_EQ(defaults.render.crop, Crop::Window);

    const ProgramCommand all = parse({"render", "a.txt", "http://h/b.txt", "-o", "out", "--width", "12", "--scroll",
                                      "7", "--phase", "1", "--model", "2", "--crop", "lcd"});
    ASSERT_EQ(all.action, Action::Render) << qPrintable(all.message);
    EXPECT_EQ(all.render.pages, QStringList({"a.txt", "http://h/b.txt"}));
    EXPECT_EQ(all.render.out, QString("out"));
    EXPECT_EQ(all.render.width, 12);
    EXPECT_EQ(all.render.scroll, 7);
    EXPECT_EQ(all.render.phase, 1);
    EXPECT_EQ(all.render.model, 2);
    EXPECT_EQ(all.render.crop, Crop::Lcd);
    EXPECT_EQ(parse({"render", "--crop=handset", "a.txt"}).render.crop, Crop::Handset);
    EXPECT_EQ(parse({"render", "--output", "x.png", "a.txt"}).render.out, QString("x.png"));

    // A worker of render -j N takes the same options; the help never names it.
    const ProgramCommand worker = parse({"render-worker", "a.txt", "--width", "12", "--crop", "lcd"});
    ASSERT_EQ(worker.action, Action::RenderWorker) << qPrintable(worker.message);
    EXPECT_EQ(worker.render.width, 12);
    EXPECT_EQ(worker.render.crop, Crop::Lcd);
    EXPECT_EQ(parse({"render-worker", "a.txt", "--width", "13"}).action, Action::Error);
    for (const QStringList& help : {QStringList{"--help"}, QStringList{"render", "--help"}})
        EXPECT_FALSE(parse(help).message.contains("render-worker")) << qPrintable(help.join(' '));
}

TEST(CommandLine, ExportOptions) {
    const ProgramCommand defaults = parse({"export", "a.txt", "-o", "out"});
    ASSERT_EQ(defaults.action, Action::Export) << qPrintable(defaults.message);
    EXPECT_EQ(defaults.exportOptions.pages, QStringList{"a.txt"});
    EXPECT_EQ(defaults.exportOptions.out, QString("out"));
    EXPECT_EQ(defaults.exportOptions.width, 20);
    EXPECT_FALSE(defaults.exportOptions.text);
    EXPECT_EQ(defaults.exportOptions.fallback, PictographFallback::Emoji);

    const ProgramCommand all =
        parse({"export", "site", "http://h/b.txt", "--output", "o", "--width", "14", "--text", "--fallback", "name"});
    ASSERT_EQ(all.action, Action::Export) << qPrintable(all.message);
    EXPECT_EQ(all.exportOptions.pages, QStringList({"site", "http://h/b.txt"}));
    EXPECT_EQ(all.exportOptions.width, 14);
    EXPECT_TRUE(all.exportOptions.text);
    EXPECT_EQ(all.exportOptions.fallback, PictographFallback::Name);
    EXPECT_EQ(all.exportOptions.archive, QString());
    EXPECT_EQ(all.exportOptions.maxPages, 0);

    // A saved site: every page of it by default, or from start addresses.
    const ProgramCommand site = parse({"export", "--archive", "m", "-o", "o", "--max-pages", "50"});
    ASSERT_EQ(site.action, Action::Export) << qPrintable(site.message);
    EXPECT_EQ(site.exportOptions.archive, QString("m"));
    EXPECT_EQ(site.exportOptions.maxPages, 50);
    EXPECT_EQ(site.exportOptions.pages, QStringList{});
    EXPECT_EQ(parse({"render", "--archive", "m", "http://h/"}).render.archive, QString("m"));

    // Each wrong command line is refused, saying why.
    const std::pair<QStringList, const char*> wrong[] = {
        {{"export", "a.txt"}, "no folder"},
        {{"export", "-o", "out"}, "no page"},
        {{"export", "a.txt", "-o", "o", "--width", "11"}, "--width"},
        {{"export", "a.txt", "-o", "o", "--fallback", "x"}, "--fallback"},
        {{"export", "a.txt", "-o", "o", "--phase", "1"}, "phase"},
        {{"export", "a.txt", "-o", "o", "--max-pages", "5"}, "--max-pages limits a crawl of --archive"},
        {{"export", "--archive", "m", "-o", "o", "--max-pages", "0"}, "--max-pages cannot be 0"}};
    for (const auto& [arguments, why] : wrong) {
        const ProgramCommand c = parse(arguments);
        EXPECT_EQ(c.action, Action::Error) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(c.message.contains(why)) << qPrintable(c.message);
    }
    EXPECT_EQ(parse({"export", "--help"}).action, Action::Help);
    EXPECT_TRUE(parse({"export", "--help"}).message.contains("--fallback"));
}

TEST(CommandLine, HelpAndVersion) {
    EXPECT_EQ(parse({"--version"}).action, Action::Version);
    EXPECT_EQ(parse({"--version"}).message, QString("sumire 1.0.0\n"));
    EXPECT_EQ(parse({"-v"}).action, Action::Version);
    EXPECT_EQ(parse({"--help"}).action, Action::Help);
    EXPECT_EQ(parse({"-h", "--demo"}).action, Action::Help);
    const ProgramCommand renderHelp = parse({"render", "--help"});
    EXPECT_EQ(renderHelp.action, Action::Help);
    EXPECT_TRUE(renderHelp.message.contains("--crop")) << qPrintable(renderHelp.message);
}

// No display, no platform chosen: help, version and a wrong command line are
// answered without opening a window.
TEST(CommandLine, ProgramAnswersWithoutADisplay) {
    QTemporaryDir home;
    test::RunSetup setup;
    setup.environment = test::headlessUser(home.path());
    const test::ProgramResult version = test::runProgram({"--version"}, setup);
    EXPECT_EQ(version.exitCode, 0) << version.err.constData();
    EXPECT_EQ(version.out, QByteArray("sumire 1.0.0\n"));

    const test::ProgramResult help = test::runProgram({"--help"}, setup);
    EXPECT_EQ(help.exitCode, 0) << help.err.constData();
    EXPECT_TRUE(help.out.startsWith("Usage: sumire")) << help.out.constData();
    EXPECT_TRUE(help.out.contains("--demo")) << help.out.constData();

    const test::ProgramResult wrong = test::runProgram({"--workdir"}, setup);
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.out.isEmpty());
    EXPECT_TRUE(wrong.err.contains("--workdir")) << wrong.err.constData();

    // The window itself says in one line that it needs a display, and what
    // works without one; it makes no working folder.
    for (const QStringList& viewer : {QStringList{}, QStringList{"--demo"}, QStringList{"page.txt", "--zoom", "2"}}) {
        const test::ProgramResult window =
            test::runProgram(viewer + QStringList{"--workdir", home.filePath("w")}, setup);
        EXPECT_EQ(window.exitCode, 1) << window.err.constData();
        EXPECT_EQ(window.err.count('\n'), 1) << window.err.constData();
        EXPECT_TRUE(window.err.startsWith("sumire: no display was found;")) << window.err.constData();
        EXPECT_TRUE(window.err.contains("sumire render") && window.err.contains("QT_QPA_PLATFORM=offscreen"))
            << window.err.constData();
        EXPECT_FALSE(QFileInfo::exists(home.filePath("w")));
    }
}

}  // namespace
}  // namespace sumire
