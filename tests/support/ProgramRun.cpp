#include "ProgramRun.h"

#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace sumire::test {

QString RunSetup::builtViewer() {
#ifdef SUMIRE_PROGRAM
    return QStringLiteral(SUMIRE_PROGRAM);
#else
    return QString();
#endif
}

ProgramResult runProgram(const QStringList& arguments, const RunSetup& setup) {
    QProcess process;
    process.setProcessEnvironment(setup.environment);
    if (!setup.workingDirectory.isEmpty()) process.setWorkingDirectory(setup.workingDirectory);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(setup.timeoutMs, &loop, &QEventLoop::quit);
    process.start(setup.program, arguments);
    loop.exec();
    ProgramResult run;
    if (process.error() == QProcess::FailedToStart) return run;
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        run.timedOut = true;
        return run;
    }
    if (process.exitStatus() == QProcess::NormalExit) run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QProcessEnvironment japaneseDesktop() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : kLanguageVariables) env.remove(name);
    env.insert("LANG", "C.UTF-8");
    return env;
}

QProcessEnvironment headlessUser(const QString& home) {
    QProcessEnvironment env = japaneseDesktop();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(name);
    env.insert("XDG_CONFIG_HOME", QDir(home).filePath("config"));
    env.insert("XDG_DATA_HOME", QDir(home).filePath("data"));
    return env;
}

RunSetup headlessIn(const QString& home, bool offscreen) {
    RunSetup setup;
    setup.environment = headlessUser(home);
    if (offscreen) setup.environment.insert("QT_QPA_PLATFORM", "offscreen");
    setup.workingDirectory = home;
    return setup;
}

QString samplePath(const QString& name) { return QDir(QStringLiteral(SUMIRE_SOURCE_DIR "/samples")).filePath(name); }

}  // namespace sumire::test
