// Script lines for the controls of the secondary windows (Form2.Text1,
// Form3.List1, file.File1, frmAbout.cmdOK...). A window that is not shown
// takes no clicks or typing, as it would take none from a person.

#include "automation/Automation.h"

#include "app/Form1.h"
#include "windows/FileBrowser.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/FrmAbout.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace sumire {
namespace {

QStringList controlNamesOf(const QString& window) {
    if (window == u"Form2") return Form2::controlNames();
    if (window == u"Form3") return Form3::controlNames();
    if (window == u"file") return FileBrowser::controlNames();
    if (window == u"frmAbout") return FrmAbout::controlNames();
    return {};
}

const QStringList kTextBoxes{"Form2.Text1", "Form2.Text2", "Form3.Text1", "Form3.Text2", "file.Text1"};

}  // namespace

std::optional<ScriptRunner::Failure> ScriptRunner::otherWindow(const QString& verb, const QString& control,
                                                               const QString& argument) {
    const qsizetype dot = control.indexOf(u'.');
    const QString windowName = control.left(dot);
    const QString name = control.mid(dot + 1);
    if (!controlNamesOf(windowName).contains(name)) return Failure{QStringLiteral("unknown control: %1").arg(control)};
    SecondaryWindow* window = form_.windows().existing(windowName);
    const bool takesInput = window && window->takesInput();

    if (verb == u"set") {
        if (!kTextBoxes.contains(control)) return Failure{QStringLiteral("not a text box: %1").arg(control)};
        auto* box = takesInput ? window->findChild<QLineEdit*>(name) : nullptr;
        if (box && box->isEnabled()) box->setText(argument);
        return std::nullopt;
    }
    if (verb == u"click") {
        // Lists, labels and pictures take the click and do nothing.
        auto* button = takesInput ? window->findChild<QAbstractButton*>(name) : nullptr;
        if (button && button->isEnabled()) button->click();
        return std::nullopt;
    }
    if (verb == u"select") {
        if (control == u"Form3.List1") {
            bool ok = false;
            const int line = argument.toInt(&ok);
            if (!ok) return Failure{QStringLiteral("bad number: %1").arg(argument)};
            if (!takesInput) return std::nullopt;
            auto* editor = static_cast<Form3*>(window);
            if (line < 0 || line >= editor->lines().size())
                return Failure{QStringLiteral("no line %1 in %2").arg(argument, control)};
            editor->clickLine(line);
            return std::nullopt;
        }
        if (!control.startsWith(u"file.") || name == u"Text1" || name.startsWith(u"Command"))
            return Failure{QStringLiteral("nothing to select in %1").arg(control)};
        if (!takesInput) return std::nullopt;
        auto* browser = static_cast<FileBrowser*>(window);
        const bool chosen = name == u"Dir1"     ? browser->chooseFolder(argument)
                            : name == u"Drive1" ? browser->chooseDrive(argument)
                                                : browser->clickFile(argument);
        if (!chosen) return Failure{QStringLiteral("no %1 in %2").arg(argument, control)};
        return std::nullopt;
    }
    // dblclick
    if (control != u"file.File1") return Failure{QStringLiteral("cannot double-click %1").arg(control)};
    if (!takesInput) return std::nullopt;
    auto* browser = static_cast<FileBrowser*>(window);
    if (!browser->clickFile(argument)) return Failure{QStringLiteral("no %1 in %2").arg(argument, control)};
    browser->Command1_Click();
    return std::nullopt;
}

// The close box of a window that is shown; a window not shown has none.
std::optional<ScriptRunner::Failure> ScriptRunner::closeOtherWindow(const QString& name) {
    if (controlNamesOf(name).isEmpty()) return Failure{QStringLiteral("unknown window: %1").arg(name)};
    SecondaryWindow* window = form_.windows().existing(name);
    if (window && window->isVisible()) window->close();
    return std::nullopt;
}

}  // namespace sumire
