// The main window in-process: the status line of a failed fetch, the LCD
// after minimize and restore, shutdown with an attachment file that cannot be
// deleted, and the window's fixed look.

#include "app/ClientArea.h"
#include "app/Form1.h"
#include "StartedWindow.h"
#include "store/PhoneSetting.h"
#include "app/SystemActions.h"
#include "app/Text2Box.h"
#include "support/FakeWindow.h"
#include "support/TestHttpServer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::TestHttpServer;

class Form1InProcess : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work.isValid());
        form = apptest::startedWindow(work.path(), recorded);
    }

    void request(const QString& address) {
        form->controls().text1->setText(address);
        form->Command1_Click();
    }

    QTemporaryDir work;
    RecordingActions recorded;
    std::unique_ptr<Form1> form;
    TestHttpServer server;
};

TEST_F(Form1InProcess, FailedFetchIsShownInTheStatusLineUntilTheNextRequest) {
    server.serveBytes("/ok.txt", "fine", "text/plain");
    request(server.url("/missing.txt"));
    EXPECT_TRUE(form->controls().fetchStatus->text().startsWith(QStringLiteral("ページを取得できませんでした: ")));
    EXPECT_TRUE(form->controls().fetchStatus->text().contains("404"))
        << qPrintable(form->controls().fetchStatus->text());
    EXPECT_TRUE(form->controls().command[1]->isEnabled());
    EXPECT_TRUE(form->controls().fetchStatus->isVisible());
    request(server.url("/ok.txt"));
    EXPECT_EQ(form->controls().fetchStatus->text(), QString());
    EXPECT_EQ(form->session().model().lcdText, QString("fine"));
    EXPECT_TRUE(recorded.takeMessages().isEmpty());
}

TEST_F(Form1InProcess, LcdKeepsItsDrawingThroughMinimizeAndRestore) {
    server.serveBytes("/c.txt", "<BODY=000000 BG=0000FF>\r\nx", "text/plain");
    request(server.url("/c.txt"));
    const QRgb blue = qRgb(0, 0, 255);
    EXPECT_EQ(form->controls().client->snapshot().pixel(150, 190), blue);
    form->showMinimized();
    form->showNormal();
    EXPECT_EQ(form->controls().client->snapshot().pixel(150, 190), blue);
    EXPECT_EQ(form->lastDrawing().front().values.back(), 0xFF0000);
}

TEST_F(Form1InProcess, ShutdownStoresTheSettingEvenWhenAnAttachmentCannotBeDeleted) {
    const QByteArray picture = test::makeBmp(8, 8);
    server.serveBytes("/m/a.bmp", picture, "image/bmp");
    server.serveBytes("/m/page.txt", "Append: Name=\"a.bmp\"\r\nbody", "text/plain");
    request(server.url("/m/page.txt"));
    ASSERT_EQ(form->session().model().attachCount, 1);
    const QString saved = QDir(form->session().attachments().path()).filePath("a.bmp");
    ASSERT_TRUE(QFile::exists(saved));
    // A folder with content where the file was: it cannot be deleted as a file.
    ASSERT_TRUE(QFile::remove(saved));
    ASSERT_TRUE(QDir().mkpath(saved + "/inside"));

    form->Phone000_Click();  // no picture file here: the picture stays, the choice counts
    EXPECT_EQ(form->pictureName(), QString("builtin"));
    EXPECT_TRUE(form->controls().fetchStatus->text().contains("phone_01.jpg"))
        << qPrintable(form->controls().fetchStatus->text());
    EXPECT_EQ(form->phoneModel(), QVariant(0));
    bool ended = false;
    QObject::connect(form.get(), &Form1::programEnded, [&] { ended = true; });
    form->Menu001_Click();
    EXPECT_TRUE(ended);
    EXPECT_TRUE(form->ended());
    EXPECT_EQ(readPhoneSetting(), std::optional<QString>("0"));
    QDir(saved).removeRecursively();
}

TEST_F(Form1InProcess, WindowHasItsFixedSizeCaptionAndControls) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Sumire\u3000V1.00"));
    EXPECT_EQ(form->controls().client->size(), QSize(634, 457));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    const Form1Controls& c = form->controls();
    EXPECT_EQ(c.command[21]->geometry(), QRect(592, 0, 41, 33));
    EXPECT_EQ(c.command[21]->toolTip(), QStringLiteral("ヘルプ"));
    EXPECT_EQ(c.text2->geometry(), QRect(408, 128, 217, 321));
    EXPECT_EQ(c.command5[7]->geometry(), QRect(24, 312, 41, 25));
    EXPECT_EQ(c.command5[0]->geometry(), QRect(72, 408, 41, 25));
    EXPECT_EQ(c.command5[3]->geometry(), QRect(120, 376, 41, 25));
    // Never seen: beyond the right edge of the client area.
    EXPECT_GE(c.picture1[10]->x(), 634);
    EXPECT_GE(c.picture1[11]->x(), 634);
    EXPECT_TRUE(c.text1->hasFocus() || !form->isActiveWindow());
    // The menu tree with its access keys, in order.
    QStringList titles;
    for (QAction* a : form->menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles,
              QStringList({"メニュー(&M)", "電話機(&T)", "ブックマーク(&B)", "ダウンロード(&D)", "ヘルプ(&H)"}));
    QStringList mainItems;
    for (QAction* a : form->menuBar()->actions()[0]->menu()->actions())
        mainItems << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(mainItems, QStringList({"ネットワーク(&N)", "オフライン(&O)", "-", "ファイルを開く", "-", "切り取り(&T)",
                                      "コピー(&C)", "貼り付け(&P)", "削除(&D)", "-", "終了(&X)"}));
    for (QAction* a : form->findChildren<QAction*>())
        EXPECT_TRUE(a->shortcut().isEmpty()) << qPrintable(a->objectName());
    // Enter in the address box starts nothing.
    EXPECT_FALSE(c.command[1]->autoDefault());
}

// On the desktop Timer1 is a real 1000 ms timer that runs while a blink run
// is on the screen; under a script it never runs by itself.
TEST(Form1Timer, RunsOnTheDesktopOnlyWhileABlinkRunIsShown) {
    QTemporaryDir work;
    for (bool script : {false, true}) {
        RecordingActions recorded;
        Form1Options options;
        options.workDir = work.path();
        options.scriptMode = script;
        Form1 form(options, recorded);
        EXPECT_EQ(form.timer1().isActive(), !script);  // enabled when the window is created
        form.Form_Load();
        form.showCentred();
        EXPECT_FALSE(form.timer1().isActive());
        form.Menu003_Click();
        form.controls().text2->setText("<BL>on</BL>");
        form.Command1_Click();
        EXPECT_TRUE(form.session().lastDrawn().blinking);
        EXPECT_EQ(form.timer1().isActive(), !script);
        EXPECT_EQ(form.timer1().interval(), 1000);
        form.controls().text2->setText("steady");
        form.Command1_Click();
        EXPECT_FALSE(form.session().lastDrawn().blinking);
        EXPECT_FALSE(form.timer1().isActive());
    }
}

// The close box pressed while an attachment's server does not answer stops
// the request at once, and the window ends when the request has.
TEST(CloseDuringRequest, TheCloseBoxStopsTheRequestAndEndsTheWindow) {
    TestHttpServer server;
    server.serveBytes("/page.txt", "Append:Name=\"a.dat\"\r\nAppend:Name=\"b.dat\"\r\nbody");
    server.stallBeforeHeaders("/a.dat");
    server.stallBeforeHeaders("/b.dat");
    QTemporaryDir work;
    RecordingActions recorded;
    const auto form = apptest::startedWindow(work.path(), recorded);
    form->controls().text1->setText(server.url("/page.txt"));
    QTimer::singleShot(200, form.get(), [&] { form->close(); });
    form->Command1_Click();
    EXPECT_TRUE(form->ended());
    EXPECT_EQ(form->session().lastRequest().failedAttachments,
              QStringList({"a.dat: the request was stopped", "b.dat: the request's time ran out"}));
}

}  // namespace
}  // namespace sumire
