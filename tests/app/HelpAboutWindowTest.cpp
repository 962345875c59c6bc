// Help and the About window through the script interface. Which programs
// exist is decided by PATH: the test puts fake programs in a folder of its own
// and lets the viewer search only there. Programs are recorded, never started.

#include "ScriptRun.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

const QString kNoSystemInfo = QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません");
const QString kNoEditor = QStringLiteral("テキストエディタが見つからないため、ヘルプを表示できません。");

// A folder of fake programs, and PATH set to it alone for the scope.
class FakePrograms {
public:
    FakePrograms() : oldPath_(qgetenv("PATH")) { qputenv("PATH", dir_.path().toUtf8()); }
    ~FakePrograms() { qputenv("PATH", oldPath_); }
    QString add(const QString& name) {
        const QString path = dir_.filePath(name);
        test::writeProgram(path, "#!/bin/sh\nexit 0\n");
        return path;
    }

private:
    QTemporaryDir dir_;
    QByteArray oldPath_;
};

bool shown(const QJsonObject& dump) { return dump["shown"].toObject()["frmAbout"].toBool(); }

// The file that the help menu opens with xdg-open, the one program on PATH;
// empty, and the test failed, when it starts anything else.
QString readmeHelpOpens(const Sandbox& box) {
    FakePrograms programs;
    const QString opener = programs.add("xdg-open");
    const ScriptResult r = box.run({"click help001", "dump"});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonArray started = r.dump(0)["started"].toArray();
    EXPECT_EQ(started.size(), 1);
    if (started.size() != 1) return {};
    EXPECT_TRUE(started[0].toString().startsWith(opener + " ")) << qPrintable(started[0].toString());
    return started[0].toString().mid(opener.size() + 1);
}

bool mainEnabled(const QJsonObject& dump) { return dump["Form1"].toObject()["enabled"].toBool(); }

class HelpAboutWindow : public ::testing::Test {
protected:
    // The readme.txt the build puts beside the program.
    void copyReadme() {
        ASSERT_TRUE(QFile::copy(QDir(SUMIRE_PROGRAM_DIR).filePath("readme.txt"), box.path("readme.txt")));
    }
    Sandbox box;
};

TEST_F(HelpAboutWindow, HelpOpensTheReadmeInTheDesktopsOpener) {
    copyReadme();
    FakePrograms programs;
    const QString opener = programs.add("xdg-open");
    const ScriptResult r = box.run({"click help001", "click Command21", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QString started = opener + " " + box.path("readme.txt");
    EXPECT_EQ(r.dump(0)["started"].toArray(), QJsonArray({started, started}));
    EXPECT_EQ(r.dump(0)["messages"].toArray(), QJsonArray());
}

TEST_F(HelpAboutWindow, HelpFallsBackToATextEditor) {
    copyReadme();
    FakePrograms programs;
    const QString editor = programs.add("mousepad");
    const ScriptResult r = box.run({"click help001", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["started"].toArray(), QJsonArray({editor + " " + box.path("readme.txt")}));
}

TEST_F(HelpAboutWindow, HelpWithoutAnEditorSaysSo) {
    copyReadme();
    FakePrograms programs;  // none at all
    const ScriptResult r = box.run({"click Command21", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["messages"].toArray(), QJsonArray({kNoEditor}));
    EXPECT_EQ(r.dump(0)["started"].toArray(), QJsonArray());
    // The status line says it too, after the box is gone.
    EXPECT_EQ(r.dump(0)["status"], QJsonValue("ヘルプを表示するテキストエディタが見つかりません。"));
}

// Without a readme.txt of its own, the working folder's help is the program's.
TEST_F(HelpAboutWindow, WithoutAReadmeInTheWorkingFolderHelpOpensTheProgramsOwn) {
    const QString readme = readmeHelpOpens(box);
    EXPECT_TRUE(readme.endsWith("/readme.txt")) << qPrintable(readme);
    EXPECT_FALSE(readme.startsWith(box.workDir())) << qPrintable(readme);
    QFile shown(readme), ours(QDir(SUMIRE_PROGRAM_DIR).filePath("readme.txt"));
    ASSERT_TRUE(shown.open(QIODevice::ReadOnly) && ours.open(QIODevice::ReadOnly));
    EXPECT_EQ(shown.readAll(), ours.readAll());
}

// A guide of an older version in code page 932 would be mojibake in the editor.
TEST_F(HelpAboutWindow, HelpOpensTheProgramsUtf8GuideOverAnOlderOneInCodePage932) {
    box.write("readme.txt", "\x90\xE0\x96\xBE\x8F\x91\r\n");  // "説明書" in code page 932
    const QString readme = readmeHelpOpens(box);
    EXPECT_NE(readme, box.path("readme.txt"));
    QFile shown(readme);
    ASSERT_TRUE(shown.open(QIODevice::ReadOnly)) << qPrintable(readme);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(shown.readAll());
    EXPECT_FALSE(utf8.hasError());
    EXPECT_TRUE(text.contains(QString::fromUtf8("<#HEART>       U+2764    ❤  ハート"))) << qPrintable(readme);
}

TEST_F(HelpAboutWindow, AboutShowsTitleAndVersionAndStartsTheSystemInformationTool) {
    FakePrograms programs;
    const QString tool = programs.add("hardinfo");
    const ScriptResult r = box.run({
        "click help003",
        "click Command5(1)",
        "dump",
        "click frmAbout.cmdSysInfo",
        "dump",
        "click frmAbout.cmdOK",
        "dump",
    });
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    QJsonObject d = r.dump(0);
    EXPECT_TRUE(shown(d));
    EXPECT_FALSE(mainEnabled(d));
    EXPECT_EQ(d["Text3"], QJsonValue(""));  // the main window took no click
    EXPECT_EQ(
        d["frmAbout"].toObject(),
        QJsonObject({{"caption", "Sumireのﾊﾞｰｼﾞｮﾝ情報"}, {"lblTitle", "Sumire"}, {"lblVersion", "ﾊﾞｰｼﾞｮﾝ 1.0.0"}}));
    d = r.dump(1);
    EXPECT_EQ(d["started"].toArray(), QJsonArray({tool}));
    EXPECT_EQ(d["messages"].toArray(), QJsonArray());
    EXPECT_TRUE(shown(d));
    // OK enables the main window and destroys the About window.
    d = r.dump(2);
    EXPECT_FALSE(shown(d));
    EXPECT_TRUE(mainEnabled(d));
    EXPECT_EQ(d["frmAbout"].toObject(), QJsonObject({{"caption", ""}, {"lblTitle", ""}, {"lblVersion", ""}}));
}

TEST_F(HelpAboutWindow, WithoutASystemInformationToolTheButtonSaysSoAndTheCloseBoxEnablesTheMainWindow) {
    FakePrograms programs;
    const ScriptResult r = box.run({
        "click help003", "click frmAbout.cmdSysInfo", "dump", "close frmAbout", "dump", "click frmAbout.cmdSysInfo",
        "dump",  // not shown: ignored
    });
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["messages"].toArray(), QJsonArray({kNoSystemInfo}));
    EXPECT_EQ(r.dump(0)["started"].toArray(), QJsonArray());
    EXPECT_TRUE(shown(r.dump(0)));
    EXPECT_FALSE(shown(r.dump(1)));
    EXPECT_TRUE(mainEnabled(r.dump(1)));
    EXPECT_EQ(r.dump(1)["frmAbout"].toObject()["caption"], QJsonValue(""));
    EXPECT_EQ(r.dump(2)["messages"].toArray(), QJsonArray());
}

}  // namespace
}  // namespace sumire::apptest
