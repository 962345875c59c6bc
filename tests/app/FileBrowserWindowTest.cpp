// The local file browser through the script interface: from folder to file
// to O.K, the go button drawing the loaded page, the browser keeping its
// folder and path, Cancel, and O.K on paths that cannot be loaded.

#include "OfflinePage.h"
#include "ScriptRun.h"
#include "page/TextCodec.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace sumire::apptest {
namespace {

bool shown(const QJsonObject& dump) { return dump["shown"].toObject()["file"].toBool(); }

bool mainEnabled(const QJsonObject& dump) { return dump["Form1"].toObject()["enabled"].toBool(); }

QString text1(const QJsonObject& dump) { return dump["Text1"].toObject()["text"].toString(); }

QString text2(const QJsonObject& dump) { return dump["Text2"].toObject()["text"].toString(); }

const QString kPage = QStringLiteral("From: me http://from/x\r\nSubject: 件名\r\nこんにちは<#HEART>");

class FileBrowserWindow : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(box.workDir()).mkpath("pages/sub");
        box.write("pages/page.txt", encodeCp932(kPage));  // the files of the era are in code page 932
        box.write("pages/notes.dat", "not listed");
        box.write("top.txt", "top");
    }
    QString pages() const { return QDir::cleanPath(box.path("pages")); }
    Sandbox box;
};

TEST_F(FileBrowserWindow, FromFolderToFileToOkThenTheGoButtonDrawsThePage) {
    const ScriptResult r = box.run({
        "click Command10", "dump",                   // 0: network mode, disabled
        "click Menu003", "click Command10", "dump",  // 1
        "select file.Dir1 pages", "dump",            // 2
        "select file.File1 page.txt", "dump",        // 3
        "click file.Command1", "dump",               // 4
        "click Command1", "dump",                    // 5
        "click Menu10", "dump",                      // 6
    });
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_FALSE(shown(r.dump(0)));
    EXPECT_TRUE(mainEnabled(r.dump(0)));

    // First shown on the working folder, its "*.txt" files listed.
    QJsonObject d = r.dump(1);
    EXPECT_TRUE(shown(d));
    EXPECT_FALSE(mainEnabled(d));
    EXPECT_EQ(d["file"].toObject()["Dir1"], QJsonValue(box.workDir()));
    EXPECT_EQ(d["file"].toObject()["File1"].toArray(), QJsonArray({"top.txt"}));

    d = r.dump(2);
    EXPECT_EQ(d["file"].toObject()["Dir1"], QJsonValue(pages()));
    EXPECT_EQ(d["file"].toObject()["File1"].toArray(), QJsonArray({"page.txt"}));
    EXPECT_EQ(r.dump(3)["file"].toObject()["Text1"], QJsonValue(pages() + "/page.txt"));

    // O.K loads the text and the path, and closes; nothing is drawn yet.
    d = r.dump(4);
    EXPECT_FALSE(shown(d));
    EXPECT_TRUE(mainEnabled(d));
    EXPECT_EQ(text2(d), kPage);
    EXPECT_EQ(text1(d), pages() + "/page.txt");
    EXPECT_EQ(d["model"].toObject()["lcdText"], QJsonValue(""));

    d = r.dump(5);
    EXPECT_EQ(d["Label1(3)"], QJsonValue("http://from/x"));
    EXPECT_EQ(d["Label1(6)"], QJsonValue(" 件名"));
    // The body begins with the line feed after the title's CR.
    EXPECT_EQ(d["model"].toObject()["lcdText"], QJsonValue(QString::fromUtf8("\nこんにちは\uE000")));
    EXPECT_EQ(drawnText(d), QString::fromUtf8("こんにちは\uE000"));

    // The menu item opens it again on the folder and path of the last use.
    d = r.dump(6);
    EXPECT_TRUE(shown(d));
    EXPECT_EQ(d["file"].toObject()["Dir1"], QJsonValue(pages()));
    EXPECT_EQ(d["file"].toObject()["Text1"], QJsonValue(pages() + "/page.txt"));
}

TEST_F(FileBrowserWindow, DoubleClickLoadsAndCancelLeavesTheBoxes) {
    const ScriptResult r = box.run({
        "click Menu003",
        "set Text2 typed by hand",
        "click Command10",
        "select file.Dir1 " + box.path("pages/sub"),
        "select file.Dir1 ..",
        "dump",
        "select file.File1 page.txt",
        "click file.Command2",
        "dump",
        "click Command10",
        "dblclick file.File1 page.txt",
        "dump",
    });
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["file"].toObject()["Dir1"], QJsonValue(pages()));
    // Cancel: closed, the main window's boxes untouched.
    EXPECT_FALSE(shown(r.dump(1)));
    EXPECT_TRUE(mainEnabled(r.dump(1)));
    EXPECT_EQ(text2(r.dump(1)), "typed by hand");
    EXPECT_EQ(text1(r.dump(1)), "");
    // The double-click is the click and O.K.
    EXPECT_FALSE(shown(r.dump(2)));
    EXPECT_EQ(text2(r.dump(2)), kPage);
    EXPECT_EQ(text1(r.dump(2)), pages() + "/page.txt");
}

// O.K on a path that is empty, names no file, names a folder, a FIFO, a
// folder in a file's place or a file too big to load: the message that says
// so (a FIFO without a writer never makes it wait), the browser stays open,
// the main window's boxes as they were.
TEST_F(FileBrowserWindow, OkOnAPathThatCannotBeLoadedKeepsTheBrowserOpen) {
    QFile big(box.path("big.txt"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(17 * 1024 * 1024));  // sparse: no disk is used
    big.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(box.path("fifo.txt")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(box.workDir()).mkpath("folder.txt"));
    const QString none = QStringLiteral("%1 というファイルはありません。");
    const struct {
        QString path, message;
    } cases[] = {
        {QString(), QStringLiteral("ファイルが選ばれていません。")},
        {QStringLiteral("  "), QStringLiteral("ファイルが選ばれていません。")},
        {box.path("none.txt"), none.arg(box.path("none.txt"))},
        {pages(), none.arg(pages())},
        {box.path("fifo.txt"), none.arg(box.path("fifo.txt"))},
        {box.path("folder.txt"), none.arg(box.path("folder.txt"))},
        {box.path("big.txt"), QStringLiteral("%1 は大きすぎて開けません。").arg(box.path("big.txt"))},
    };
    for (const auto& [path, message] : cases) {
        const ScriptResult r = box.run({
            "click Menu003",
            "set Text2 kept",
            "click Command10",
            "set file.Text1 " + path,
            "click file.Command1",
            "dump",
        });
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        const QJsonObject d = r.dump(0);
        const QJsonArray messages = d["messages"].toArray();
        ASSERT_EQ(messages.size(), 1) << qPrintable(path);
        EXPECT_EQ(messages[0].toString(), message);
        EXPECT_TRUE(shown(d)) << qPrintable(path);
        EXPECT_FALSE(mainEnabled(d)) << qPrintable(path);
        EXPECT_EQ(text2(d), "kept") << qPrintable(path);
        EXPECT_EQ(text1(d), "") << qPrintable(path);
    }
}

TEST_F(FileBrowserWindow, TheCloseBoxDestroysTheBrowser) {
    const ScriptResult r = box.run({
        "click Menu003",
        "click Command10",
        "select file.Dir1 pages",
        "close file",
        "dump",
        "click Command10",
        "dump",
    });
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_FALSE(shown(r.dump(0)));
    EXPECT_TRUE(mainEnabled(r.dump(0)));
    EXPECT_EQ(r.dump(0)["file"].toObject()["Dir1"], QJsonValue(box.workDir()));
    EXPECT_EQ(r.dump(0)["file"].toObject()["File1"].toArray(), QJsonArray());
    // Created afresh on the working folder.
    EXPECT_EQ(r.dump(1)["file"].toObject()["Dir1"], QJsonValue(box.workDir()));
}

TEST_F(FileBrowserWindow, ItemsThatAreNotThereCannotBeChosen) {
    for (const QString& line : {QString("select file.File1 notes.dat"), QString("select file.Dir1 none"),
                                QString("select file.Drive1 no-such-drive"), QString("dblclick file.File1 x.txt"),
                                QString("select file.Command1 x"), QString("set file.Dir1 x")}) {
        const ScriptResult r = box.run({"click Menu003", "click Command10", "select file.Dir1 pages", line});
        EXPECT_EQ(r.exitCode, 2) << qPrintable(line);
        EXPECT_TRUE(r.err.contains("line 4: ")) << qPrintable(line) << r.err.constData();
    }
}

}  // namespace
}  // namespace sumire::apptest
