#include "AppMain.h"

#include "Automation.h"
#include "Form1.h"
#include "SystemActions.h"
#include "WindowLook.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <cstdio>

namespace sumire {
namespace {

struct CommandLine {
    QString script;
    QString workDir;
    QString error;
};

CommandLine parseCommandLine(const QStringList& args) {
    CommandLine c;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if ((a == u"--script" || a == u"--workdir") && i + 1 < args.size()) {
            (a == u"--script" ? c.script : c.workDir) = args[++i];
        } else {
            c.error = QStringLiteral("unexpected argument: %1").arg(a);
            return c;
        }
    }
    return c;
}

}  // namespace

int runProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sumire"));
    QApplication::setFont(windowFont(9));
    QTextStream err(stderr);
    const CommandLine command = parseCommandLine(QApplication::arguments());
    if (!command.error.isEmpty()) {
        err << command.error << "\nusage: sumire [--script FILE] [--workdir DIR]" << Qt::endl;
        return 2;
    }
    Form1Options options;
    options.workDir = command.workDir.isEmpty() ? QCoreApplication::applicationDirPath()
                                                : QFileInfo(command.workDir).absoluteFilePath();
    options.workDir = QDir::cleanPath(options.workDir);
    options.scriptMode = !command.script.isEmpty();

    if (options.scriptMode) {
        RecordingActions recorded;
        Form1 form(options, recorded);
        form.Form_Load();
        form.showCentred();
        QTextStream out(stdout);
        ScriptRunner runner(form, recorded, out, err);
        return runner.runFile(command.script);
    }
    DesktopActions desktop;
    Form1 form(options, desktop);
    QObject::connect(&form, &Form1::programEnded, &app, [] { QCoreApplication::exit(0); });
    form.Form_Load();
    form.showCentred();
    return QApplication::exec();
}

}  // namespace sumire
