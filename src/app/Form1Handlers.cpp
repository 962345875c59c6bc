// Display width and scrolling, the keypad, the connection mode and the edit
// commands on the page text box, and opening a bookmark.

#include "Form1.h"
#include "Text2Box.h"
#include "WindowLook.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sumire {

// --- Display width -------------------------------------------------------

void Form1::setDisplayWidth(int row) { showWidth(session_.setDisplayWidth(kDisplayWidths[row].lineChars, painter_)); }

// The width's label follows a width drawn.
void Form1::showWidth(const std::optional<LcdDrawn>& pass) {
    if (!pass) return;
    drawn(*pass);
    c_.label2->setText(QString::number(session_.model().lineChars));
}

void Form1::Yoko001_Click() { setDisplayWidth(0); }
void Form1::Yoko002_Click() { setDisplayWidth(1); }
void Form1::Yoko003_Click() { setDisplayWidth(2); }
void Form1::Yoko004_Click() { setDisplayWidth(3); }
void Form1::Yoko005_Click() { setDisplayWidth(4); }
void Form1::Yoko006_Click() { setDisplayWidth(5); }

void Form1::Command17_Click() { showWidth(session_.narrower(painter_)); }
void Form1::Command18_Click() { showWidth(session_.wider(painter_)); }

// --- Scrolling -------------------------------------------------------------

void Form1::Command2_Click() { drawn(session_.scrollUp(painter_)); }
void Form1::Command3_Click() { drawn(session_.scrollDown(painter_)); }
void Form1::Command8_Click() { drawn(session_.screenUp(painter_)); }
void Form1::Command9_Click() { drawn(session_.screenDown(painter_)); }

// --- Keypad ----------------------------------------------------------------

void Form1::Command5_Click(int index) { c_.text3->setText(c_.text3->text() + QString::number(index)); }

void Form1::Command6_Click() {
    const QString key = c_.text3->text();
    if (!key.isEmpty()) c_.text3->setText(key.left(key.size() - 1));
}

void Form1::Command7_Click() { c_.text3->setText(QString()); }

// The first link of the page whose key is the typed key.
void Form1::Command4_Click() {
    if (const std::optional<QString> address = session_.linkAddress(c_.text3->text())) {
        c_.text1->setText(*address);
        Command1_Click();
    }
    c_.text3->setText(QString());
}

// --- Connection mode --------------------------------------------------------

namespace {

// Network mode takes the address box and keeps the page text read-only;
// offline mode edits the page text, and opens files.
void showMode(Form1Controls& c, bool offline) {
    c.menu003->setChecked(offline);
    c.menu002->setChecked(!offline);
    c.text2->setReadOnly(!offline);
    c.command[4]->setEnabled(!offline);
    c.command[10]->setEnabled(offline);
    setBoxBack(c.text2, offline ? kWhite : kLightGrey);
    c.text1->setText(QString());
    c.text2->setText(QString());
    c.text1->setEnabled(!offline);
    setBoxBack(c.text1, offline ? kLightGrey : kWhite);
    for (QAction* a : {c.menu006, c.menu007, c.menu008, c.menu10}) a->setEnabled(offline);
    for (int n : {13, 15, 16}) c.command[n]->setEnabled(offline);
}

}  // namespace

void Form1::Menu002_Click() { showMode(c_, false); }

void Form1::Menu003_Click() { showMode(c_, true); }

// --- Edit commands on the selection of Text2, with the system clipboard -----

void Form1::Menu005_Click() { QGuiApplication::clipboard()->setText(c_.text2->selText()); }

void Form1::Menu006_Click() {
    QGuiApplication::clipboard()->setText(c_.text2->selText());
    c_.text2->replaceSelection(QString());
}

void Form1::Menu007_Click() { c_.text2->replaceSelection(QGuiApplication::clipboard()->text()); }

void Form1::copyText() { QGuiApplication::clipboard()->setText(session_.text()); }

void Form1::Menu008_Click() { c_.text2->replaceSelection(QString()); }

// --- Bookmarks --------------------------------------------------------------

void Form1::book000_Click(int index) {
    c_.text1->setText(bookmarks_.bookmarkAddress(index));
    Command1_Click();
}

}  // namespace sumire
