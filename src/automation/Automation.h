#pragma once
// Drives the main window from a script of user actions (one per line) and
// prints its state as JSON. Lines act through the window's own controls and
// handlers, as a person's clicks and typing would.


#include <QString>
#include <QStringList>
#include <optional>

class QTextStream;

namespace sumire {

class Form1;
class RecordingActions;


class ScriptRunner {
public:
    ScriptRunner(Form1& form, RecordingActions& recorded, QTextStream& out, QTextStream& err);

    // Runs the lines in order; returns the exit status (0, or 2 after the
    // first line that cannot be performed).
    int run(const QStringList& lines);
    // Reads the script file (UTF-8) and runs it.
    int runFile(const QString& path);

private:
    struct Failure {
        QString reason;
    };
    // Performs one line; a Failure says why it could not be performed.
    std::optional<Failure> perform(const QString& line);
    std::optional<Failure> set(const QString& rest);
    std::optional<Failure> click(const QStringList& args);
    std::optional<Failure> selectText(const QStringList& args);
    std::optional<Failure> tick(const QStringList& args);
    std::optional<Failure> dump(const QStringList& args);
    std::optional<Failure> shot(const QString& rest);
    std::optional<Failure> close(const QStringList& args);
    std::optional<Failure> copyText(const QStringList& args);
    // Keys pressed and pages dropped on the main window (AutomationInput.cpp).
    std::optional<Failure> key(const QString& rest);
    std::optional<Failure> drop(const QString& rest);
    // A control of Form2, Form3, file or frmAbout (AutomationWindows.cpp);
    // `argument` is the text typed or the item chosen.
    std::optional<Failure> otherWindow(const QString& verb, const QString& control, const QString& argument = {});
    std::optional<Failure> closeOtherWindow(const QString& name);

    Form1& form_;
    RecordingActions& recorded_;
    QTextStream& out_;
    QTextStream& err_;
};

}  // namespace sumire
