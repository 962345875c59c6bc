// The files that make the program a desktop program: the desktop entry and
// the AppStream metainfo pass their validators, the manual page formats
// without warnings and names every option that --help lists, and the icon is
// drawn anew at each size rather than scaled up.

#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSettings>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::ProgramResult;
using test::RunSetup;

QString source(const QString& relative) { return QDir(SUMIRE_SOURCE_DIR).filePath(relative); }

ProgramResult runTool(const QString& program, const QStringList& arguments) {
    RunSetup setup;
    setup.program = program;
    return test::runProgram(arguments, setup);
}

TEST(DesktopFiles, EntryPassesItsValidatorAndOpensOnePageEach) {
    const QString entry = source("dist/jp.sumire.sumire.desktop");
    const ProgramResult r = runTool("desktop-file-validate", {entry});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out + r.err, QByteArray()) << "hints and warnings count too";

    QSettings ini(entry, QSettings::IniFormat);
    ini.beginGroup("Desktop Entry");
    EXPECT_EQ(ini.value("Exec").toString(), QString("sumire %u"));
    EXPECT_EQ(ini.value("Icon").toString(), QString("sumire"));
    EXPECT_EQ(ini.value("MimeType").toString(), QString("text/plain"));
}

TEST(DesktopFiles, MetainfoPassesItsValidatorAndNamesTheEntry) {
    const QString metainfo = source("dist/jp.sumire.sumire.metainfo.xml");
    const ProgramResult r = runTool("appstreamcli", {"validate", "--no-net", "--pedantic", metainfo});
    EXPECT_EQ(r.exitCode, 0) << r.out.constData() << r.err.constData();
    EXPECT_FALSE(r.out.contains("P:") || r.out.contains("I:") || r.out.contains("W:")) << r.out.constData();

    QFile f(metainfo);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray xml = f.readAll();
    EXPECT_TRUE(xml.contains("<id>jp.sumire.sumire</id>"));
    EXPECT_TRUE(xml.contains("<launchable type=\"desktop-id\">jp.sumire.sumire.desktop</launchable>"));
    EXPECT_TRUE(xml.contains("<mediatype>text/plain</mediatype>"));
    EXPECT_TRUE(xml.contains("<release version=\"" SUMIRE_VERSION "\"")) << "a release for this version";
}

// The options a help text lists: words such as -o and --width at the start
// of an indented line or after a comma.
QStringList helpOptions(const QString& help) {
    QStringList options;
    static const QRegularExpression option(QStringLiteral("^ {2,}(-[a-z](?:, )?)?(--[a-z][a-z0-9-]*)?"),
                                           QRegularExpression::MultilineOption);
    for (auto m = option.globalMatch(help); m.hasNext();) {
        const QRegularExpressionMatch found = m.next();
        for (int group : {1, 2}) {
            const QString word = found.captured(group).remove(QStringLiteral(", "));
            if (!word.isEmpty()) options << word;
        }
    }
    return options;
}

// The commands a help text lists under "Commands:".
QStringList helpCommands(const QString& help) {
    QStringList commands;
    const qsizetype start = help.indexOf(QStringLiteral("Commands:\n"));
    if (start < 0) return commands;
    static const QRegularExpression command(QStringLiteral("^  ([a-z]+) "), QRegularExpression::MultilineOption);
    for (auto m = command.globalMatch(help, start); m.hasNext();) commands << m.next().captured(1);
    return commands;
}

// The manual page as a reader sees its words: groff's escapes taken out.
QString manPageWords() {
    QFile f(source("dist/sumire.1"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(f.readAll());
    text.replace(QStringLiteral("\\-"), QStringLiteral("-"));
    text.remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]")));
    return text;
}

bool mentions(const QString& page, const QString& word) {
    return page.contains(
        QRegularExpression(QStringLiteral("(^|[^a-z-])%1($|[^a-z-])").arg(QRegularExpression::escape(word)),
                           QRegularExpression::MultilineOption));
}

TEST(ManPage, NamesEveryCommandAndOptionOfTheHelp) {
    const QString page = manPageWords();
    ASSERT_FALSE(page.isEmpty());
    const ProgramResult main = test::runProgram({"--help"});
    ASSERT_EQ(main.exitCode, 0);
    const QString help = QString::fromUtf8(main.out);
    const QStringList commands = helpCommands(help);
    ASSERT_TRUE(commands.contains("render")) << help.toStdString();

    QStringList missing;
    for (const QString& option : helpOptions(help))
        if (!mentions(page, option)) missing << "sumire " + option;
    for (const QString& command : commands) {
        if (!page.contains(QStringLiteral(".SS %1\n").arg(command))) missing << "the section of " + command;
        const ProgramResult sub = test::runProgram({command, "--help"});
        EXPECT_EQ(sub.exitCode, 0) << command.toStdString();
        const QStringList options = helpOptions(QString::fromUtf8(sub.out));
        EXPECT_GT(options.size(), 1) << command.toStdString();
        for (const QString& option : options)
            if (!mentions(page, option)) missing << QStringLiteral("sumire %1 %2").arg(command, option);
    }
    EXPECT_TRUE(missing.isEmpty()) << "dist/sumire.1 does not describe: " << missing.join(", ").toStdString();
}

TEST(ManPage, FormatsWithoutWarnings) {
    const ProgramResult groff = runTool("groff", {"-ww", "-z", "-man", source("dist/sumire.1")});
    EXPECT_EQ(groff.exitCode, 0);
    EXPECT_EQ(groff.err, QByteArray());
    const ProgramResult lexgrog = runTool("lexgrog", {source("dist/sumire.1")});
    EXPECT_EQ(lexgrog.exitCode, 0) << lexgrog.out.constData() << lexgrog.err.constData();
    EXPECT_TRUE(lexgrog.out.contains("\"sumire - ")) << lexgrog.out.constData();
    for (const char* section : {".SH ENVIRONMENT", "XDG_CONFIG_HOME", ".SH EXIT STATUS", ".SH FILES"})
        EXPECT_TRUE(manPageWords().contains(section)) << section;
}

// The Japanese page, installed as man/ja/man1/sumire.1: read by man's
// indexer and formatted through groff's preprocessor for UTF-8.
TEST(ManPage, TheJapanesePageFormatsAndNamesTheLanguage) {
    const ProgramResult lexgrog = runTool("lexgrog", {source("dist/sumire.ja.1")});
    EXPECT_TRUE(lexgrog.out.contains("\"sumire - ")) << lexgrog.out.constData();
    const ProgramResult groff = runTool("groff", {"-k", "-Tutf8", "-P-cbou", "-man", source("dist/sumire.ja.1")});
    EXPECT_EQ(groff.exitCode, 0);
    for (const char* words : {"--lang ja|en|auto", "LANGUAGE, LC_ALL, LC_MESSAGES, LANG", "readme-en.txt", "日本語"})
        EXPECT_TRUE(QString::fromUtf8(groff.out).contains(QString::fromUtf8(words))) << words;
}

// Pixels that are neither fully clear nor fully opaque: a smoothed upscale
// has them all along its edges, a drawing only at rounded corners.
double partlyClear(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(image.pixel(x, y));
            count += a > 0 && a < 255;
        }
    return double(count) / (image.width() * image.height());
}

// True when every `block` x `block` square is of one colour: a smaller
// picture scaled up by repeating its pixels.
bool madeOfBlocks(const QImage& image, int block) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(x - x % block, y - y % block)) return false;
    return true;
}

TEST(DesktopFiles, IconIsDrawnAtEachSize) {
    const QImage small = QImage(source("assets/program-32.png")).convertToFormat(QImage::Format_ARGB32);
    const QRgb screen = small.pixel(19, 10);
    for (int size : {16, 32, 48, 128, 256}) {
        const QImage icon =
            QImage(source(QStringLiteral("assets/program-%1.png").arg(size))).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_LT(partlyClear(icon), 0.03) << size;
        if (size > 16) {
            EXPECT_FALSE(madeOfBlocks(icon, size / 16)) << size;
        }
        // The same handset: its screen's colour where the 32-pixel icon has it.
        if (size >= 32) {
            EXPECT_EQ(icon.pixel(size * 39 / 64, size * 21 / 64), screen) << size;
        }
    }
}

}  // namespace
}  // namespace sumire
