// Whole processes, as a user starts them: the viewer up to its first drawn
// window (a script with one dump, offscreen), and `sumire render` of a sample
// page, of written pages up to 16 MiB and of a folder of 1,000 sample pages
// (SUMIRE_BENCH_PAGES sets another number), with the children's peak memory.

#include "PageInputs.h"

#include <QDir>
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

// Plain text of as many code units as fit into `bytes` bytes of UTF-8.
QByteArray plainPageOfBytes(int bytes) {
    const QByteArray whole = plainJapanesePage(bytes).toUtf8();
    const double unitsPerByte = double(bytes) / double(whole.size());
    return plainJapanesePage(int(bytes * unitsPerByte) - 64).toUtf8();
}

// Written pages: a tiny one, then 1 MiB plain, dense and without a line
// break, and plain text filling the 16 MiB a file may have. The difference
// to the tiny page is the page's own cost.
QByteArray writtenPage(int64_t which) {
    switch (which) {
    case 0: return QByteArrayLiteral("Subject: tiny\r\nabc\r\n");
    case 1: return plainJapanesePage(kMiB).toUtf8();
    case 2: return densePage(kMiB).toUtf8();
    case 3: return noLineBreakPage(kMiB).toUtf8();
    default: return plainPageOfBytes(16 * kMiB);
    }
}

void BM_RenderWrittenPage(benchmark::State& state) {
    const char* const names[] = {"tiny", "plain_1MiB", "dense_1MiB", "no_line_break_1MiB", "plain_16MiB"};
    state.SetLabel(names[state.range(0)]);
    QTemporaryDir dir;
    QFile page(dir.filePath("page.txt"));
    if (!page.open(QIODevice::WriteOnly)) return state.SkipWithError("no page");
    page.write(writtenPage(state.range(0)));
    page.close();
    runProgram(state, {"render", page.fileName(), "-o", dir.filePath("page.png")});
}
BENCHMARK(BM_RenderWrittenPage)->DenseRange(0, 4)->UseManualTime()->Unit(benchmark::kMillisecond);

// The sample pages, in turn, as many times as there are pages; the pictures
// and files they attach beside them.
bool writeSampleFolder(const QString& folder, int pages) {
    const QDir samples(SUMIRE_SOURCE_DIR "/samples");
    const QStringList texts = samples.entryList({"*.txt"}, QDir::Files, QDir::Name);
    if (texts.isEmpty() || !QDir().mkpath(folder)) return false;
    for (const QString& file : samples.entryList(QDir::Files))
        if (!file.endsWith(".txt") && !QFile::copy(samples.filePath(file), QDir(folder).filePath(file))) return false;
    for (int n = 0; n < pages; ++n) {
        const QString page = QDir(folder).filePath(QStringLiteral("p%1.txt").arg(n, 4, 10, QChar('0')));
        if (!QFile::copy(samples.filePath(texts[n % texts.size()]), page)) return false;
    }
    return true;
}

int batchPages() {
    const int pages = qEnvironmentVariableIntValue("SUMIRE_BENCH_PAGES");
    return pages > 0 ? pages : 1000;
}

// One render of the whole folder; pages_per_s is the pages over its wall time.
void renderBatch(benchmark::State& state, const QStringList& options) {
    QTemporaryDir dir;
    const int pages = batchPages();
    if (!writeSampleFolder(dir.filePath("pages"), pages)) return state.SkipWithError("no sample folder");
    runProgram(state, QStringList{"render", dir.filePath("pages"), "-o", dir.filePath("out")} + options);
    state.counters["pages_per_s"] =
        benchmark::Counter(double(pages) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_RenderSampleFolderWindow(benchmark::State& state) { renderBatch(state, {}); }
BENCHMARK(BM_RenderSampleFolderWindow)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

void BM_RenderSampleFolderLcd(benchmark::State& state) { renderBatch(state, {"--crop", "lcd"}); }
BENCHMARK(BM_RenderSampleFolderLcd)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace sumire::bench

int main(int argc, char** argv) { return sumire::bench::runProgramBenchmarks(argc, argv); }
