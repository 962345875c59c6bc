// Whole processes, as a user starts them: the viewer up to its first drawn
// window (a script with one dump, offscreen), and `sumire render` of a sample
// page and of a 1 MiB page, with the child's peak memory.

#include "PageInputs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace sumire::bench {
namespace {

// Runs the program to its end; the wall time is the iteration's time.
void runProgram(benchmark::State& state, const QStringList& arguments) {
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(SUMIRE_PROGRAM, arguments);
        if (!program.waitForFinished(60000) || program.exitCode() != 0) {
            state.SkipWithError("the program failed");
            return;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    state.counters["children_peak_MiB"] = double(usage.ru_maxrss) / 1024;  // the largest child so far
}

void BM_StartupToFirstDrawnWindow(benchmark::State& state) {
    QTemporaryDir dir;
    QFile script(dir.filePath("dump.txt"));
    if (!script.open(QIODevice::WriteOnly)) return state.SkipWithError("no script");
    script.write("dump\n");
    script.close();
    runProgram(state, {"--script", script.fileName(), "--workdir", dir.path()});
}
BENCHMARK(BM_StartupToFirstDrawnWindow)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_RenderIndexSample(benchmark::State& state) {
    QTemporaryDir dir;
    runProgram(state, {"render", SUMIRE_SOURCE_DIR "/samples/index.txt", "-o", dir.filePath("index.png")});
}
BENCHMARK(BM_RenderIndexSample)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_RenderOneMiBPage(benchmark::State& state) {
    QTemporaryDir dir;
    QFile page(dir.filePath("big.txt"));
    if (!page.open(QIODevice::WriteOnly)) return state.SkipWithError("no page");
    page.write(densePage(kMiB).toUtf8());
    page.close();
    runProgram(state, {"render", page.fileName(), "-o", dir.filePath("big.png")});
}
BENCHMARK(BM_RenderOneMiBPage)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sumire::bench

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
