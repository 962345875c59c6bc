#include "SecondaryWindows.h"
#include "Text2Box.h"

#include "Form1.h"
#include "SystemActions.h"
#include "windows/FileBrowser.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/FrmAbout.h"

#include <QLineEdit>
#include <QWindow>

namespace sumire {

SecondaryWindows::SecondaryWindows(Form1& form, BookmarkStore& bookmarks) : form_(form), bookmarks_(bookmarks) {}

// The windows have no parent (a disabled parent would disable them too), so
// they are deleted here.
SecondaryWindows::~SecondaryWindows() {
    for (const char* name : kSecondaryWindowNames) delete existing(QString::fromLatin1(name));
    for (const QPointer<SecondaryWindow>& w : closing_) delete w.data();
}

template <typename Window>
Window& SecondaryWindows::adopt(QPointer<Window>& slot, Window* window) {
    slot = window;
    window->winId();
    if (QWindow* handle = window->windowHandle()) handle->setTransientParent(form_.windowHandle());
    QObject::connect(window, &SecondaryWindow::unloaded, window, [this, &slot, window] {
        if (slot == window) slot = nullptr;
        closing_.removeAll(nullptr);
        closing_ << QPointer<SecondaryWindow>(window);
        window->deleteLater();
    });
    return *window;
}

Form2& SecondaryWindows::form2() { return form2_ ? *form2_ : adopt(form2_, new Form2(bookmarks_, *this)); }

Form3& SecondaryWindows::form3() { return form3_ ? *form3_ : adopt(form3_, new Form3(bookmarks_, *this)); }

FileBrowser& SecondaryWindows::browser() {
    return browser_ ? *browser_ : adopt(browser_, new FileBrowser(*this, form_.workDir()));
}

FrmAbout& SecondaryWindows::about() { return about_ ? *about_ : adopt(about_, new FrmAbout(*this)); }

SecondaryWindow* SecondaryWindows::existing(const QString& name) const {
    if (name == u"Form2") return form2_;
    if (name == u"Form3") return form3_;
    if (name == u"file") return browser_;
    if (name == u"frmAbout") return about_;
    return nullptr;
}

void SecondaryWindows::setMainEnabled(bool enabled) {
    form_.setEnabled(enabled);
    if (enabled && form_.isVisible()) form_.activateWindow();
}

void SecondaryWindows::tellUser(QWidget* window, const QString& text) { form_.actions().showMessage(window, text); }

void SecondaryWindows::startProgram(const ProgramStart& program) { form_.actions().startProgram(program); }

void SecondaryWindows::loadLocalPage(const QString& path, const QString& text) {
    form_.controls().text2->setText(text);
    form_.controls().text1->setText(path);
    form_.clearStatus();  // what it said was about the page before
}

}  // namespace sumire
