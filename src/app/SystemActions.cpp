#include "SystemActions.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>

namespace sumire {

void DesktopActions::showMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QCoreApplication::applicationName(), text);
}

void DesktopActions::startProgram(const ProgramStart& program) {
    QProcess::startDetached(program.program, program.arguments);
}

void RecordingActions::showMessage(QWidget*, const QString& text) { messages_ << text; }

void RecordingActions::startProgram(const ProgramStart& program) { started_ << program.commandLine(); }

QStringList RecordingActions::takeMessages() { return std::exchange(messages_, {}); }

QStringList RecordingActions::takeStarted() { return std::exchange(started_, {}); }

}  // namespace sumire
