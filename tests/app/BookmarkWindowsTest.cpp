// The bookmark dialogs through the script interface: adding the page's sender
// and title, editing, deleting, the bookmark menu and bookmark.txt after each
// change, the main window disabled while a dialog is shown and enabled again
// by every way out, and saves of bookmark.txt that fail.

#include "OfflinePage.h"
#include "ScriptRun.h"
#include "TestFiles.h"
#include "page/TextCodec.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sumire::apptest {
namespace {

using test::readFile;

const QString kSaveFailure = QStringLiteral("ブックマークを保存できませんでした。");

QByteArray records(const QList<std::pair<QString, QString>>& list) {
    QString text;
    for (const auto& [title, address] : list) text += "\"" + title + "\",\"" + address + "\"\r\n";
    return encodeCp932(text);
}

QJsonArray texts(const QStringList& list) { return QJsonArray::fromStringList(list); }

bool shown(const QJsonObject& dump, const char* window) { return dump["shown"].toObject()[window].toBool(); }

bool mainEnabled(const QJsonObject& dump) { return dump["Form1"].toObject()["enabled"].toBool(); }

// A folder in which no file can be created or renamed: immutable for root,
// without write permission for anyone else. Undone at the end of the scope.
class LockedFolder {
public:
    explicit LockedFolder(const QString& path) : path_(QFile::encodeName(path)) { ok_ = setLocked(true); }
    ~LockedFolder() {
        if (ok_) setLocked(false);
    }
    bool ok() const { return ok_; }

private:
    bool setLocked(bool locked) {
        if (geteuid() != 0) return chmod(path_.constData(), locked ? 0555 : 0755) == 0;
        const int fd = open(path_.constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return false;
        int flags = 0;
        bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = locked ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = done && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        close(fd);
        return done;
    }
    QByteArray path_;
    bool ok_ = false;
};

const QString kPage = QStringLiteral("From: 山田 http://sender/page\r\nSubject: 今日の\r\n本文");

TEST(BookmarkWindows, AddFromThePageThenEditAndDelete) {
    Sandbox box;
    QStringList lines = showOffline(kPage);
    lines << "click book3"
          << "dump"  // 0
          << "click Command5(1)"
          << "click Form2.Command1"
          << "dump"  // 1
          << "click Command19"
          << "set Form2.Text1 http://x/2"
          << "set Form2.Text2 二番"
          << "click Form2.Command1"
          << "click book4"
          << "dump"  // 2
          << "select Form3.List1 1"
          << "set Form3.Text2 第二"
          << "click Form3.Command1"
          << "dump"  // 3
          << "select Form3.List1 0"
          << "click Form3.Command2"
          << "dump"  // 4
          << "click Form3.Command2"
          << "click Form3.Command1"
          << "dump"  // 5
          << "close Form3"
          << "dump"  // 6
          << "click book000(0)"
          << "dump";  // 7
    const ScriptResult r = box.run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QString file = box.path("bookmark.txt");

    // The add dialog proposes the page's sender and title.
    QJsonObject d = r.dump(0);
    EXPECT_TRUE(shown(d, "Form2"));
    EXPECT_FALSE(mainEnabled(d));
    EXPECT_EQ(d["Form2"].toObject(), QJsonObject({{"Text1", "http://sender/page"}, {"Text2", " 今日の"}}));

    // OK adds it; the keypad click while the dialog was shown did nothing.
    d = r.dump(1);
    EXPECT_EQ(d["Text3"], QJsonValue(""));
    EXPECT_FALSE(shown(d, "Form2"));
    EXPECT_TRUE(mainEnabled(d));
    EXPECT_EQ(d["book000"].toArray(), texts({" 今日の"}));
    EXPECT_EQ(d["model"].toObject()["lastBookmark"], QJsonValue(0));

    // The toolbar button adds a second one; the editor lists both.
    d = r.dump(2);
    EXPECT_TRUE(shown(d, "Form3"));
    EXPECT_FALSE(mainEnabled(d));
    EXPECT_EQ(d["book000"].toArray(), texts({" 今日の", "二番"}));
    EXPECT_EQ(d["Form3"].toObject()["List1"].toArray(), texts({" 今日の (http://sender/page)", "二番 (http://x/2)"}));

    // 更新 changes the line, the menu item and the file's second record.
    d = r.dump(3);
    QJsonObject form3 = d["Form3"].toObject();
    EXPECT_EQ(form3["selectedBookmark"], QJsonValue(1));
    EXPECT_EQ(form3["Text1"], QJsonValue("http://x/2"));
    EXPECT_EQ(form3["List1"].toArray(), texts({" 今日の (http://sender/page)", "第二 (http://x/2)"}));
    EXPECT_EQ(d["book000"].toArray(), texts({" 今日の", "第二"}));
    EXPECT_EQ(d["model"].toObject()["bookmarkTitles"].toArray(), texts({" 今日の", "第二"}));

    // 削除 of line 0: one line and one menu item left; the boxes still show
    // the removed bookmark.
    d = r.dump(4);
    form3 = d["Form3"].toObject();
    EXPECT_EQ(form3["List1"].toArray(), texts({"第二 (http://x/2)"}));
    EXPECT_EQ(form3["Text2"], QJsonValue(" 今日の"));
    EXPECT_EQ(form3["selectedBookmark"], QJsonValue(0));
    EXPECT_EQ(d["book000"].toArray(), texts({"第二"}));
    EXPECT_EQ(d["model"].toObject()["bookmarkAddresses"].toArray(), texts({"http://x/2"}));

    // With no line selected, 削除 and 更新 change nothing.
    EXPECT_EQ(r.dump(5)["Form3"], r.dump(4)["Form3"]);
    EXPECT_EQ(r.dump(5)["book000"], r.dump(4)["book000"]);
    EXPECT_EQ(readFile(file), records({{"第二", "http://x/2"}}));

    // The close box destroys the editor and enables the main window.
    d = r.dump(6);
    EXPECT_FALSE(shown(d, "Form3"));
    EXPECT_TRUE(mainEnabled(d));
    EXPECT_EQ(d["Form3"].toObject()["List1"].toArray(), QJsonArray());
    EXPECT_EQ(d["Form3"].toObject()["Text1"], QJsonValue(""));

    // The menu item opens the bookmark: its address in Text1, then the request.
    d = r.dump(7);
    EXPECT_EQ(d["Text1"].toObject()["text"], QJsonValue("http://x/2"));
    EXPECT_EQ(d["Label1(6)"], QJsonValue(" 今日の"));  // the offline page drawn again
}

TEST(BookmarkWindows, EveryWayOutEnablesTheMainWindow) {
    Sandbox box;
    const QList<QStringList> waysOut{
        {"click book3", "set Form2.Text2 t", "click Form2.Command1"},  // OK with an empty address
        {"click book3", "set Form2.Text1 a", "set Form2.Text2 t", "click Form2.Command2"},
        {"click book3", "close Form2"},
        {"click book4", "click Form3.Command3"},
        {"click book4", "close Form3"},
    };
    for (const QStringList& way : waysOut) {
        QStringList lines = way;
        lines.insert(1, "dump");
        lines << "dump";
        const ScriptResult r = box.run(lines);
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        const QString what = way.join(" / ");
        EXPECT_FALSE(mainEnabled(r.dump(0))) << qPrintable(what);
        EXPECT_TRUE(mainEnabled(r.dump(1))) << qPrintable(what);
        for (const char* w : {"Form2", "Form3"}) EXPECT_FALSE(shown(r.dump(1), w)) << qPrintable(what) << w;
        EXPECT_EQ(r.dump(1)["book000"].toArray(), texts({"ありません"})) << qPrintable(what);
    }
    EXPECT_FALSE(QFile::exists(box.path("bookmark.txt")));
}

// The buttons hide a dialog, which keeps its boxes; the close box destroys it.
TEST(BookmarkWindows, ButtonsHideTheDialogAndTheCloseBoxDestroysIt) {
    Sandbox box;
    const ScriptResult r = box.run({
        "click book3",
        "set Form2.Text1 typed",
        "click Form2.Command2",
        "dump",
        "click Form2.Command1",
        "dump",  // hidden: the click does nothing
        "click book3",
        "close Form2",
        "dump",
    });
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["Form2"].toObject()["Text1"], QJsonValue("typed"));
    EXPECT_EQ(r.dump(1)["model"].toObject()["lastBookmark"], QJsonValue(-1));
    EXPECT_EQ(r.dump(2)["Form2"].toObject(), QJsonObject({{"Text1", ""}, {"Text2", ""}}));
}

TEST(BookmarkWindows, EmptyListAndNoSelectionChangeNothing) {
    Sandbox box;
    box.write("bookmark.txt", records({{"A", "http://a/"}, {"B", "http://b/"}}));
    const ScriptResult r = box.run({
        "click book4",
        "set Form3.Text2 changed",
        "click Form3.Command1",
        "click Form3.Command2",
        "dump",
        "select Form3.List1 1",
        "click Form3.Command2",
        "select Form3.List1 0",
        "click Form3.Command2",
        "dump",
        "click Form3.Command2",
        "click Form3.Command1",
        "dump",
        "click Form3.Command3",
        "click book000(0)",
        "dump",
    });
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    // A fresh editor has no line selected.
    EXPECT_EQ(r.dump(0)["book000"].toArray(), texts({"A", "B"}));
    EXPECT_EQ(r.dump(0)["Form3"].toObject()["List1"].toArray(), texts({"A (http://a/)", "B (http://b/)"}));
    // Both deleted: the menu says "ありません", the file is empty.
    EXPECT_EQ(r.dump(1)["book000"].toArray(), texts({"ありません"}));
    EXPECT_EQ(r.dump(1)["Form3"].toObject()["List1"].toArray(), QJsonArray());
    EXPECT_EQ(r.dump(1)["model"].toObject()["lastBookmark"], QJsonValue(-1));
    // On the empty list the buttons do nothing.
    EXPECT_EQ(r.dump(2)["model"].toObject()["lastBookmark"], QJsonValue(-1));
    EXPECT_EQ(r.dump(2)["messages"].toArray(), QJsonArray());
    EXPECT_EQ(readFile(box.path("bookmark.txt")), QByteArray());
    // "ありません" runs the request with an empty address.
    EXPECT_EQ(r.dump(3)["Text1"].toObject()["text"], QJsonValue(""));
}

TEST(BookmarkWindows, ALineThatIsNotThereCannotBeSelected) {
    Sandbox box;
    box.write("bookmark.txt", records({{"A", "http://a/"}}));
    const ScriptResult r = box.run({"click book4", "select Form3.List1 1", "dump"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("line 2: ")) << r.err.constData();
    // While the editor is not shown, the line is ignored like a click.
    EXPECT_EQ(box.run({"select Form3.List1 5", "dump"}).exitCode, 0);
    EXPECT_EQ(box.run({"select Form3.List1 x"}).exitCode, 2);
}

// The save fails: the user is told, and the menu and the list show what the
// file holds, which is what it held before.
TEST(BookmarkWindows, AFailedSaveIsToldAndTheMenuShowsTheFile) {
    Sandbox box;
    const QByteArray old = records({{"A", "http://a/"}, {"B", "http://b/"}});
    box.write("bookmark.txt", old);
    QDir(box.workDir()).mkdir("download");
    LockedFolder locked(box.workDir());
    if (!locked.ok()) GTEST_SKIP() << "this file system cannot lock a folder";
    const ScriptResult r = box.run({
        "click book4",
        "select Form3.List1 0",
        "set Form3.Text2 new",
        "click Form3.Command1",
        "dump",
        "select Form3.List1 1",
        "click Form3.Command2",
        "dump",
        "click Form3.Command3",
        "click book3",
        "set Form2.Text1 http://c/",
        "set Form2.Text2 C",
        "click Form2.Command1",
        "dump",
    });
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    for (int i = 0; i < 3; ++i) {
        const QJsonObject d = r.dump(i);
        const QJsonArray messages = d["messages"].toArray();
        ASSERT_EQ(messages.size(), 1) << i;
        EXPECT_TRUE(messages[0].toString().startsWith(kSaveFailure)) << qPrintable(messages[0].toString());
        EXPECT_TRUE(messages[0].toString().contains("bookmark.txt")) << qPrintable(messages[0].toString());
        EXPECT_EQ(d["book000"].toArray(), texts({"A", "B"})) << i;
    }
    EXPECT_EQ(r.dump(0)["Form3"].toObject()["List1"].toArray(), texts({"A (http://a/)", "B (http://b/)"}));
    EXPECT_EQ(r.dump(1)["Form3"].toObject()["List1"].toArray(), texts({"A (http://a/)", "B (http://b/)"}));
    EXPECT_TRUE(shown(r.dump(1), "Form3"));   // the editor stays open
    EXPECT_FALSE(shown(r.dump(2), "Form2"));  // OK still closes the add dialog
    EXPECT_TRUE(mainEnabled(r.dump(2)));
    EXPECT_EQ(readFile(box.path("bookmark.txt")), old);
}

// A folder where bookmark.txt should be: nothing can be read from it or saved
// over it, and each change says so.
TEST(BookmarkWindows, AFolderInThePlaceOfTheFileIsToldOnEachChange) {
    Sandbox box;
    QDir(box.workDir()).mkpath("bookmark.txt/inside");
    QStringList lines = showOffline(kPage);
    lines << "click book3"
          << "click Form2.Command1"
          << "dump";
    const ScriptResult r = box.run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonArray messages = r.dump(0)["messages"].toArray();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].toString().startsWith(kSaveFailure)) << qPrintable(messages[0].toString());
    EXPECT_EQ(r.dump(0)["book000"].toArray(), texts({"ありません"}));
    EXPECT_TRUE(QFileInfo(box.path("bookmark.txt/inside")).isDir());
}

}  // namespace
}  // namespace sumire::apptest
