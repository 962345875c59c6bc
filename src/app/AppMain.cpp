#include "AppMain.h"

#include "Automation.h"
#include "Form1.h"
#include "SystemActions.h"
#include "WindowLook.h"
#include "cli/CommandLine.h"
#include "cli/DemoServer.h"
#include "cli/ProgramFiles.h"
#include "cli/RenderCommand.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <QTimer>
#include <optional>

namespace sumire {
namespace {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Sumire"));
    QApplication::setApplicationVersion(QStringLiteral(SUMIRE_VERSION));
    QApplication::setFont(windowFont(9));
}

QString workDirFor(const ProgramCommand& command) {
    if (command.workDir.isEmpty()) return QDir::cleanPath(defaultWorkDir());
    return QDir::cleanPath(QFileInfo(command.workDir).absoluteFilePath());
}

// The demo's first page: the index, fetched from the demo server.
void openDemoIndex(Form1& form, const DemoServer& server) {
    form.setAddressText(server.indexUrl());
    form.Command1_Click();
}

// The demo server over the sample pages; nothing (and a reason on `err`)
// when there are no samples or no port.
bool startDemoServer(std::optional<DemoServer>& server, QTextStream& err) {
    const QString samples = samplesDir();
    if (samples.isEmpty()) {
        err << "sumire: --demo: the sample pages were not found" << Qt::endl;
        return false;
    }
    server.emplace(samples);
    if (!server->start()) {
        err << "sumire: --demo: cannot listen on 127.0.0.1" << Qt::endl;
        return false;
    }
    return true;
}

int runScript(const Form1Options& options, const ProgramCommand& command, const DemoServer* demo) {
    QTextStream out(stdout), err(stderr);
    RecordingActions recorded;
    Form1 form(options, recorded);
    form.Form_Load();
    form.showCentred();
    if (demo) openDemoIndex(form, *demo);
    ScriptRunner runner(form, recorded, out, err);
    return runner.runFile(command.script);
}

int runDesktop(const Form1Options& options, const DemoServer* demo) {
    DesktopActions desktop;
    Form1 form(options, desktop);
    QObject::connect(&form, &Form1::programEnded, qApp, [] { QCoreApplication::exit(0); });
    form.Form_Load();
    form.showCentred();
    if (demo) QTimer::singleShot(0, &form, [&form, demo] { openDemoIndex(form, *demo); });
    return QApplication::exec();
}

int runViewer(int argc, char** argv, const ProgramCommand& command) {
    QApplication app(argc, argv);
    setUpApplication();
    QTextStream err(stderr);
    std::optional<DemoServer> demo;
    if (command.demo && !startDemoServer(demo, err)) return 1;
    Form1Options options;
    options.workDir = workDirFor(command);
    options.scriptMode = !command.script.isEmpty();
    const DemoServer* server = demo ? &*demo : nullptr;
    return options.scriptMode ? runScript(options, command, server) : runDesktop(options, server);
}

// Rendering needs no display: without a platform chosen it draws off screen,
// which also keeps the pictures the same on every machine.
int runRenderer(int argc, char** argv, const RenderOptions& options) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication();
    QApplication::setCursorFlashTime(0);  // a steady caret: the same picture every time
    QTextStream err(stderr);
    return runRender(options, err);
}

}  // namespace

int runProgram(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const ProgramCommand command = parseCommandLine(arguments);
    switch (command.action) {
    case ProgramCommand::Action::Help:
    case ProgramCommand::Action::Version:
        QTextStream(stdout) << command.message;
        return 0;
    case ProgramCommand::Action::Error:
        QTextStream(stderr) << command.message;
        return 2;
    case ProgramCommand::Action::Render:
        return runRenderer(argc, argv, command.render);
    case ProgramCommand::Action::Viewer:
        break;
    }
    return runViewer(argc, argv, command);
}

}  // namespace sumire
