// The secondary windows in-process, over a fake main window: their size,
// captions, control places and tab order, the keys of the era (Enter, Esc),
// the About window's engraved rule, and the file browser's folder list. With
// SUMIRE_SHOT_DIR set, each window's picture is written there for a look.

#include "TestFiles.h"
#include "app/WindowLook.h"
#include "store/BookmarkStore.h"
#include "windows/FileBrowser.h"
#include "windows/FolderList.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/FrmAbout.h"
#include "store/LocalFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

class FakeMainWindow : public DialogHost {
public:
    void setMainEnabled(bool enabled) override { mainEnabled = enabled; }
    void tellUser(QWidget*, const QString& text) override { messages << text; }
    void startProgram(const ProgramStart& program) override { started << program.commandLine(); }
    void loadLocalPage(const QString& path, const QString& text) override { loaded << path << text; }

    bool mainEnabled = true;
    QStringList messages, started, loaded;
};

class SecondaryWindowLook : public ::testing::Test {
protected:
    void SetUp() override {
        oldFont_ = QApplication::font();
        QApplication::setFont(windowFont(9));
        ASSERT_TRUE(store.ReadBookmarkFile(dir.filePath("bookmark.txt")));
    }
    void TearDown() override { QApplication::setFont(oldFont_); }

    // The names of the focusable controls from `first` on, in tab order.
    static QStringList tabOrder(QWidget* first, int count) {
        QStringList names;
        QWidget* w = first;
        for (int i = 0; i < count; ++i, w = w->nextInFocusChain()) {
            while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
            names << w->objectName();
        }
        return names;
    }
    static QRect placeOf(const QWidget* window, const char* name) {
        const QWidget* w = window->findChild<QWidget*>(name);
        return w ? w->geometry() : QRect();
    }
    static void keepPicture(QWidget* window) {
        const QString folder = qEnvironmentVariable("SUMIRE_SHOT_DIR");
        if (!folder.isEmpty()) window->grab().save(QDir(folder).filePath(window->objectName() + ".png"));
    }
    static void press(QWidget* target, int key) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &down);
    }

    QTemporaryDir dir;
    BookmarkStore store;
    FakeMainWindow host;
    QFont oldFont_;
};

TEST_F(SecondaryWindowLook, AddDialogHasItsLayoutAndTabOrder) {
    Form2 w(store, host);
    w.showFor("http://s/", "title");
    EXPECT_EQ(w.windowTitle(), "ブックマークの追加");
    EXPECT_EQ(w.size(), QSize(400, 158));  // 6000 x 2370 twips
    EXPECT_FALSE(w.windowIcon().isNull());
    EXPECT_EQ(placeOf(&w, "Text1"), QRect(8, 32, 385, 25));
    EXPECT_EQ(placeOf(&w, "Text2"), QRect(8, 80, 385, 25));
    EXPECT_EQ(placeOf(&w, "Command1"), QRect(320, 120, 73, 33));
    EXPECT_EQ(placeOf(&w, "Command2"), QRect(240, 120, 73, 33));
    EXPECT_EQ(w.findChild<QLabel*>("Label1(1)")->text(), "アドレス名を入力してください。");
    EXPECT_EQ(w.findChild<QLabel*>("Label1(0)")->text(), "タイトル名を入力してください。");
    EXPECT_EQ(w.findChild<QPushButton*>("Command1")->text(), "OK");
    EXPECT_EQ(w.findChild<QPushButton*>("Command2")->text(), "CANCEL");
    EXPECT_EQ(tabOrder(w.Text1(), 4), QStringList({"Text1", "Text2", "Command1", "Command2"}));
    keepPicture(&w);
}

TEST_F(SecondaryWindowLook, AddDialogTakesNeitherEnterInABoxNorEsc) {
    Form2 w(store, host);
    w.showFor("http://s/", "title");
    ASSERT_FALSE(host.mainEnabled);
    press(w.Text1(), Qt::Key_Return);
    press(w.Text1(), Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(store.lastBookmark(), -1);
    EXPECT_FALSE(host.mainEnabled);
    // A focused button takes Enter.
    w.findChild<QPushButton*>("Command1")->setFocus();
    press(w.findChild<QPushButton*>("Command1"), Qt::Key_Return);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(host.mainEnabled);
    EXPECT_EQ(store.bookmarkTitles(), QStringList{"title"});
}

TEST_F(SecondaryWindowLook, EditorHasItsLayoutAndTabOrder) {
    ASSERT_TRUE(store.AddBookmark("一", "http://h/1"));
    ASSERT_TRUE(store.AddBookmark("二", "http://h/2"));
    Form3 w(store, host);
    w.showEditor();
    EXPECT_EQ(w.windowTitle(), "ブックマークの編集");
    EXPECT_EQ(w.size(), QSize(400, 330));  // 6000 x 4950 twips
    EXPECT_EQ(placeOf(&w, "List1"), QRect(8, 8, 385, 160));
    EXPECT_EQ(placeOf(&w, "Text1"), QRect(8, 192, 385, 25));
    EXPECT_EQ(placeOf(&w, "Text2"), QRect(8, 240, 385, 25));
    EXPECT_EQ(placeOf(&w, "Command2"), QRect(160, 288, 73, 33));
    EXPECT_EQ(w.findChild<QLabel*>("Label1(1)")->text(), "アドレス名");
    EXPECT_EQ(w.findChild<QLabel*>("Label1(0)")->text(), "タイトル名");
    EXPECT_EQ(tabOrder(w.List1(), 6), QStringList({"List1", "Command1", "Text2", "Text1", "Command2", "Command3"}));
    EXPECT_EQ(w.lines(), QStringList({"一 (http://h/1)", "二 (http://h/2)"}));
    w.clickLine(1);
    keepPicture(&w);
}

// Focus alone selects nothing; arrow keys choose lines as clicks do.
TEST_F(SecondaryWindowLook, EditorLinesAreChosenByKeysButNotByFocus) {
    for (const char* t : {"a", "b", "c"}) ASSERT_TRUE(store.AddBookmark(t, QStringLiteral("http://h/") + t));
    Form3 w(store, host);
    w.showEditor();
    w.List1()->setFocus();
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(w.List1(), &focus);
    EXPECT_EQ(w.selectedLine(), -1);
    EXPECT_EQ(w.Text1()->text(), "");
    w.Command2_Click();  // nothing selected: nothing removed
    EXPECT_EQ(store.lastBookmark(), 2);

    w.clickLine(0);
    press(w.List1(), Qt::Key_Down);
    EXPECT_EQ(w.selectedLine(), 1);
    EXPECT_EQ(w.selectedBookmark(), 1);
    EXPECT_EQ(w.Text1()->text(), "http://h/b");
    w.Command2_Click();
    EXPECT_EQ(store.bookmarkTitles(), QStringList({"a", "c"}));
    EXPECT_EQ(w.selectedLine(), -1);
    EXPECT_EQ(w.selectedBookmark(), 1);  // a deletion does not clear it
    EXPECT_EQ(w.Text2()->text(), "b");   // the boxes show what was removed
    press(w.List1(), Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());  // the editor has no cancel button
}

TEST_F(SecondaryWindowLook, FileBrowserHasItsLayoutAndStartsOnTheGivenFolder) {
    QDir(dir.path()).mkpath("pages/inner");
    QFile(dir.filePath("pages/a.txt")).open(QIODevice::WriteOnly);
    QFile(dir.filePath("pages/b.dat")).open(QIODevice::WriteOnly);
    FileBrowser w(host, dir.filePath("pages"));
    w.showBrowser();
    EXPECT_FALSE(host.mainEnabled);
    EXPECT_EQ(w.windowTitle(), "File");
    EXPECT_EQ(w.size(), QSize(408, 241));  // 6120 x 3615 twips
    EXPECT_EQ(placeOf(&w, "Text1"), QRect(8, 8, 385, 18));
    EXPECT_EQ(placeOf(&w, "Dir1"), QRect(8, 32, 185, 160));
    EXPECT_EQ(placeOf(&w, "Drive1"), QRect(8, 208, 161, 20));
    EXPECT_EQ(placeOf(&w, "File1"), QRect(200, 32, 193, 162));
    EXPECT_EQ(w.findChild<QPushButton*>("Command1")->text(), "O.K");
    EXPECT_EQ(w.findChild<QPushButton*>("Command2")->text(), "Cancel");
    EXPECT_EQ(tabOrder(w.Dir1(), 6), QStringList({"Dir1", "Drive1", "File1", "Command1", "Command2", "Text1"}));
    EXPECT_EQ(w.path(), QDir::cleanPath(dir.filePath("pages")));
    EXPECT_EQ(w.files(), QStringList{"a.txt"});
    EXPECT_EQ(w.findChild<QComboBox*>("Drive1")->currentText(), driveOf(dir.path()));
    EXPECT_TRUE(w.drives().contains(driveOf(dir.path())));
    w.clickFile("a.txt");
    keepPicture(&w);
}

// The folders from the root down to the current one, then those inside it;
// activating a line goes there, up or down.
TEST_F(SecondaryWindowLook, FolderListGoesUpAndIntoFolders) {
    QDir(dir.path()).mkpath("a/b/c1");
    QDir(dir.path()).mkpath("a/b/c2");
    const QString a = QDir::cleanPath(dir.filePath("a"));
    FolderList list;
    int changes = 0;
    QObject::connect(&list, &FolderList::pathChanged, [&changes] { ++changes; });
    ASSERT_TRUE(list.setPath(a + "/b"));
    const QStringList shown = list.shownFolders();
    ASSERT_GE(shown.size(), 4);
    EXPECT_EQ(shown.first(), "/");
    EXPECT_EQ(shown.mid(shown.size() - 4), QStringList({a, a + "/b", a + "/b/c1", a + "/b/c2"}));
    EXPECT_EQ(list.currentItem()->text(0), "b");

    // Activating an item rebuilds the list, so the item is found first and
    // activated after the walk over the list has ended.
    auto activate = [&list](const QString& folder) {
        QTreeWidgetItem* found = nullptr;
        for (QTreeWidgetItemIterator it(&list); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString() == folder) found = *it;
        ASSERT_NE(found, nullptr) << folder.toStdString();
        emit list.itemActivated(found, 0);
    };
    activate(a + "/b/c2");
    EXPECT_EQ(list.path(), a + "/b/c2");
    activate(a);
    EXPECT_EQ(list.path(), a);
    EXPECT_EQ(list.shownFolders().last(), a + "/b");
    EXPECT_EQ(changes, 3);
    EXPECT_FALSE(list.setPath(a + "/none"));
    EXPECT_EQ(list.path(), a);
}

TEST_F(SecondaryWindowLook, ChoosingADriveReturnsToTheFolderLastShownOnIt) {
    QDir(dir.path()).mkpath("x/y");
    FileBrowser w(host, dir.path());
    const QString drive = driveOf(dir.path());
    ASSERT_TRUE(w.chooseFolder("x/y"));
    EXPECT_EQ(w.path(), QDir::cleanPath(dir.filePath("x/y")));
    ASSERT_TRUE(w.chooseDrive(drive));
    EXPECT_EQ(w.path(), QDir::cleanPath(dir.filePath("x/y")));
    EXPECT_FALSE(w.chooseDrive("no drive"));
}

TEST_F(SecondaryWindowLook, AboutWindowHasItsLayoutAndEngravedRule) {
    FrmAbout w(host);
    w.showAbout();
    EXPECT_FALSE(host.mainEnabled);
    EXPECT_EQ(w.windowTitle(), "Sumireのﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(w.size(), QSize(382, 237));  // 5730 x 3555 twips
    EXPECT_EQ(w.lblTitle()->text(), "Sumire");
    EXPECT_EQ(w.lblVersion()->text(), "ﾊﾞｰｼﾞｮﾝ 1.0.0");
    EXPECT_EQ(w.findChild<QLabel*>("lblDescription")->text(), "ｱﾌﾟﾘｹｰｼｮﾝの説明");
    EXPECT_EQ(w.findChild<QLabel*>("lblDisclaimer")->text(), "警告: ...");
    EXPECT_EQ(w.findChild<QPushButton*>("cmdSysInfo")->text(), "ｼｽﾃﾑ情報(&S)...");
    EXPECT_EQ(placeOf(&w, "cmdOK"), QRect(283, 175, 92, 23));
    EXPECT_EQ(placeOf(&w, "picIcon"), QRect(16, 16, 36, 36));
    EXPECT_FALSE(w.findChild<QLabel*>("picIcon")->pixmap().isNull());
    EXPECT_EQ(tabOrder(w.findChild<QPushButton*>("cmdOK"), 2), QStringList({"cmdOK", "cmdSysInfo"}));

    const QImage image = w.grab().toImage();
    EXPECT_EQ(image.pixelColor(100, 163), QColor(128, 128, 128));
    EXPECT_EQ(image.pixelColor(100, 164), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(100, 165), QColor(Qt::white));
    EXPECT_NE(image.pixelColor(100, 166), QColor(Qt::white));
    keepPicture(&w);
}

TEST_F(SecondaryWindowLook, AboutWindowClosesOnEnterAndOnEscAndEnablesTheMainWindow) {
    for (int key : {Qt::Key_Escape, Qt::Key_Return}) {
        FrmAbout w(host);
        int unloaded = 0;
        QObject::connect(&w, &SecondaryWindow::unloaded, [&unloaded] { ++unloaded; });
        w.showAbout();
        ASSERT_FALSE(host.mainEnabled);
        press(&w, key);
        EXPECT_FALSE(w.isVisible()) << key;
        EXPECT_TRUE(host.mainEnabled) << key;
        EXPECT_EQ(unloaded, 1) << key;
    }
}

TEST_F(SecondaryWindowLook, SystemInformationStartsTheToolTheKeysNameOrSaysThereIsNone) {
    QTemporaryDir tools;
    const QString tool = tools.filePath("hardinfo");
    test::writeProgram(tool, "#!/bin/sh\n");
    ASSERT_FALSE(HasFatalFailure());

    FrmAbout found(host, SystemKeys({tools.path()}));
    found.cmdSysInfo_Click();
    EXPECT_EQ(host.started, QStringList{tool});
    EXPECT_TRUE(host.messages.isEmpty());

    QTemporaryDir empty;
    FrmAbout none(host, SystemKeys({empty.path()}));
    none.showAbout();
    none.cmdSysInfo_Click();
    EXPECT_EQ(host.messages, QStringList{"現時点ではｼｽﾃﾑ情報を使用できません"});
    EXPECT_TRUE(none.isVisible());
}

}  // namespace
}  // namespace sumire
