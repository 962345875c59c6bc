#pragma once
// Runs the built viewer on a script in a temporary working folder with its
// own per-user settings folder, and reads back the JSON dumps it printed.

#include "ProgramRun.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcessEnvironment>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>
#include <ostream>

// Readable values in test failures.
inline void PrintTo(const QJsonValue& v, std::ostream* os) {
    *os << QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).constData();
}
inline void PrintTo(const QJsonArray& v, std::ostream* os) {
    *os << QJsonDocument(v).toJson(QJsonDocument::Compact).constData();
}
inline void PrintTo(const QJsonObject& v, std::ostream* os) {
    *os << QJsonDocument(v).toJson(QJsonDocument::Compact).constData();
}

namespace sumire::apptest {

struct ScriptResult {
    int exitCode = -1;
    QByteArray out, err;
    QList<QByteArray> dumpLines;  // the JSON lines as printed
    QList<QJsonObject> dumps;     // the same, parsed

    QJsonObject dump(qsizetype i) const { return i < dumps.size() ? dumps[i] : QJsonObject(); }
    QJsonObject model(qsizetype i) const { return dump(i).value("model").toObject(); }
};

class Sandbox {
public:
    Sandbox();
    QString workDir() const { return dir_.filePath("work"); }
    QString configHome() const { return dir_.filePath("config"); }
    QString path(const QString& relative) const;
    void write(const QString& relative, const QByteArray& bytes) const;
    // phone_01.jpg .. phone_03.jpg from beside the built program.
    void copyHandsetPictures() const;
    // Runs a copy of the program from a folder of its own, with nothing beside it.
    void useProgramCopy();
    // The stored handset setting file.
    QString settingsFile() const;

    // The runs' environment is the test's at the time of the run, in the C
    // locale, with these changes: a variable set, or removed (no value).
    void setVariable(const QString& name, std::optional<QString> value) { variables_ << qMakePair(name, value); }

    // `arguments` come after --script and --workdir: --archive DIR, a PAGE.
    ScriptResult run(const QStringList& lines, const QStringList& arguments = {}) const;

private:
    QTemporaryDir dir_;
    QString program_;  // the built viewer, or a copy of it
    QList<QPair<QString, std::optional<QString>>> variables_;
};

// The characters of the text operations of a dump's drawing, in order.
QString drawnText(const QJsonObject& dump);
// The drawing operations of one kind.
QList<QJsonArray> drawOps(const QJsonObject& dump, const QString& kind);

}  // namespace sumire::apptest
