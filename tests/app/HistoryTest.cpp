// Back and forward through the pages shown: the list itself, Alt+Left and
// Alt+Right through the built program over network and offline pages, and
// the mouse's side buttons on the window in-process.

#include "automation/Automation.h"
#include "app/Form1.h"
#include "StartedWindow.h"
#include "OfflinePage.h"
#include "store/PageHistory.h"
#include "ScriptRun.h"
#include "app/SystemActions.h"
#include "app/Text2Box.h"
#include "support/TestHttpServer.h"

#include <QApplication>
#include <QTextStream>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

HistoryEntry offlinePage(int n) {
    return {false, QStringLiteral("/pages/%1.txt").arg(n), QStringLiteral("page %1").arg(n)};
}

TEST(PageHistory, BackAndForwardWalkThePagesShownAndStopAtTheEnds) {
    PageHistory h;
    EXPECT_FALSE(h.back());
    EXPECT_FALSE(h.forward());
    h.shown({true, "http://a/", {}});
    h.shown(offlinePage(1));
    h.shown({true, "http://c/", {}});
    EXPECT_EQ(h.backCount(), 2);
    EXPECT_EQ(h.forwardCount(), 0);
    EXPECT_EQ(h.back(), offlinePage(1));
    EXPECT_EQ(h.back(), (HistoryEntry{true, "http://a/", {}}));
    EXPECT_FALSE(h.back());
    EXPECT_EQ(h.forwardCount(), 2);
    EXPECT_EQ(h.forward(), offlinePage(1));
    EXPECT_EQ(h.forward(), (HistoryEntry{true, "http://c/", {}}));
    EXPECT_FALSE(h.forward());
}

TEST(PageHistory, ANewPageAfterGoingBackDropsTheForwardEntries) {
    PageHistory h;
    for (int n = 1; n <= 4; ++n) h.shown(offlinePage(n));
    h.back();
    h.back();
    h.shown(offlinePage(9));
    EXPECT_EQ(h.backCount(), 2);
    EXPECT_EQ(h.forwardCount(), 0);
    EXPECT_FALSE(h.forward());
    EXPECT_EQ(h.back(), offlinePage(2));
}

TEST(PageHistory, TheSamePageAgainAddsNothing) {
    PageHistory h;
    h.shown(offlinePage(1));
    h.shown(offlinePage(1));
    EXPECT_EQ(h.backCount(), 0);
    h.shown({false, "/pages/1.txt", "edited"});  // the same file, edited: another page
    EXPECT_EQ(h.backCount(), 1);
}

TEST(PageHistory, KeepsTheNewestHundredEntries) {
    PageHistory h;
    for (int n = 1; n <= 130; ++n) h.shown(offlinePage(n));
    EXPECT_EQ(h.backCount(), 99);
    std::optional<HistoryEntry> oldest;
    while (const auto e = h.back()) oldest = e;
    EXPECT_EQ(oldest, offlinePage(31));
    EXPECT_EQ(h.forwardCount(), 99);
}

TEST(PageHistory, LargeOfflineTextsGiveWayToTheNewest) {
    PageHistory h;
    const qsizetype big = PageHistory::kMaxSourceChars / 3 + 1;
    for (int n = 0; n < 4; ++n) h.shown({false, QString::number(n), QString(big, QChar(u'a' + n))});
    EXPECT_EQ(h.backCount(), 1);  // two of them fit
    EXPECT_EQ(h.back()->address, QString("2"));
    // One text larger than all that may be kept is still the current page.
    PageHistory single;
    single.shown({false, "huge", QString(PageHistory::kMaxSourceChars + 1, u'x')});
    single.shown({true, "http://a/", {}});
    EXPECT_EQ(single.backCount(), 0);
}

}  // namespace

namespace apptest {
namespace {

using test::TestHttpServer;

QString lcdText(const QJsonObject& d) { return d["model"].toObject()["lcdText"].toString(); }
bool offline(const QJsonObject& d) { return d["checked"].toObject()["Menu003"].toBool(); }
QJsonObject history(int back, int forward) { return {{"back", back}, {"forward", forward}}; }

TEST(History, AltLeftAndAltRightOverNetworkAndOfflinePages) {
    TestHttpServer server;
    server.serveBytes("/a.txt", "page A\n", "text/plain");
    server.serveBytes("/c.txt", "page C\n", "text/plain");
    Sandbox box;
    const QStringList network = {"set Text1 " + server.url("/a.txt"), "click Command1"};
    // The same page twice is one entry.
    const QStringList networkAgain = {"set Text1 " + server.url("/c.txt"), "click Command1", "click Command1"};
    const QStringList walk = {"dump", "key Alt+Left",  "dump", "key Alt+Left",  "dump", "key Alt+Left",
                              "dump", "key Alt+Right", "dump", "key Alt+Right", "dump"};
    const QStringList lines = network + showOffline("page B\n") + QStringList{"click Menu002"} + networkAgain + walk;
    const ScriptResult r = box.run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    ASSERT_EQ(r.dumps.size(), 6);

    EXPECT_EQ(r.dump(0)["history"], QJsonValue(history(2, 0)));
    // The offline page with the text it had, in offline mode.
    EXPECT_TRUE(offline(r.dump(1)));
    EXPECT_EQ(r.dump(1)["Text2"].toObject()["text"], QJsonValue("page B\n"));
    EXPECT_EQ(lcdText(r.dump(1)), QString("page B\n"));
    EXPECT_EQ(r.dump(1)["history"], QJsonValue(history(1, 1)));
    // The network page, requested again.
    EXPECT_FALSE(offline(r.dump(2)));
    EXPECT_EQ(r.dump(2)["Text1"].toObject()["text"], QJsonValue(server.url("/a.txt")));
    EXPECT_EQ(lcdText(r.dump(2)), QString("page A\n"));
    EXPECT_EQ(r.dump(2)["history"], QJsonValue(history(0, 2)));
    EXPECT_EQ(lcdText(r.dump(3)), QString("page A\n"));  // nothing before the first page
    EXPECT_EQ(r.dump(3)["history"], QJsonValue(history(0, 2)));
    EXPECT_TRUE(offline(r.dump(4)));
    EXPECT_EQ(lcdText(r.dump(4)), QString("page B\n"));
    EXPECT_EQ(lcdText(r.dump(5)), QString("page C\n"));
    EXPECT_EQ(r.dump(5)["history"], QJsonValue(history(2, 0)));
    EXPECT_EQ(server.requestedPaths(), QStringList({"/a.txt", "/c.txt", "/c.txt", "/a.txt", "/c.txt"}));
}

TEST(History, AHundredEntriesAndANewPageDropsTheForwardOnes) {
    Sandbox box;
    QStringList lines{"click Menu003"};
    for (int n = 1; n <= 105; ++n) lines << QStringLiteral("set Text2 page %1").arg(n) << "click Command1";
    lines << "dump";
    for (int n = 0; n < 100; ++n) lines << "key Alt+Left";
    lines += QStringList{"dump", "key Alt+Right", "key Alt+Right", "dump"};
    lines +=
        QStringList{"set Text2 a new page", "click Command1", "dump", "key Alt+Right", "dump", "key Alt+Left", "dump"};
    const ScriptResult r = box.run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    ASSERT_EQ(r.dumps.size(), 6);
    EXPECT_EQ(r.dump(0)["history"], QJsonValue(history(99, 0)));
    EXPECT_EQ(lcdText(r.dump(1)), QString("page 6"));  // the five oldest are gone
    EXPECT_EQ(r.dump(1)["history"], QJsonValue(history(0, 99)));
    EXPECT_EQ(lcdText(r.dump(2)), QString("page 8"));
    EXPECT_EQ(r.dump(3)["history"], QJsonValue(history(3, 0)));
    EXPECT_EQ(lcdText(r.dump(4)), QString("a new page"));  // no forward entry is left
    EXPECT_EQ(lcdText(r.dump(5)), QString("page 8"));
    EXPECT_EQ(r.dump(5)["history"], QJsonValue(history(2, 1)));
}

// Under a real display the window must first become the active one for
// its shortcuts to see the keys, as it does for a person.
TEST(History, AltLeftUnderARealDisplay) {
    const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
    if (xvfb.isEmpty()) GTEST_SKIP() << "xvfb-run is not installed";
    Sandbox box;
    box.write("one.txt", "page one");
    box.write("two.txt", "page two");
    box.write("script.txt", ("drop " + box.path("two.txt") + "\nkey Alt+Left\ndump\nkey Alt+Right\ndump\n").toUtf8());
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.insert("XDG_CONFIG_HOME", box.configHome());
    process.setProcessEnvironment(env);
    process.start(xvfb, {"-a", SUMIRE_PROGRAM, "--script", box.path("script.txt"), "--workdir", box.workDir(),
                         box.path("one.txt")});
    ASSERT_TRUE(process.waitForFinished(120000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    const QList<QByteArray> lines = process.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    const QJsonObject back = QJsonDocument::fromJson(lines[0]).object();
    const QJsonObject forward = QJsonDocument::fromJson(lines[1]).object();
    EXPECT_EQ(lcdText(back), QString("page one"));
    EXPECT_EQ(back["history"], QJsonValue(history(0, 1)));
    EXPECT_EQ(lcdText(forward), QString("page two"));
}

}  // namespace
}  // namespace apptest

namespace {

// The side buttons, pressed as the window system delivers them: to the
// control under the pointer, here a text box that takes other presses.
class SideButtons : public apptest::OfflineWindowTest {
protected:
    void SetUp() override { start({"first", "second"}); }
    void press(QWidget* target, Qt::MouseButton button) {
        const QPointF at(target->width() / 2.0, target->height() / 2.0);
        QMouseEvent e(QEvent::MouseButtonPress, at, target->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
};

TEST_F(SideButtons, BackAndForwardAnywhereOnTheWindow) {
    QLineEdit* text3 = form->controls().text3;
    press(text3, Qt::BackButton);
    EXPECT_EQ(form->session().model().lcdText, QString("first"));
    EXPECT_EQ(form->session().history().forwardCount(), 1);
    press(form->controls().text2, Qt::ForwardButton);
    EXPECT_EQ(form->session().model().lcdText, QString("second"));
    EXPECT_EQ(form->session().history().backCount(), 1);
    press(text3, Qt::LeftButton);  // other buttons are the box's own
    EXPECT_EQ(form->session().model().lcdText, QString("second"));
    EXPECT_EQ(form->session().history().backCount(), 1);
}

// Alt+Left is the window's even while the editable page box has the focus;
// other keys are typed into the box.
TEST_F(SideButtons, AltLeftWithTheFocusInTheEditablePageBox) {
    Text2Box* text2 = form->controls().text2;
    text2->setFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(run({"key Alt+Left"}), 0) << qPrintable(err);
    EXPECT_EQ(form->session().model().lcdText, QString("first"));
    EXPECT_EQ(text2->text(), QString("first"));
    text2->setFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(run({"key End", "key X"}), 0) << qPrintable(err);
    EXPECT_EQ(text2->text().toLower(), QString("firstx"));
}

TEST_F(SideButtons, NothingWhileAnotherWindowHasTheInput) {
    form->book3_Click();
    ASSERT_FALSE(form->isEnabled());
    press(form->controls().text3, Qt::BackButton);
    form->historyBack();
    EXPECT_EQ(form->session().model().lcdText, QString("second"));
    EXPECT_EQ(form->session().history().backCount(), 1);
}

}  // namespace
}  // namespace sumire
