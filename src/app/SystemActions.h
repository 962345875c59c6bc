#pragma once
// Message boxes and program starts. On the desktop they are shown and
// started; under a script they are only recorded, so nothing waits for a
// person and nothing is started.

#include "store/HelpAbout.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace sumire {

class SystemActions {
public:
    virtual ~SystemActions() = default;
    // A message box with an OK button; returns when it is closed.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // Starts a program without waiting for it; a script records its
    // command line. False when it could not be started.
    virtual bool startProgram(const ProgramStart& program) = 0;
};

class DesktopActions : public SystemActions {
public:
    void showMessage(QWidget* parent, const QString& text) override;
    bool startProgram(const ProgramStart& program) override;
};

class RecordingActions : public SystemActions {
public:
    void showMessage(QWidget* parent, const QString& text) override;
    bool startProgram(const ProgramStart& program) override;

    // What was recorded since the previous call.
    QStringList takeMessages();
    QStringList takeStarted();

private:
    QStringList messages_, started_;
};

}  // namespace sumire
