#include "cli/CommandLine.h"

#include "cli/PictureFile.h"
#include "display/PageModel.h"

#include <QCommandLineParser>

namespace sumire {
namespace {

const QString kUsage = QStringLiteral(
    "Usage: sumire [--demo] [--workdir DIR] [--archive DIR] [--zoom N] [--script FILE]\n"
    "              [--lang ja|en|auto] [PAGE]\n"
    "       sumire render PAGE... [-o OUT] [--width W] [--scroll ROWS] [--phase 0|1]\n"
    "                     [--model 0|1|2] [--crop handset|lcd|window] [--full] [--scale N]\n"
    "                     [--animate] [-j N] [--archive DIR]\n"
    "       sumire export PAGE... -o DIR [--width W] [--text] [--fallback emoji|name]\n"
    "       sumire export --archive DIR [START...] -o DIR [--max-pages N] [...]\n");

// What the program does, after the usage lines.
const QString kAbout = QStringLiteral(
    "\n"
    "Shows the text pages and mail of the H\"LINK messaging service as a PHS handset\n"
    "draws them.\n"
    "\n"
    "PAGE, a page file or an http address, is opened first, as the file browser\n"
    "or the address box would open it.\n"
    "\n"
    "Options:\n"
    "  --demo           serve the sample pages on 127.0.0.1 and open their index page\n"
    "  --workdir DIR    keep bookmark.txt, download/ and the attachment files in DIR\n"
    "  --archive DIR    answer every http address from the saved sites in DIR, laid out\n"
    "                   as DIR/HOST/PATH or DIR/HOST:PORT/PATH (what wget --mirror\n"
    "                   writes); nothing is fetched from the network\n"
    "  --zoom N         draw the whole window N times as large, 1 to 4 (default: the\n"
    "                   last zoom chosen with Ctrl+Plus and Ctrl+Minus, else the\n"
    "                   desktop's scale factor)\n"
    "  --script FILE    perform the user actions in FILE without waiting for a person,\n"
    "                   then exit (see docs/automation.md)\n"
    "  --lang L         the windows' language: ja (Japanese) or en (English), kept\n"
    "                   for the next start; auto follows the desktop's language\n"
    "                   again. Without it: Japanese for a Japanese, C or POSIX\n"
    "                   desktop or none, English for any other\n"
    "  -h, --help       show this help and exit\n"
    "  -v, --version    show the version and exit\n"
    "\n"
    "Commands:\n"
    "  render           draw pages to PNG or WebP pictures without a display\n"
    "                   (sumire render --help)\n"
    "  export           write pages as web pages or text files that any browser or\n"
    "                   editor shows (sumire export --help)\n");
const QString kHelp = kUsage + kAbout;

const QString kExportHelp = QStringLiteral(
    "Usage: sumire export PAGE... -o DIR [--width W] [--text] [--fallback emoji|name]\n"
    "       sumire export --archive ARCHIVE [START...] -o DIR [--max-pages N] [...]\n"
    "\n"
    "Writes each PAGE (a page file, a folder of *.txt pages, searched recursively, or\n"
    "an http address) into DIR as a web page that shows the LCD as the viewer draws\n"
    "it, every row of the page, with an index.html listing them all. DIR needs\n"
    "nothing outside itself; an earlier export in DIR is updated in place.\n"
    "\n"
    "With --archive, the saved site in ARCHIVE (as wget --mirror leaves it) is\n"
    "exported as its visitors reach it: breadth-first from the START addresses\n"
    "(default: every page in ARCHIVE) through the pages' links and attachments,\n"
    "every page once, as DIR/HOST/PATH.html. Links point at the exported pages;\n"
    "links to addresses ARCHIVE lacks are marked and listed in DIR/missing.html.\n"
    "Attachments are copied beside their pages, and index.html has a search box.\n"
    "\n"
    "Options:\n"
    "  -o, --output DIR  the folder to write into (required)\n"
    "  --width W         display width: 20 (default), 18, 16, 14, 12 or 10\n"
    "  --text            UTF-8 text files instead: the rows as the LCD breaks them,\n"
    "                    the sender and title first, the links last\n"
    "  --fallback F      pictographs as text: emoji, their Unicode equivalents\n"
    "                    (default), or name, their names in brackets\n"
    "  --archive ARCHIVE answer every http address from the saved sites in ARCHIVE;\n"
    "                    nothing is fetched from the network\n"
    "  --max-pages N     export at most N pages of the crawl; the pages reached\n"
    "                    beyond it are counted, not exported, and links to them keep\n"
    "                    their addresses, marked (default: no limit)\n"
    "  -h, --help        show this help and exit\n"
    "\n"
    "Exit status: 0 when every page was written, 1 when a page could not be read,\n"
    "fetched or written (the others are still written), 2 for a wrong command line.\n");

const QString kRenderHelp = QStringLiteral(
    "Usage: sumire render PAGE... [-o OUT] [--width W] [--scroll ROWS] [--phase 0|1]\n"
    "                     [--model 0|1|2] [--crop handset|lcd|window] [--full] [--scale N]\n"
    "                     [--animate] [-j N]\n"
    "\n"
    "Draws each PAGE (a local file, or an http address) as the viewer's window shows it\n"
    "and writes it as PNG, or as WebP (-o NAME.webp, --animate). A folder given as\n"
    "PAGE stands for all its *.txt pages, in its subfolders too; their pictures keep\n"
    "the relative paths under OUT. A local file is opened in offline mode, an\n"
    "address is fetched in network mode. No display is needed.\n"
    "\n"
    "Options:\n"
    "  -o, --output OUT  one page: the picture file (default: the page's name with\n"
    "                    .png, in the current folder; a name ending in .webp is\n"
    "                    written as lossless WebP); several pages: the folder to\n"
    "                    write them into (default: the current folder)\n"
    "  --width W         display width: 20 (default), 18, 16, 14, 12 or 10\n"
    "  --scroll ROWS     scroll down ROWS rows, one \"↓\" press each (default 0)\n"
    "  --phase 0|1       blink phase: 0 shows blinking text (default), 1 hides it\n"
    "  --model 0|1|2     handset picture phone_01.jpg, phone_02.jpg or phone_03.jpg\n"
    "                    (default: the built-in handset)\n"
    "  --crop C          window: the whole window, 634 x 457 (default);\n"
    "                    handset: the handset, 189 x 457; lcd: the LCD, 138 x 138\n"
    "  --full            the whole page on an LCD as tall as its rows (the LCD crop;\n"
    "                    --scroll cannot be given with it)\n"
    "  --scale N         every pixel drawn as N x N pixels, 1 (default) to 8\n"
    "  --animate         an animated WebP picture that shows the blinking text and\n"
    "                    hides it, a second each, forever (default name: the page's\n"
    "                    name with .webp); a page without visible blinking gives a\n"
    "                    still WebP picture. --phase cannot be given with it\n"
    "  -j, --jobs N      draw with N worker processes at once (default: one a\n"
    "                    processor core); the pictures are the same for any N\n"
    "  --archive DIR     answer every http address from the saved sites in DIR, as\n"
    "                    the viewer's --archive does\n"
    "  -h, --help        show this help and exit\n"
    "\n"
    "On a terminal, several pages show a progress bar and end with a summary line\n"
    "(pages written, failed, seconds); elsewhere, and for one page, only failing\n"
    "pages are printed, followed by the summary.\n"
    "\n"
    "Exit status: 0 when every page was written, 1 when a page could not be read,\n"
    "fetched or written (the others are still written), 2 for a wrong command line.\n");

// The usage lines at the head of a command's help.
QString usageOf(const QString& help) { return help.left(help.indexOf(QStringLiteral("\n\n")) + 1); }

// Refused with the usage of the command that was given: `command` is empty
// for the viewer, else "render" or "export".
ProgramCommand refused(const QString& why, const QString& command = {}) {
    ProgramCommand c;
    c.action = ProgramCommand::Action::Error;
    const QString usage = command == u"render"   ? usageOf(kRenderHelp)
                          : command == u"export" ? usageOf(kExportHelp)
                                                 : kUsage;
    const QString helpCall = command.isEmpty() ? QStringLiteral("sumire --help") : "sumire " + command + " --help";
    c.message = QStringLiteral("sumire: %1\n%2Try '%3' for more information.\n").arg(why, usage, helpCall);
    return c;
}

// The display widths, widest first.
const QList<int> kWidths = [] {
    QList<int> widths;
    for (const DisplayWidth& w : kDisplayWidths) widths << w.lineChars;
    return widths;
}();

bool isRun(const QList<int>& allowed) {
    return allowed.size() >= 4 && allowed.last() - allowed.first() == allowed.size() - 1;
}

// "one of 20, 18 or 16", "1 to 8", or any number when `allowed` is empty.
QString oneOf(const QList<int>& allowed) {
    if (allowed.isEmpty()) return QStringLiteral("a whole number, 0 or more");
    if (isRun(allowed)) return QStringLiteral("%1 to %2").arg(allowed.first()).arg(allowed.last());
    QStringList numbers;
    for (int n : allowed) numbers << QString::number(n);
    const QString last = numbers.takeLast();
    return numbers.isEmpty() ? last : "one of " + numbers.join(QStringLiteral(", ")) + " or " + last;
}

// "--width cannot be 15; it is one of 20, 18, 16, 14, 12 or 10"
QString badValue(const QString& command, const QString& option, const QString& value, const QString& allowed) {
    return QStringLiteral("%1: --%2 cannot be %3; it is %4").arg(command, option, value, allowed);
}

ProgramCommand answered(ProgramCommand::Action action, const QString& text) {
    ProgramCommand c;
    c.action = action;
    c.message = text;
    return c;
}

// A number from `allowed` (any number >= 0 when `allowed` is empty).
bool readNumber(const QString& text, const QList<int>& allowed, int* value) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 0 || (!allowed.isEmpty() && !allowed.contains(n))) return false;
    *value = n;
    return true;
}

struct NumberOption {
    const char* name;
    QList<int> allowed;
    int RenderOptions::*field;
};

ProgramCommand parseRender(const QStringList& arguments) {
    QCommandLineParser p;
    const QCommandLineOption help({"h", "help"}, {});
    const QCommandLineOption output({"o", "output"}, {}, "OUT");
    const QCommandLineOption crop("crop", {}, "C");
    const QCommandLineOption full("full", {});
    const QCommandLineOption animate("animate", {});
    const NumberOption numbers[] = {{"width", kWidths, &RenderOptions::width},
                                    {"scroll", {}, &RenderOptions::scroll},
                                    {"phase", {0, 1}, &RenderOptions::phase},
                                    {"model", {0, 1, 2}, &RenderOptions::model},
                                    {"scale", {1, 2, 3, 4, 5, 6, 7, 8}, &RenderOptions::scale},
                                    {"jobs", {}, &RenderOptions::jobs}};
    const QCommandLineOption archive("archive", {}, "DIR");
    p.addOptions({help, output, crop, full, animate, archive});
    for (const NumberOption& n : numbers)
        p.addOption(QCommandLineOption(n.name == QLatin1String("jobs") ? QStringList{"j", "jobs"} : QStringList{n.name},
                                       {}, "N"));
    if (!p.parse(arguments)) return refused("render: " + p.errorText(), "render");
    if (p.isSet(help)) return answered(ProgramCommand::Action::Help, kRenderHelp);

    ProgramCommand c;
    c.action = ProgramCommand::Action::Render;
    RenderOptions& r = c.render;
    for (const NumberOption& n : numbers) {
        if (p.isSet(n.name) && !readNumber(p.value(n.name), n.allowed, &(r.*n.field)))
            return refused(badValue("render", n.name, p.value(n.name), oneOf(n.allowed)), "render");
    }
    if (p.isSet("jobs") && r.jobs < 1)
        return refused(badValue("render", "jobs", p.value("jobs"), "a whole number, 1 or more"), "render");
    if (p.isSet(crop)) {
        const QString v = p.value(crop);
        if (v == u"window") r.crop = Crop::Window;
        else if (v == u"handset") r.crop = Crop::Handset;
        else if (v == u"lcd") r.crop = Crop::Lcd;
        else return refused(badValue("render", "crop", v, "one of window, handset or lcd"), "render");
    }
    if (p.isSet(full)) {
        // A handset's picture cannot stretch, so the whole page is the LCD alone.
        if (p.isSet("scroll")) return refused(QStringLiteral("render: --scroll has no meaning with --full"), "render");
        if (p.isSet(crop) && r.crop != Crop::Lcd)
            return refused(QStringLiteral("render: --full draws the LCD alone; --crop cannot be %1").arg(p.value(crop)),
                           "render");
        r.full = true;
        r.crop = Crop::Lcd;
    }
    r.out = p.value(output);
    if (p.isSet(animate)) {
        if (p.isSet("phase"))
            return refused(QStringLiteral("render: --phase has no meaning with --animate, which shows both"), "render");
        if (pictureFormat(r.out, true) != PictureFormat::Webp)
            return refused(QStringLiteral("render: --animate writes WebP; -o cannot name the PNG file %1").arg(r.out),
                           "render");
        r.animate = true;
    }
    r.archive = p.value(archive);
    r.pages = p.positionalArguments();
    if (r.pages.isEmpty()) return refused(QStringLiteral("render: no page given"), "render");
    return c;
}

ProgramCommand parseExport(const QStringList& arguments) {
    QCommandLineParser p;
    const QCommandLineOption help({"h", "help"}, {});
    const QCommandLineOption output({"o", "output"}, {}, "DIR");
    const QCommandLineOption width("width", {}, "W");
    const QCommandLineOption text("text", {});
    const QCommandLineOption fallback("fallback", {}, "F");
    const QCommandLineOption archive("archive", {}, "DIR");
    const QCommandLineOption maxPages("max-pages", {}, "N");
    p.addOptions({help, output, width, text, fallback, archive, maxPages});
    if (!p.parse(arguments)) return refused("export: " + p.errorText(), "export");
    if (p.isSet(help)) return answered(ProgramCommand::Action::Help, kExportHelp);

    ProgramCommand c;
    c.action = ProgramCommand::Action::Export;
    ExportOptions& e = c.exportOptions;
    if (p.isSet(width) && !readNumber(p.value(width), kWidths, &e.width))
        return refused(badValue("export", "width", p.value(width), oneOf(kWidths)), "export");
    if (p.isSet(fallback)) {
        const QString v = p.value(fallback);
        if (v == u"emoji") e.fallback = PictographFallback::Emoji;
        else if (v == u"name") e.fallback = PictographFallback::Name;
        else return refused(badValue("export", "fallback", v, "one of emoji or name"), "export");
    }
    e.text = p.isSet(text);
    e.out = p.value(output);
    if (p.isSet(maxPages) && (!readNumber(p.value(maxPages), {}, &e.maxPages) || e.maxPages < 1))
        return refused(badValue("export", "max-pages", p.value(maxPages), "a whole number, 1 or more"), "export");
    if (p.isSet(maxPages) && !p.isSet(archive))
        return refused(QStringLiteral("export: --max-pages limits a crawl of --archive"), "export");
    e.archive = p.value(archive);
    e.pages = p.positionalArguments();
    if (e.pages.isEmpty() && e.archive.isEmpty()) return refused(QStringLiteral("export: no page given"), "export");
    if (e.out.isEmpty()) return refused(QStringLiteral("export: no folder given (-o DIR)"), "export");
    return c;
}

}  // namespace

QString versionText() { return QStringLiteral("sumire " SUMIRE_VERSION); }

ProgramCommand parseCommandLine(const QStringList& arguments) {
    if (arguments.size() > 1 && arguments[1] == u"render")
        return parseRender(QStringList{arguments[0]} + arguments.mid(2));
    // A worker is given the render options, then jobs on standard input. A
    // subcommand, parsed as render is, and inherited by no process the worker
    // starts, as a variable of the environment would be; hidden from the
    // help, because only the program itself speaks its input.
    if (arguments.size() > 1 && arguments[1] == QLatin1String(kRenderWorkerCommand)) {
        ProgramCommand c = parseRender(QStringList{arguments[0]} + arguments.mid(2));
        if (c.action == ProgramCommand::Action::Render) c.action = ProgramCommand::Action::RenderWorker;
        return c;
    }
    if (arguments.size() > 1 && arguments[1] == u"export")
        return parseExport(QStringList{arguments[0]} + arguments.mid(2));

    QCommandLineParser p;
    const QCommandLineOption help({"h", "help"}, {});
    const QCommandLineOption version({"v", "version"}, {});
    const QCommandLineOption script("script", {}, "FILE");
    const QCommandLineOption workDir("workdir", {}, "DIR");
    const QCommandLineOption archive("archive", {}, "DIR");
    const QCommandLineOption demo("demo", {});
    const QCommandLineOption lang("lang", {}, "L");
    const QCommandLineOption zoom("zoom", {}, "N");
    const QCommandLineOption restore("restore", {}, "FILE");  // given by the program to itself
    p.addOptions({help, version, script, workDir, archive, demo, lang, zoom, restore});
    if (!p.parse(arguments)) return refused(p.errorText());
    if (p.isSet(help)) return answered(ProgramCommand::Action::Help, kHelp);
    if (p.isSet(version)) return answered(ProgramCommand::Action::Version, versionText() + u'\n');
    const QStringList pages = p.positionalArguments();
    if (pages.size() > 1) return refused(QStringLiteral("unexpected argument: %1").arg(pages[1]));
    // The demo opens its own index page from its own server.
    if (p.isSet(demo) && !pages.isEmpty())
        return refused(QStringLiteral("--demo opens its own page, not %1").arg(pages[0]));
    if (p.isSet(demo) && p.isSet(archive)) return refused(QStringLiteral("--demo cannot be used with --archive"));
    if (p.isSet(lang) && !QStringList{"ja", "en", "auto"}.contains(p.value(lang)))
        return refused(QStringLiteral("--lang cannot be %1 (ja, en or auto)").arg(p.value(lang)));

    ProgramCommand c;
    if (p.isSet(zoom) && !readNumber(p.value(zoom), {1, 2, 3, 4}, &c.zoom))
        return refused(QStringLiteral("--zoom cannot be %1; it is 1 to 4").arg(p.value(zoom)));
    c.restore = p.value(restore);
    c.script = p.value(script);
    c.workDir = p.value(workDir);
    c.archive = p.value(archive);
    c.page = pages.value(0);
    c.demo = p.isSet(demo);
    c.language = p.value(lang);
    return c;
}

}  // namespace sumire
