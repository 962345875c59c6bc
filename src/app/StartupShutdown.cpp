// Start-up, the redraw when the window is shown, minimized or restored, and
// the shutdown sequence with the stored handset setting.

#include "Form1.h"
#include "store/PhoneSetting.h"
#include "windows/SecondaryWindow.h"

#include <QCloseEvent>
#include <QDir>

namespace sumire {

void Form1::Form_Load() {
    // The first drawing comes while the LCD background is still black; the
    // window's first showing draws it white.
    Yoko001_Click();
    session_.whiteBackground();
    readBookmarks();
    // From here on a failing step is skipped. The working folder is the
    // one base the attachment and download folders are made in; a new one is
    // made with its download folder, so that the first download has it.
    QDir().mkpath(downloadFolder());
    phoneModel_ = readPhoneSetting().value_or(QString());
    SelectHandsetPicture();
}

// A missing or unreadable bookmark.txt leaves the menu empty; start-up goes on.
void Form1::readBookmarks() {
    bookmarks_.ReadBookmarkFile(QDir(options_.workDir).filePath(QStringLiteral("bookmark.txt")));
    refreshBookmarkMenu();
}

void Form1::Form_Resize() {
    if (requestRunning_) return;  // the request draws when it ends
    DrawLcd();
}

void Form1::showCentred() {
    adjustSize();
    setFixedSize(sizeHint());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    centreOnScreen(this, screen());
    show();
}

bool Form1::event(QEvent* event) {
    if (event->type() == QEvent::Polish) paintButtons();  // before the controls are polished
    return QMainWindow::event(event);
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_ && !event->spontaneous()) {
        shownOnce_ = true;
        Form_Resize();
    }
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const auto old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
    if ((old ^ windowState()) & Qt::WindowMinimized) Form_Resize();  // minimized or restored
}

// The close box runs the exit command. During a request it stops the
// request, and the window closes once the request has ended.
void Form1::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    if (requestRunning_) {
        closeAfterRequest_ = true;
        session_.cancel();
        event->ignore();
        return;
    }
    Menu001_Click();
    event->accept();
}

// Deletes the page's attachment files (one that cannot be deleted is
// skipped), stores the handset model and ends the program.
void Form1::Menu001_Click() {
    if (ended_ || requestRunning_) return;
    session_.attachments().removeWritten();
    const QString stored =
        phoneModel_.typeId() == QMetaType::QString ? phoneModel_.toString() : QString::number(phoneModel_.toInt());
    writePhoneSetting(stored);
    ended_ = true;
    timer1_.stop();
    hide();
    emit programEnded();
}

}  // namespace sumire
