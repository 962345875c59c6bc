#include "PageInputs.h"

#include "support/HostilePages.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace sumire::bench {
using test::repeatedTo;

QString plainJapanesePage(int codeUnits) {
    return repeatedTo(QString::fromUtf8("今日は良い天気です。明日も晴れるでしょう。\r\n"
                                        "Ｈ”ＬＩＮＫのページを表示します。abc 123\r\n"),
                      codeUnits);
}

QString densePage(int codeUnits) {
    // Links are header lines: the body starts after the last one.
    QString links;
    for (int i = 0; i < 1000; ++i)
        links += "SEL=" + QString::number(i) + ";http://127.0.0.1/p" + QString::number(i) + ".txt>\r\n.";
    const QString body = QString::fromUtf8(
        "<C=FF0000>赤<#HEART></C> <BL>点滅<#STAR></BL>\r\n"
        "<C=00FF00>緑</C><#TELEPHONE><#!!> ｱｲｳ <IMG=\"a.bmp\">\r\n");
    const QString head = "<BODY=000000 BG=FFFFFF>\r\n" + links + "\r\n";
    return head + repeatedTo(body, codeUnits - int(head.size()));
}

QString noLineBreakPage(int codeUnits) {
    return repeatedTo(QString::fromUtf8("今日は良い天気です。明日も晴れるでしょう。"
                                        "Ｈ”ＬＩＮＫのページを表示します。abc 123 "),
                      codeUnits);
}

int runProgramBenchmarks(int argc, char** argv, void (*registerMore)()) {
    QCoreApplication app(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (registerMore) registerMore();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

#ifdef SUMIRE_PROGRAM  // the benchmarks of whole processes
Run runMeasured(const QStringList& arguments) {
    std::vector<QByteArray> bytes{QByteArray(SUMIRE_PROGRAM)};
    for (const QString& a : arguments) bytes.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& b : bytes) argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    Run run;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        run.peakMiB = double(usage.ru_maxrss) / 1024;
    }
    run.seconds = double(clock.nsecsElapsed()) / 1e9;
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

#endif

}  // namespace sumire::bench
