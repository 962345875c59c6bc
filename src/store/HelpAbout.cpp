#include "store/HelpAbout.h"

#include <QStandardPaths>

namespace sumire {
namespace {

const QStringList kOpeners = {"xdg-open"};
const QStringList kEditors = {"gnome-text-editor", "gedit",   "mousepad", "kate", "kwrite", "pluma", "xed",
                              "featherpad",        "leafpad", "geany",    "xedit"};
const QStringList kSystemInfoTools = {"hardinfo2", "hardinfo", "kinfocenter", "lshw-gtk"};

const QString kMsInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");

QString findFirst(const QStringList& names, const QStringList& searchPath) {
    for (const QString& name : names) {
        const QString found = QStandardPaths::findExecutable(name, searchPath);
        if (!found.isEmpty()) return found;
    }
    return {};
}

}  // namespace

QString ProgramStart::commandLine() const { return (QStringList{program} + arguments).join(u' '); }

std::optional<ProgramStart> helpEditorFor(const QString& readmePath, const QStringList& searchPath) {
    QString program = findFirst(kOpeners, searchPath);
    if (program.isEmpty()) program = findFirst(kEditors, searchPath);
    if (program.isEmpty()) return std::nullopt;
    return ProgramStart{program, {readmePath}};
}

bool SystemKeys::GetKeyValue(KeyRoot root, const QString& keyName, const QString& subKeyRef, QString* keyVal) const {
    keyVal->clear();
    if (root != KeyRoot::LocalMachine || keyName != kMsInfoKey || subKeyRef != u"PATH") return false;
    const QString tool = findFirst(kSystemInfoTools, searchPath_);
    if (tool.isEmpty()) return false;
    *keyVal = tool;
    return true;
}

std::optional<QString> systemInfoProgram(const SystemKeys& keys) {
    QString value;
    if (keys.GetKeyValue(KeyRoot::LocalMachine, kMsInfoKey, "PATH", &value)) return value;
    return std::nullopt;
}

}  // namespace sumire
