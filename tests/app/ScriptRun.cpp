#include "ScriptRun.h"

#include "ProgramRun.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <gtest/gtest.h>
#include <unistd.h>

namespace sumire::apptest {

using test::ProgramResult;
using test::RunSetup;
using test::runProgram;
using test::writeFile;

Sandbox::Sandbox() : program_(RunSetup::builtViewer()) {
    QDir(dir_.path()).mkpath("work");
    QDir(dir_.path()).mkpath("config");
}

QString Sandbox::path(const QString& relative) const { return QDir(workDir()).filePath(relative); }

void Sandbox::write(const QString& relative, const QByteArray& bytes) const { writeFile(path(relative), bytes); }

void Sandbox::copyHandsetPictures() const {
    for (const char* name : {"phone_01.jpg", "phone_02.jpg", "phone_03.jpg"})
        ASSERT_TRUE(QFile::copy(QDir(SUMIRE_PROGRAM_DIR).filePath(name), path(name))) << name;
}

void Sandbox::useProgramCopy() {
    QDir(dir_.path()).mkpath("bin");
    const QString copy = dir_.filePath("bin/sumire");
    // A hard link where the file system allows one: the program is large.
    const QString built = RunSetup::builtViewer();
    if (::link(QFile::encodeName(built).constData(), QFile::encodeName(copy).constData()) != 0) {
        ASSERT_TRUE(QFile::copy(built, copy));
    }
    program_ = copy;
}

QString Sandbox::settingsFile() const { return QDir(configHome()).filePath("Sumire/Sumire.ini"); }

ScriptResult Sandbox::run(const QStringList& lines, const QStringList& arguments) const {
    static int counter = 0;
    const QString script = dir_.filePath(QStringLiteral("script-%1.txt").arg(++counter));
    writeFile(script, lines.join('\n').toUtf8() + '\n');

    RunSetup setup;
    setup.program = program_;
    for (const auto& [name, value] : variables_) {
        if (value) setup.environment.insert(name, *value);
        else setup.environment.remove(name);
    }
    setup.environment.insert("QT_QPA_PLATFORM", "offscreen");
    setup.environment.insert("XDG_CONFIG_HOME", configHome());
    const ProgramResult run = runProgram(QStringList{"--script", script, "--workdir", workDir()} + arguments, setup);
    ScriptResult result;
    if (run.timedOut) {
        ADD_FAILURE() << "the program did not end";
        return result;
    }
    result.exitCode = run.exitCode;
    result.out = run.out;
    result.err = run.err;
    for (const QByteArray& line : result.out.split('\n')) {
        if (line.trimmed().isEmpty()) continue;
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << qPrintable(error.errorString());
        result.dumpLines << line;
        result.dumps << doc.object();
    }
    return result;
}

QString drawnText(const QJsonObject& dump) {
    QString s;
    for (const QJsonArray& op : drawOps(dump, "text")) s += QChar(char16_t(op[3].toInt()));
    return s;
}

QList<QJsonArray> drawOps(const QJsonObject& dump, const QString& kind) {
    QList<QJsonArray> ops;
    for (const QJsonValue& v : dump.value("draw").toArray())
        if (v.toArray().at(0).toString() == kind) ops << v.toArray();
    return ops;
}

}  // namespace sumire::apptest
