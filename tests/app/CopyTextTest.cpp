// "Copy as text": the script line copyText and Ctrl+Shift+C put the page as
// the LCD reads it on the clipboard; the edit menu's copy keeps the raw text.

#include "automation/Automation.h"
#include "app/Form1.h"
#include "StartedWindow.h"
#include "OfflinePage.h"
#include "ScriptRun.h"
#include "app/SystemActions.h"
#include "app/Text2Box.h"
#include "display/PictographText.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

namespace sumire {
namespace {

// Markers, a colour and a blinking run leave no trace; the 25 x wrap after
// 19 cells as the LCD wraps them; the pictographs read as their equivalents.
const QString kPage = QStringLiteral("<#HEART>ABC\r\n<C=FF0000>red</C> <BL>blink</BL>\r\n") + QString(25, u'x') +
                      QStringLiteral("\r\n<#SMILE>");

QString expectedText() {
    return pictographEquivalent(0).unicode + QStringLiteral("ABC\nred blink\n") + QString(19, u'x') + u'\n' +
           QString(6, u'x') + u'\n' + pictographEquivalent(12).unicode;
}

TEST(CopyText, ScriptLineCopiesTheDisplayTextAndTheEditMenuTheRawText) {
    apptest::Sandbox box;
    QStringList lines = apptest::showOffline(kPage);
    lines += QStringList{"copyText", "dump", "selectText Text2 0 11", "click Menu005", "dump", "copyText", "dump"};
    const apptest::ScriptResult r = box.run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["clipboard"].toString(), expectedText());
    EXPECT_EQ(r.dump(1)["clipboard"].toString(), QStringLiteral("<#HEART>ABC"));
    EXPECT_EQ(r.dump(2)["clipboard"].toString(), expectedText());
    // The page text box is left as it was.
    EXPECT_EQ(r.dump(2)["Text2"].toObject()["text"].toString(), kPage);

    const apptest::ScriptResult extra = box.run({"copyText now"});
    EXPECT_EQ(extra.exitCode, 2);
    EXPECT_TRUE(extra.err.contains("line 1: too many arguments")) << extra.err.constData();
}

class CopyTextKeys : public apptest::OfflineWindowTest {
protected:
    void SetUp() override {
        start({kPage});
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    }
    int press(const QString& keys) { return run({"key " + keys}); }
};

// The window's shortcut, also while the editable page box has the focus and
// a selection, whose own Ctrl+C still copies the raw selection.
TEST_F(CopyTextKeys, CtrlShiftCCopiesTheDisplayTextWhereverTheFocusIs) {
    ASSERT_EQ(press("Ctrl+Shift+C"), 0) << qPrintable(err);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expectedText());

    Text2Box* text2 = form->controls().text2;
    ASSERT_FALSE(text2->isReadOnly());
    text2->setFocus();
    text2->select(0, 8);
    QCoreApplication::processEvents();
    ASSERT_EQ(press("Ctrl+C"), 0) << qPrintable(err);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("<#HEART>"));
    ASSERT_EQ(press("Ctrl+Shift+C"), 0) << qPrintable(err);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expectedText());
    EXPECT_EQ(text2->text(), kPage);
}

TEST_F(CopyTextKeys, NothingWhileAnotherWindowHasTheInput) {
    form->book3_Click();
    ASSERT_FALSE(form->isEnabled());
    ASSERT_EQ(press("Ctrl+Shift+C"), 0) << qPrintable(err);
    ASSERT_EQ(run({"copyText"}), 0) << qPrintable(err);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

}  // namespace
}  // namespace sumire
