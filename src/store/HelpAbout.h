#pragma once
// Help and About on this platform: the text editor that shows readme.txt,
// and a small stand-in for the registry key the About window reads to find
// the system-information tool.

#include <QString>
#include <QtGlobal>
#include <QStringList>
#include <optional>

namespace sumire {

struct ProgramStart {
    QString program;
    QStringList arguments;
    QString commandLine() const;  // as recorded by the automation dump
};

// The desktop's opener for a text file, or a text editor found on `searchPath`
// (the PATH when empty); nothing when none is installed.
std::optional<ProgramStart> helpEditorFor(const QString& readmePath, const QStringList& searchPath = {});

enum class KeyRoot { LocalMachine, CurrentUser };

// The registry of this platform: it answers the value "PATH" of
// "SOFTWARE\Microsoft\Shared Tools\MSINFO" with a program that shows system
// information, when one is installed, and knows no other key.
class SystemKeys {
public:
    explicit SystemKeys(QStringList searchPath = {}) : searchPath_(std::move(searchPath)) {}
    bool GetKeyValue(KeyRoot root, const QString& keyName, const QString& subKeyRef, QString* keyVal) const;

private:
    QStringList searchPath_;
};

// The program the system-information button starts, or nothing (then the
// window shows "現時点ではｼｽﾃﾑ情報を使用できません").
std::optional<QString> systemInfoProgram(const SystemKeys& keys);

constexpr const char* kNoSystemInfo = QT_TRANSLATE_NOOP("sumire::FrmAbout", "現時点ではｼｽﾃﾑ情報を使用できません");

}  // namespace sumire
