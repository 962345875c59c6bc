#pragma once
// Runs a program to its end while this thread's event loop keeps running, so
// that a server of the test process can answer the program.

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace sumire::test {

struct ProgramResult {
    int exitCode = -1;      // -1: crashed, did not start or did not end
    bool timedOut = false;  // still running when the time was up (then killed)
    QByteArray out, err;
};

// This process's environment with the language of the C locale (which the
// windows show in Japanese), whatever the desktop running the tests speaks.
QProcessEnvironment japaneseDesktop();

struct RunSetup {
    QString program = builtViewer();
    QString workingDirectory;  // empty: the test's own
    QProcessEnvironment environment = japaneseDesktop();
    int timeoutMs = 120000;

    // The viewer of this build tree (empty in builds without it).
    static QString builtViewer();
};

ProgramResult runProgram(const QStringList& arguments, const RunSetup& setup = {});

// The environment of a new user without a display: no DISPLAY, no
// WAYLAND_DISPLAY, no platform chosen, their own config and data folders.
QProcessEnvironment headlessUser(const QString& home);
// A run as that user, working in `home` too; `offscreen` gives the window
// the offscreen screen, which `render` and `export` do not need.
RunSetup headlessIn(const QString& home, bool offscreen = false);

// The variables that choose the windows' language, as gettext reads them.
inline constexpr const char* kLanguageVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

// The sample pages of the source tree.
QString samplePath(const QString& name);

}  // namespace sumire::test
