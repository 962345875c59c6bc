// The handset from the keyboard: while the focus is on the handset, digits,
// "*" and "#" go into the key box, Backspace is "BK" and Return the select
// key; Return in the address box is the go button; the cursor and page keys
// scroll the LCD wherever no text box takes them; Escape brings the focus to
// the handset.

#include "Form1.h"

#include "ClientArea.h"
#include "Text2Box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace sumire {
namespace {

bool isReturn(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

bool isTextBox(const QWidget* w) { return qobject_cast<const QLineEdit*>(w) || qobject_cast<const Text2Box*>(w); }

// Keys that press a button wherever no text box has the focus.
int buttonForKey(const QKeyEvent* key) {
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier && key->key() == Qt::Key_Left) return 17;  // narrower
    if (mods == Qt::ControlModifier && key->key() == Qt::Key_Right) return 18;
    if (mods != Qt::NoModifier) return 0;
    switch (key->key()) {
    case Qt::Key_Up: return 2;
    case Qt::Key_Down: return 3;
    case Qt::Key_PageUp: return 8;
    case Qt::Key_PageDown: return 9;
    default: return 0;
    }
}

}  // namespace

// The LCD and every control over the handset picture.
bool Form1::onHandset(const QWidget* w) const {
    if (w == client_ || w == c_.text3) return true;
    for (int n : {2, 3, 4, 6, 7, 8, 9})
        if (w == c_.command[size_t(n)]) return true;
    return std::find(c_.command5.begin(), c_.command5.end(), w) != c_.command5.end();
}

// A key press on the main window, before the focused control sees it; true
// when it was taken here.
bool Form1::handsetKey(QKeyEvent* key) {
    QWidget* focus = QApplication::focusWidget();
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
        client_->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    if (isReturn(key) && (focus == c_.text1 || onHandset(focus))) {
        c_.command[focus == c_.text1 ? 1 : 4]->click();  // a disabled button ignores it
        return true;
    }
    if (const int n = isTextBox(focus) ? 0 : buttonForKey(key)) {
        c_.command[size_t(n)]->click();
        return true;
    }
    const bool onKeys = onHandset(focus) && focus != c_.text3;  // on the handset, not in its key box
    if (key->key() == Qt::Key_Backspace && key->modifiers() == Qt::NoModifier && onKeys) {
        c_.command[6]->click();  // "BK"
        return true;
    }
    const QString typed = key->text();
    if (onKeys && typed.size() == 1 && (typed[0].isDigit() || typed == u"*" || typed == u"#")) {
        setKeyText(c_.text3->text() + typed);
        return true;
    }
    return false;
}

}  // namespace sumire
