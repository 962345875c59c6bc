#pragma once
// What the secondary windows (the bookmark dialogs, the file browser and the
// About window) need of the main window. While one of them is shown the main
// window is disabled; every way out of it enables the main window again.

#include "store/HelpAbout.h"

#include <QString>

class QWidget;

namespace sumire {

class DialogHost {
public:
    virtual ~DialogHost() = default;
    // Form1.Enabled.
    virtual void setMainEnabled(bool enabled) = 0;
    // A message box with an OK button and the program's title, over `window`.
    virtual void tellUser(QWidget* window, const QString& text) = 0;
    // Starts a program without waiting for it.
    virtual void startProgram(const ProgramStart& program) = 0;
    // The file browser's O.K: the page's text, its folder in place, into the
    // page text box Text2, its path into the address box Text1.
    virtual void loadLocalPage(const QString& path, const QString& text) = 0;
};

// The program's title, as the About window and the message boxes show it.
inline constexpr const char* kApplicationTitle = "Sumire";

}  // namespace sumire
