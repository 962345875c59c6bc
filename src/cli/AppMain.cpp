#include "cli/AppMain.h"

#include "page/LocalRead.h"

#include "automation/Automation.h"
#include "app/Form1.h"
#include "app/Language.h"
#include "store/PhoneSetting.h"
#include "app/SystemActions.h"
#include "app/ViewSession.h"
#include "app/WindowLook.h"
#include "app/Zoom.h"
#include "art/LcdFace.h"
#include "cli/CommandLine.h"
#include "cli/DemoServer.h"
#include "store/ProgramFiles.h"
#include "cli/RenderCommand.h"
#include "display/PageModel.h"
#include "export/PageNames.h"
#include "page/Fetcher.h"
#include "page/TextCodec.h"
#include "text/Interruption.h"
#include "text/ProgressLine.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <memory>
#include <optional>

namespace sumire {
namespace {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Sumire"));
    QApplication::setApplicationVersion(QStringLiteral(SUMIRE_VERSION));
    QApplication::setFont(windowFont(9));
}

// --lang is kept for the next start; without it the kept one, else the
// desktop's language, decides.
void chooseWindowLanguage(const QString& given, QTextStream& err) {
    if (!given.isEmpty()) writeLanguageSetting(given == u"auto" ? QString() : given);
    const std::optional<QString> stored = readLanguageSetting();
    const Language language =
        chooseLanguage(languageNamed(given), stored ? languageNamed(*stored) : std::nullopt, languageOfEnvironment());
    if (!useLanguage(language)) err << "sumire: the English texts are missing; showing Japanese" << Qt::endl;
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

// `archive` made absolute when it is given; false, and why on `err` after
// `prefix`, when it is no folder or when `written`, which the program
// writes and `writtenName` names, lies inside it.
bool checkArchive(QString& archive, const QString& written, const QString& writtenName, const QString& prefix,
                  QTextStream& err) {
    if (archive.isEmpty()) return true;
    const QString folder = QDir::cleanPath(QFileInfo(archive).absoluteFilePath());
    if (!QFileInfo(folder).isDir()) {
        err << prefix << "--archive: " << archive << " is not a folder" << Qt::endl;
        return false;
    }
    // Compared with every link resolved, also in the part not made yet.
    if (!written.isEmpty() &&
        isInsideFolder(resolvedPath(QFileInfo(written).absoluteFilePath()), resolvedPath(folder))) {
        err << prefix << writtenName << " lies inside the archive, which is never written" << Qt::endl;
        return false;
    }
    archive = folder;
    return true;
}

// The first page: the view handed over by a window at another zoom, the
// demo's index, or the page of the command line.
void openFirstPage(Form1& form, const ProgramCommand& command, const DemoServer* demo) {
    if (!command.restore.isEmpty()) {
        const std::optional<ViewSession> session = readViewSession(command.restore);
        QFile::remove(command.restore);
        if (session) {
            form.restoreView(*session);
            return;
        }
    }
    const QString page = demo ? demo->indexUrl() : command.page;
    if (!page.isEmpty()) form.openPage(page);
}

// A window needs a display, unless a platform is chosen (offscreen).
bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int runScript(const Form1Options& options, const ProgramCommand& command, const DemoServer* demo) {
    QTextStream out(stdout), err(stderr);
    RecordingActions recorded;
    Form1 form(options, recorded);
    form.Form_Load();
    form.showCentred();
    openFirstPage(form, command, demo);
    return ScriptRunner(form, recorded, out, err).runFile(command.script);
}

int runDesktop(const Form1Options& options, const ProgramCommand& command, const DemoServer* demo) {
    DesktopActions desktop;
    Form1 form(options, desktop);
    QObject::connect(&form, &Form1::programEnded, qApp, [] { QCoreApplication::exit(0); });
    form.Form_Load();
    form.showCentred();
    QTimer::singleShot(0, &form, [&form, &command, demo] { openFirstPage(form, command, demo); });
    return QApplication::exec();
}

int runViewer(int argc, char** argv, const ProgramCommand& command) {
    QTextStream err(stderr);
    if (!hasDisplay()) {
        err << "sumire: no display was found; draw pages without one with 'sumire render PAGE', or run the "
               "window off screen with QT_QPA_PLATFORM=offscreen"
            << Qt::endl;
        return 1;
    }
    prefetchLcdDotFace(lcdDotSize(kDisplayWidths[0].charWidth, kDisplayWidths[0].lineHeight));
    const int zoom = command.zoom ? command.zoom : readZoomSetting().value_or(0);
    applyZoomBeforeStart(zoom);
    QApplication app(argc, argv);
    setUpApplication();
    chooseWindowLanguage(command.language, err);
    std::optional<DemoServer> demo;
    if (command.demo && !startDemoServer(demo, err)) return 1;
    Form1Options options;
    options.workDir =
        QDir::cleanPath(command.workDir.isEmpty() ? defaultWorkDir() : QFileInfo(command.workDir).absoluteFilePath());
    options.scriptMode = !command.script.isEmpty();
    if (demo) options.demoAddress = demo->url();
    options.zoom = zoom;
    options.archiveDir = command.archive;
    if (!checkArchive(options.archiveDir, options.workDir, "--archive: the working folder " + options.workDir,
                      "sumire: ", err))
        return 2;
    const DemoServer* server = demo ? &*demo : nullptr;
    return options.scriptMode ? runScript(options, command, server) : runDesktop(options, command, server);
}

// The local pages among `pages`, the *.txt pages of folders included, that
// are no text: they are still drawn, but the user hears of it.
void warnAboutNonTextPages(const QStringList& pages, const char* command, QTextStream& err) {
    for (const NamedPage& named : expandPages(pages)) {
        if (isNetworkAddress(named.page)) continue;
        QFile in(named.page);
        if (!in.open(QIODevice::ReadOnly)) continue;  // the command itself says why
        const QString kind = nonTextKind(in.read(1024));
        if (!kind.isEmpty())
            err << "sumire: " << command << ": " << named.page << " is " << kind
                << ", not a text page; it is shown as text" << Qt::endl;
    }
}

// Rendering needs no display: without a platform chosen it draws off screen,
// which also keeps the pictures the same on every machine. A worker draws
// the jobs its parent hands it.
int runRenderer(int argc, char** argv, RenderOptions options, bool worker) {
    QTextStream err(stderr);
    if (!checkArchive(options.archive, options.out, options.out, "sumire: render: ", err)) return 2;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The LCD alone is painted without a window; without a QApplication no
    // widget can be made at all.
    std::unique_ptr<QGuiApplication> app;
    if (options.full || options.crop == Crop::Lcd) {
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
        setUpApplication();
        QApplication::setCursorFlashTime(0);  // a steady caret: the same picture every time
    }
    // The user's stored handset model is neither read nor changed: this
    // process keeps its settings in a folder of its own.
    const QTemporaryDir settings;
    const RemovedOnInterrupt settingsRemoved(settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    if (worker) return runRenderWorker(options);
    warnAboutNonTextPages(options.pages, "render", err);
    return runRender(options, err, standardErrorIsTerminal());
}

// Exporting needs neither a display nor a window.
int runExporter(int argc, char** argv, ExportOptions options) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    if (!checkArchive(options.archive, options.out, options.out, "sumire: export: ", err)) return 2;
    warnAboutNonTextPages(options.pages, "export", err);
    return runExport(options, err, standardErrorIsTerminal() ? &err : nullptr);
}

}  // namespace

int runProgram(int argc, char** argv) {
    installInterruptHandlers();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const ProgramCommand command = parseCommandLine(arguments);
    switch (command.action) {
    case ProgramCommand::Action::Help:
    case ProgramCommand::Action::Version: QTextStream(stdout) << command.message; return 0;
    case ProgramCommand::Action::Error: QTextStream(stderr) << command.message; return 2;
    case ProgramCommand::Action::Render: return runRenderer(argc, argv, command.render, false);
    case ProgramCommand::Action::RenderWorker: return runRenderer(argc, argv, command.render, true);
    case ProgramCommand::Action::Export: return runExporter(argc, argv, command.exportOptions);
    case ProgramCommand::Action::Viewer: break;
    }
    return runViewer(argc, argv, command);
}

}  // namespace sumire
