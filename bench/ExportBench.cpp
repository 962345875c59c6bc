// Archive export of the sample pages, in the process: HTML (pages, pictures,
// assets and index written) and text; items per second are pages a second of
// wall-clock time, since a user waits for the whole export.

#include "export/ArchiveExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>

namespace sumire::bench {
namespace {

void exportSamples(benchmark::State& state, bool text) {
    QTemporaryDir dir;
    ExportOptions o;
    o.pages = {SUMIRE_SOURCE_DIR "/samples"};
    o.out = dir.filePath("out");
    o.text = text;
    const int64_t pages = int64_t(plannedEntries(o).size());
    QString errors;
    QTextStream err(&errors);
    for (auto _ : state) {
        if (runExport(o, err) != 0) return state.SkipWithError(errors.toStdString().c_str());
    }
    state.SetItemsProcessed(state.iterations() * pages);
}

void BM_ExportSamplesHtml(benchmark::State& state) { exportSamples(state, false); }
BENCHMARK(BM_ExportSamplesHtml)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExportSamplesText(benchmark::State& state) { exportSamples(state, true); }
BENCHMARK(BM_ExportSamplesText)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace sumire::bench

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // picture format plugins
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
