#include "cli/CommandLine.h"

#include "cli/PictureFile.h"
#include "display/PageModel.h"

#include <QCommandLineParser>
#include <QHash>
#include <optional>

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

ProgramCommand answered(ProgramCommand::Action action, const QString& text) {
    ProgramCommand c;
    c.action = action;
    c.message = text;
    return c;
}

// Refused with the usage of the command that was given: `command` is empty
// for the viewer, else "render" or "export", which also begins the reason.
ProgramCommand refused(const QString& why, const QString& command = {}) {
    const QString usage = command == u"render"   ? usageOf(kRenderHelp)
                          : command == u"export" ? usageOf(kExportHelp)
                                                 : kUsage;
    const QString helpCall = command.isEmpty() ? QStringLiteral("sumire --help") : "sumire " + command + " --help";
    const QString reason = command.isEmpty() ? why : command + ": " + why;
    return answered(ProgramCommand::Action::Error,
                    QStringLiteral("sumire: %1\n%2Try '%3' for more information.\n").arg(reason, usage, helpCall));
}

// Parses `arguments` with -h/--help, the `switches` and the `valued` options
// (-o is --output, -j --jobs, -v --version): nothing when they were read,
// else the refusal or the help (`command` as refused() takes it).
std::optional<ProgramCommand> parse(QCommandLineParser& p, const QStringList& arguments, const QStringList& switches,
                                    const QStringList& valued, const QString& command, const QString& help) {
    const QHash<QString, QString> letters = {{"help", "h"}, {"output", "o"}, {"jobs", "j"}, {"version", "v"}};
    for (const QString& name : QStringList{"help"} + switches + valued) {
        const QStringList names = letters.contains(name) ? QStringList{letters[name], name} : QStringList{name};
        p.addOption(QCommandLineOption(names, {}, valued.contains(name) ? QStringLiteral("V") : QString()));
    }
    if (!p.parse(arguments)) return refused(p.errorText(), command);
    if (p.isSet("help")) return answered(ProgramCommand::Action::Help, help);
    return std::nullopt;
}

// A number option, what it may be and where its value goes.
struct NumberOption {
    const char* name;
    QList<int> allowed;  // empty: any number from `least` up
    int* value;
    int least = 0;
};

// "one of 20, 18 or 16", "1 to 8", or "a whole number, 0 or more".
QString allowedText(const NumberOption& n) {
    const QList<int>& a = n.allowed;
    if (a.isEmpty()) return QStringLiteral("a whole number, %1 or more").arg(n.least);
    if (a.size() >= 4 && a.last() - a.first() == a.size() - 1)
        return QStringLiteral("%1 to %2").arg(a.first()).arg(a.last());
    QStringList numbers;
    for (int i : a) numbers << QString::number(i);
    const QString last = numbers.takeLast();
    return numbers.isEmpty() ? last : "one of " + numbers.join(QStringLiteral(", ")) + " or " + last;
}

// "--width cannot be 15; it is one of 20, 18, 16, 14, 12 or 10"
QString badValue(const QString& option, const QString& value, const QString& allowed) {
    return QStringLiteral("--%1 cannot be %2; it is %3").arg(option, value, allowed);
}

// Reads the numbers given: the refusal of the first that is not allowed, or nothing.
std::optional<ProgramCommand> readNumbers(const QCommandLineParser& p, const QString& command,
                                          const QList<NumberOption>& numbers) {
    for (const NumberOption& n : numbers) {
        if (!p.isSet(n.name)) continue;
        bool ok = false;
        const int i = p.value(n.name).toInt(&ok);
        if (!ok || i < n.least || (!n.allowed.isEmpty() && !n.allowed.contains(i)))
            return refused(badValue(n.name, p.value(n.name), allowedText(n)), command);
        *n.value = i;
    }
    return std::nullopt;
}

// The display widths, widest first.
const QList<int> kWidths = [] {
    QList<int> widths;
    for (const DisplayWidth& w : kDisplayWidths) widths << w.lineChars;
    return widths;
}();

// The options that stand in each other's way: nothing when they fit together.
std::optional<ProgramCommand> checkRender(const QCommandLineParser& p, RenderOptions& r) {
    const auto no = [](const QString& why) { return refused(why, "render"); };
    if (p.isSet("crop")) {
        const QString v = p.value("crop");
        if (v == u"window") r.crop = Crop::Window;
        else if (v == u"handset") r.crop = Crop::Handset;
        else if (v == u"lcd") r.crop = Crop::Lcd;
        else return no(badValue("crop", v, "one of window, handset or lcd"));
    }
    if (p.isSet("full")) {
        // A handset's picture cannot stretch, so the whole page is the LCD alone.
        if (p.isSet("scroll")) return no(QStringLiteral("--scroll has no meaning with --full"));
        if (p.isSet("crop") && r.crop != Crop::Lcd)
            return no(QStringLiteral("--full draws the LCD alone; --crop cannot be %1").arg(p.value("crop")));
        r.full = true;
        r.crop = Crop::Lcd;
    }
    if (p.isSet("animate")) {
        if (p.isSet("phase")) return no(QStringLiteral("--phase has no meaning with --animate, which shows both"));
        if (pictureFormat(r.out, true) != PictureFormat::Webp)
            return no(QStringLiteral("--animate writes WebP; -o cannot name the PNG file %1").arg(r.out));
        r.animate = true;
    }
    if (r.pages.isEmpty()) return no(QStringLiteral("no page given"));
    return std::nullopt;
}

ProgramCommand parseRender(const QStringList& arguments) {
    QCommandLineParser p;
    const QStringList valued = {"output", "crop", "archive", "width", "scroll", "phase", "model", "scale", "jobs"};
    if (auto answer = parse(p, arguments, {"full", "animate"}, valued, "render", kRenderHelp)) return *answer;
    ProgramCommand c;
    c.action = ProgramCommand::Action::Render;
    RenderOptions& r = c.render;
    r.out = p.value("output");
    r.archive = p.value("archive");
    r.pages = p.positionalArguments();
    const auto answer = readNumbers(p, "render",
                                    {{"width", kWidths, &r.width},
                                     {"scroll", {}, &r.scroll},
                                     {"phase", {0, 1}, &r.phase},
                                     {"model", {0, 1, 2}, &r.model},
                                     {"scale", {1, 2, 3, 4, 5, 6, 7, 8}, &r.scale},
                                     {"jobs", {}, &r.jobs, 1}});
    if (answer) return *answer;
    if (auto refusal = checkRender(p, r)) return *refusal;
    return c;
}

ProgramCommand parseExport(const QStringList& arguments) {
    QCommandLineParser p;
    const QStringList valued = {"output", "width", "fallback", "archive", "max-pages"};
    if (auto answer = parse(p, arguments, {"text"}, valued, "export", kExportHelp)) return *answer;
    ProgramCommand c;
    c.action = ProgramCommand::Action::Export;
    ExportOptions& e = c.exportOptions;
    const auto no = [](const QString& why) { return refused(why, "export"); };
    if (auto answer = readNumbers(p, "export", {{"width", kWidths, &e.width}})) return *answer;
    if (p.isSet("fallback")) {
        const QString v = p.value("fallback");
        if (v == u"emoji") e.fallback = PictographFallback::Emoji;
        else if (v == u"name") e.fallback = PictographFallback::Name;
        else return no(badValue("fallback", v, "one of emoji or name"));
    }
    e.text = p.isSet("text");
    e.out = p.value("output");
    if (auto answer = readNumbers(p, "export", {{"max-pages", {}, &e.maxPages, 1}})) return *answer;
    if (p.isSet("max-pages") && !p.isSet("archive"))
        return no(QStringLiteral("--max-pages limits a crawl of --archive"));
    e.archive = p.value("archive");
    e.pages = p.positionalArguments();
    if (e.pages.isEmpty() && e.archive.isEmpty()) return no(QStringLiteral("no page given"));
    if (e.out.isEmpty()) return no(QStringLiteral("no folder given (-o DIR)"));
    return c;
}

// The viewer's command line; --restore is given by the program to itself.
ProgramCommand parseViewer(const QStringList& arguments) {
    QCommandLineParser p;
    const QStringList valued = {"script", "workdir", "archive", "lang", "zoom", "restore"};
    if (auto answer = parse(p, arguments, {"version", "demo"}, valued, {}, kHelp)) return *answer;
    if (p.isSet("version"))
        return answered(ProgramCommand::Action::Version, QStringLiteral("sumire " SUMIRE_VERSION "\n"));
    const QStringList pages = p.positionalArguments();
    if (pages.size() > 1) return refused(QStringLiteral("unexpected argument: %1").arg(pages[1]));
    // The demo opens its own index page from its own server.
    if (p.isSet("demo") && !pages.isEmpty())
        return refused(QStringLiteral("--demo opens its own page, not %1").arg(pages[0]));
    if (p.isSet("demo") && p.isSet("archive")) return refused(QStringLiteral("--demo cannot be used with --archive"));
    if (p.isSet("lang") && !QStringList{"ja", "en", "auto"}.contains(p.value("lang")))
        return refused(QStringLiteral("--lang cannot be %1 (ja, en or auto)").arg(p.value("lang")));
    ProgramCommand c;
    if (auto answer = readNumbers(p, {}, {{"zoom", {1, 2, 3, 4}, &c.zoom}})) return *answer;
    c.restore = p.value("restore");
    c.script = p.value("script");
    c.workDir = p.value("workdir");
    c.archive = p.value("archive");
    c.page = pages.value(0);
    c.demo = p.isSet("demo");
    c.language = p.value("lang");
    return c;
}

}  // namespace

ProgramCommand parseCommandLine(const QStringList& arguments) {
    const QString command = arguments.value(1);
    const QStringList rest = QStringList{arguments.value(0)} + arguments.mid(2);
    if (command == u"render") return parseRender(rest);
    if (command == u"export") return parseExport(rest);
    // A worker is given the render options, then jobs on standard input. A
    // subcommand, parsed as render is, and inherited by no process the worker
    // starts, as a variable of the environment would be; hidden from the
    // help, because only the program itself speaks its input.
    if (command == QLatin1String(kRenderWorkerCommand)) {
        ProgramCommand c = parseRender(rest);
        if (c.action == ProgramCommand::Action::Render) c.action = ProgramCommand::Action::RenderWorker;
        return c;
    }
    return parseViewer(arguments);
}

}  // namespace sumire
