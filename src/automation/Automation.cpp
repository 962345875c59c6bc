#include "automation/Automation.h"

#include "app/ClientArea.h"
#include "automation/Dump.h"
#include "app/Form1.h"
#include "automation/ScriptText.h"
#include "app/Text2Box.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QLineEdit>
#include <QAbstractButton>
#include <QTextStream>

namespace sumire {
namespace {

bool parseInt(const QString& s, int* value) {
    bool ok = false;
    *value = s.toInt(&ok);
    return ok;
}

}  // namespace

ScriptRunner::ScriptRunner(Form1& form, RecordingActions& recorded, QTextStream& out, QTextStream& err)
    : form_(form), recorded_(recorded), out_(out), err_(err) {}

int ScriptRunner::runFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        err_ << "cannot read script " << path << ": " << file.errorString() << Qt::endl;
        return 2;
    }
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return run(lines);
}

int ScriptRunner::run(const QStringList& lines) {
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
        if (const auto failure = perform(line)) {
            out_.flush();
            err_ << "line " << (n + 1) << ": " << failure->reason << Qt::endl;
            return 2;
        }
        QCoreApplication::processEvents();
        if (form_.ended()) break;  // the exit command or the close box ended the program
    }
    out_.flush();
    return 0;
}

std::optional<ScriptRunner::Failure> ScriptRunner::perform(const QString& line) {
    const auto [verb, rest] = splitFirst(line);
    const QStringList args = rest.split(u' ', Qt::SkipEmptyParts);
    if (verb == u"set") return set(rest);
    if (verb == u"click") return click(args);
    if (verb == u"selectText") return selectText(args);
    if (verb == u"tick") return tick(args);
    if (verb == u"dump") return dump(args);
    if (verb == u"shot") return shot(rest);
    if (verb == u"close") return close(args);
    if (verb == u"key") return key(rest);
    if (verb == u"drop") return drop(rest);
    if (verb == u"copyText") return copyText(args);
    if (verb == u"select" || verb == u"dblclick") {
        // The item is the rest of the line: a name or path may hold spaces.
        const auto [control, item] = splitFirst(rest);
        if (control.isEmpty()) return Failure{QStringLiteral("missing control")};
        if (item.isEmpty()) return Failure{QStringLiteral("missing item")};
        return otherWindow(verb, control, item);
    }
    return Failure{QStringLiteral("unknown verb: %1").arg(verb)};
}

// Types into a text box. A box that is disabled or read-only takes no typing.
std::optional<ScriptRunner::Failure> ScriptRunner::set(const QString& rest) {
    const auto [control, raw] = splitFirst(rest);
    if (control.isEmpty()) return Failure{QStringLiteral("missing control")};
    const auto text = unescapeScriptText(raw);
    if (!text) return Failure{QStringLiteral("bad escape in text")};
    if (control.contains(u'.')) return otherWindow(QStringLiteral("set"), control, *text);
    const Form1Controls& c = form_.controls();
    const bool takesInput = form_.isEnabled() && form_.isVisible();
    if (control == u"Text1" || control == u"Text3") {
        QLineEdit* box = control == u"Text1" ? c.text1 : c.text3;
        if (takesInput && box->isEnabled()) box->setText(*text);
        return std::nullopt;
    }
    if (control == u"Text2") {
        if (takesInput && c.text2->isEnabled() && !c.text2->isReadOnly()) c.text2->setText(*text);
        return std::nullopt;
    }
    return Failure{QStringLiteral("not a text box: %1").arg(control)};
}

// A button is clicked, a menu item chosen; a disabled one ignores it. Other
// controls of the window (labels, boxes, menu titles) take the click and do
// nothing.
std::optional<ScriptRunner::Failure> ScriptRunner::click(const QStringList& args) {
    if (args.isEmpty()) return Failure{QStringLiteral("missing control")};
    if (args.size() > 1) return Failure{QStringLiteral("too many arguments")};
    const QString& name = args[0];
    if (name.contains(u'.')) return otherWindow(QStringLiteral("click"), name);
    QObject* control = form_.findChild<QObject*>(name);
    if (!control || !(control->isWidgetType() || qobject_cast<QAction*>(control)))
        return Failure{QStringLiteral("unknown control: %1").arg(name)};
    if (!form_.isEnabled() || !form_.isVisible()) return std::nullopt;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (button->isEnabled()) button->click();
    } else if (auto* item = qobject_cast<QAction*>(control)) {
        if (item->isEnabled() && !item->isSeparator()) item->trigger();
    }
    return std::nullopt;
}

std::optional<ScriptRunner::Failure> ScriptRunner::selectText(const QStringList& args) {
    if (args.size() < 3) return Failure{QStringLiteral("missing argument")};
    if (args[0] != u"Text2") return Failure{QStringLiteral("not a selectable text box: %1").arg(args[0])};
    int start = 0, length = 0;
    if (!parseInt(args[1], &start) || !parseInt(args[2], &length) || start < 0 || length < 0)
        return Failure{QStringLiteral("bad number")};
    form_.controls().text2->select(start, length);
    return std::nullopt;
}

std::optional<ScriptRunner::Failure> ScriptRunner::tick(const QStringList& args) {
    if (!args.isEmpty()) return Failure{QStringLiteral("too many arguments")};
    if (form_.session().lastDrawn().blinking) form_.Timer1_Timer();
    return std::nullopt;
}

std::optional<ScriptRunner::Failure> ScriptRunner::dump(const QStringList& args) {
    if (!args.isEmpty()) return Failure{QStringLiteral("too many arguments")};
    out_ << QString::fromUtf8(dumpState(form_, recorded_)) << '\n';
    out_.flush();
    return std::nullopt;
}

// `shot FILE` writes the client area at 1x; `shot --zoom FILE` as the screen
// shows it, every pixel of the window's zoom.
std::optional<ScriptRunner::Failure> ScriptRunner::shot(const QString& rest) {
    const QString zoomFlag = QStringLiteral("--zoom ");
    const bool zoomed = rest.startsWith(zoomFlag);
    const QString file = zoomed ? rest.mid(zoomFlag.size()) : rest;
    if (file.isEmpty()) return Failure{QStringLiteral("missing file")};
    QImage picture;
    if (zoomed) {
        picture = form_.controls().client->grab().toImage();
        picture.setDevicePixelRatio(1);
    } else {
        picture = form_.controls().client->snapshot();
    }
    if (!picture.save(file, "PNG")) return Failure{QStringLiteral("cannot write %1").arg(file)};
    return std::nullopt;
}

std::optional<ScriptRunner::Failure> ScriptRunner::close(const QStringList& args) {
    if (args.isEmpty()) return Failure{QStringLiteral("missing window")};
    if (args.size() > 1) return Failure{QStringLiteral("too many arguments")};
    if (args[0] == u"Form1") {
        form_.close();
        return std::nullopt;
    }
    return closeOtherWindow(args[0]);
}

// As Ctrl+Shift+C: a window that takes no keys takes no copy either.
std::optional<ScriptRunner::Failure> ScriptRunner::copyText(const QStringList& args) {
    if (!args.isEmpty()) return Failure{QStringLiteral("too many arguments")};
    if (form_.isEnabled() && form_.isVisible()) form_.copyText();
    return std::nullopt;
}

}  // namespace sumire
