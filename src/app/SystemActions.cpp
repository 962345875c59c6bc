#include "SystemActions.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>

namespace sumire {

void DesktopActions::showMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QCoreApplication::applicationName(), text);
}

void DesktopActions::startProgram(const QString& commandLine) {
    QStringList args = QProcess::splitCommand(commandLine);
    if (args.isEmpty()) return;
    const QString program = args.takeFirst();
    QProcess::startDetached(program, args);
}

void RecordingActions::showMessage(QWidget*, const QString& text) {
    messages_ << text;
}

void RecordingActions::startProgram(const QString& commandLine) {
    started_ << commandLine;
}

QStringList RecordingActions::takeMessages() {
    return std::exchange(messages_, {});
}

QStringList RecordingActions::takeStarted() {
    return std::exchange(started_, {});
}

}  // namespace sumire
