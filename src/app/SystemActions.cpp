#include "SystemActions.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>

namespace sumire {

void DesktopActions::showMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QCoreApplication::applicationName(), text);
}

bool DesktopActions::startProgram(const ProgramStart& program) {
    return QProcess::startDetached(program.program, program.arguments);
}

void RecordingActions::showMessage(QWidget*, const QString& text) { messages_ << text; }

bool RecordingActions::startProgram(const ProgramStart& program) {
    started_ << program.commandLine();
    return true;
}

QStringList RecordingActions::takeMessages() { return std::exchange(messages_, {}); }

QStringList RecordingActions::takeStarted() { return std::exchange(started_, {}); }

}  // namespace sumire
