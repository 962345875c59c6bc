#pragma once
// The main window's four secondary windows: the bookmark dialogs Form2 and
// Form3, the file browser `file` and the About window frmAbout. Each is
// created on first use; the close box destroys it, and the next use creates
// it afresh. While one is shown the main window is disabled.

#include "windows/DialogHost.h"

#include <QList>
#include <QPointer>

namespace sumire {

class BookmarkStore;
class FileBrowser;
class Form1;
class Form2;
class Form3;
class FrmAbout;
class SecondaryWindow;

// Their names, as scripts and the dump know them.
inline constexpr const char* kSecondaryWindowNames[] = {"Form2", "Form3", "file", "frmAbout"};

class SecondaryWindows : public DialogHost {
public:
    SecondaryWindows(Form1& form, BookmarkStore& bookmarks);
    ~SecondaryWindows() override;
    SecondaryWindows(const SecondaryWindows&) = delete;
    SecondaryWindows& operator=(const SecondaryWindows&) = delete;

    // The window, created when there is none.
    Form2& form2();
    Form3& form3();
    FileBrowser& browser();
    FrmAbout& about();

    // The window as it stands, by name (Form2, Form3, file, frmAbout); null
    // while it is not created.
    SecondaryWindow* existing(const QString& name) const;

    // DialogHost
    void setMainEnabled(bool enabled) override;
    void tellUser(QWidget* window, const QString& text) override;
    void startProgram(const ProgramStart& program) override;
    void loadLocalPage(const QString& path, const QString& text) override;

private:
    // Ties a new window to the main window and forgets it when its close box
    // destroys it.
    template <typename Window>
    Window& adopt(QPointer<Window>& slot, Window* window);

    Form1& form_;
    BookmarkStore& bookmarks_;
    QPointer<Form2> form2_;
    QPointer<Form3> form3_;
    QPointer<FileBrowser> browser_;
    QPointer<FrmAbout> about_;
    QList<QPointer<SecondaryWindow>> closing_;  // closed, deleted later
};

}  // namespace sumire
