// The zoomed window: under a real display its LCD is the 1x LCD with every
// pixel doubled, as render --scale 2 draws it, in a window twice as large;
// a new zoom starts the window again on the same page, place and history.

#include "Pixels.h"
#include "ProgramRun.h"
#include "ScriptRun.h"
#include "TestFiles.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

using test::ProgramResult;
using test::RunSetup;

const QRect kLcd(24, 64, 138, 138);  // the LCD area, in 1x pixels

// The built viewer on `arguments` under a display of its own; `platform`
// chosen, or the viewer's own choice.
ProgramResult underXvfb(const Sandbox& box, const QStringList& arguments, const QString& platform = {}) {
    RunSetup setup;
    setup.program = QStandardPaths::findExecutable("xvfb-run");
    setup.environment.remove("QT_QPA_PLATFORM");
    if (!platform.isEmpty()) setup.environment.insert("QT_QPA_PLATFORM", platform);
    setup.environment.insert("XDG_CONFIG_HOME", box.configHome());
    return test::runProgram(QStringList{"-a", RunSetup::builtViewer()} + arguments, setup);
}

TEST(Zoom, TheLcdAtZoomTwoIsTheLcdWithEveryPixelDoubled) {
    if (QStandardPaths::findExecutable("xvfb-run").isEmpty()) GTEST_SKIP() << "xvfb-run is not installed";
    Sandbox box;
    box.write("page.txt", "<BODY=000066 BG=FFFFCC>\r\n<C=CC0000>red</C> text<#HEART>\r\n<BL>blinks</BL>\r\n");
    box.write("script.txt", ("shot " + box.path("one.png") + "\nshot --zoom " + box.path("two.png") + "\n").toUtf8());
    for (const char* zoom : {"1", "2"}) {
        const ProgramResult run = underXvfb(box, {"--zoom", zoom, "--script", box.path("script.txt"), "--workdir",
                                                  box.workDir(), box.path("page.txt")});
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        const QImage one(box.path("one.png")), shown(box.path("two.png"));
        ASSERT_EQ(one.size(), QSize(634, 457)) << zoom;  // shot stays at 1x
        ASSERT_EQ(shown.size(), one.size() * QString(zoom).toInt()) << zoom;
    }
    const QImage one(box.path("one.png")), two(box.path("two.png"));
    const QImage lcd = one.copy(kLcd), zoomedLcd = two.copy(QRect(kLcd.topLeft() * 2, kLcd.size() * 2));
    EXPECT_EQ(
        test::differentPixels(zoomedLcd, lcd.scaled(lcd.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)), 0);
    // And exactly what render draws at scale 2 on the same display, whose
    // font settings the text follows.
    const ProgramResult drawn = underXvfb(
        box, {"render", box.path("page.txt"), "--crop", "lcd", "--scale", "2", "-o", box.path("r.png")}, "xcb");
    ASSERT_EQ(drawn.exitCode, 0) << drawn.err.constData();
    EXPECT_EQ(test::differentPixels(zoomedLcd, QImage(box.path("r.png"))), 0);
}

// The command line a zoom key would start, from the dump's `started`.
QStringList startedArguments(const QJsonObject& dump) {
    const QJsonArray started = dump["started"].toArray();
    if (started.size() != 1) return {};
    return started[0].toString().split(' ').mid(1);
}

TEST(Zoom, ANewZoomStartsTheWindowAgainOnTheSamePage) {
    Sandbox box;
    QByteArray longPage;
    for (int row = 1; row <= 30; ++row) longPage += "row " + QByteArray::number(row) + "\r\n";
    box.write("first.txt", "the first page");
    box.write("long.txt", longPage);
    const ScriptResult r = box.run({"drop " + box.path("long.txt"), "key Esc", "key Down", "key Down", "key Down",
                                    "key Ctrl+Left", "dump", "key Ctrl+-", "key Ctrl++", "dump"},
                                   {box.path("first.txt")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["started"], QJsonValue(QJsonArray()));  // at 1x, Ctrl+- has nowhere to go
    const QStringList arguments = startedArguments(r.dump(1));
    ASSERT_TRUE(arguments.contains("--restore")) << qPrintable(arguments.join(' '));
    EXPECT_EQ(arguments.mid(arguments.indexOf("--zoom"), 2), QStringList({"--zoom", "2"}));
    EXPECT_EQ(QSettings(box.settingsFile(), QSettings::IniFormat).value("View/Zoom").toInt(), 2);

    const QString handedOver = arguments.value(arguments.indexOf("--restore") + 1);
    RunSetup setup;
    setup.environment.insert("QT_QPA_PLATFORM", "offscreen");
    setup.environment.insert("XDG_CONFIG_HOME", box.configHome());
    test::writeFile(box.path("dump.txt"), "dump\n");
    const ProgramResult again = test::runProgram(arguments + QStringList{"--script", box.path("dump.txt")}, setup);
    ASSERT_EQ(again.exitCode, 0) << again.err.constData();
    const QJsonObject before = r.dump(0), after = QJsonDocument::fromJson(again.out).object();
    for (const char* key : {"Text1", "Text2", "checked", "history", "draw"}) EXPECT_EQ(after[key], before[key]) << key;
    for (const char* key : {"lcdText", "scrollTop", "lineChars"})
        EXPECT_EQ(after["model"].toObject()[key], before["model"].toObject()[key]) << key;
    EXPECT_EQ(before["model"].toObject()["scrollTop"].toInt(), 3);
    EXPECT_FALSE(QFileInfo::exists(handedOver));

    // Ctrl+0 goes back to the desktop's factor: no zoom asked for, none stored.
    const ScriptResult reset = box.run({"key Ctrl+0", "dump"});
    ASSERT_EQ(reset.exitCode, 0) << reset.err.constData();
    const QStringList resetArguments = startedArguments(reset.dump(0));
    EXPECT_TRUE(resetArguments.contains("--restore")) << qPrintable(resetArguments.join(' '));
    EXPECT_FALSE(resetArguments.contains("--zoom")) << qPrintable(resetArguments.join(' '));
    EXPECT_FALSE(QSettings(box.settingsFile(), QSettings::IniFormat).contains("View/Zoom"));
}

}  // namespace
}  // namespace sumire::apptest
