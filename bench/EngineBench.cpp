// The page engine: the whole request on large pages, DrawLcd with a canvas
// that discards its operations, and DecodeBase64.

#include "PageInputs.h"
#include "display/DiscardingCanvas.h"
#include "display/LcdRenderer.h"
#include "page/Base64.h"
#include "page/LocalFetcher.h"
#include "page/PageRequest.h"
#include "support/FakeWindow.h"
#include "support/HostilePages.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace sumire::bench {
namespace {

// Everything a request needs, offline, in a temporary folder.
struct Bench {
    QTemporaryDir dir;
    test::FakeHost host;
    test::FakeSlots pictures;
    DiscardingCanvas canvas;
    LocalFetcher fetcher;
    AttachmentFolder folder{dir.filePath("attachments")};
    PageModel model;

    void request(const QString& page) {
        host.text1 = dir.filePath("page.txt");
        host.text2 = page;
        PageServices services{host, pictures, fetcher, folder, canvas};
        runPageRequest(model, services);
    }
};

void runRequest(benchmark::State& state, const QString& page) {
    Bench b;
    for (auto _ : state) b.request(page);
    state.SetItemsProcessed(state.iterations() * page.size());
    state.counters["code_units_per_s"] =
        benchmark::Counter(double(page.size()), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_RequestPlain(benchmark::State& state) { runRequest(state, plainJapanesePage(kMiB)); }
void BM_RequestDense(benchmark::State& state) { runRequest(state, densePage(kMiB)); }
BENCHMARK(BM_RequestPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RequestDense)->Unit(benchmark::kMillisecond);

void BM_RequestHostile(benchmark::State& state) {
    const test::HostilePage page = test::hostilePages(kMiB)[size_t(state.range(0))];
    state.SetLabel(page.name.toStdString());
    runRequest(state, page.text);
}
BENCHMARK(BM_RequestHostile)->DenseRange(0, int(test::hostilePages(1).size()) - 1)->Unit(benchmark::kMillisecond);

// DrawLcd alone, scrolled to the top (range 0) or to the end (range 1).
void drawLcd(benchmark::State& state, const QString& page) {
    Bench b;
    b.request(page);
    b.model.scrollTop = state.range(0) == 0 ? 0 : b.model.lcdRow;
    for (auto _ : state) DrawLcd(b.model, b.pictures, b.canvas);
    state.counters["code_units_per_s"] =
        benchmark::Counter(double(b.model.lcdText.size()), benchmark::Counter::kIsIterationInvariantRate);
}
void BM_DrawLcdPlain(benchmark::State& state) { drawLcd(state, plainJapanesePage(kMiB)); }
void BM_DrawLcdDense(benchmark::State& state) { drawLcd(state, densePage(kMiB)); }
BENCHMARK(BM_DrawLcdPlain)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawLcdDense)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DecodeBase64(benchmark::State& state) {
    QByteArray bytes(3 * kMiB / 4, 'x');
    for (int i = 0; i < bytes.size(); ++i) bytes[i] = char(i * 131);
    const QString text = QString::fromLatin1(bytes.toBase64());
    for (auto _ : state) benchmark::DoNotOptimize(DecodeBase64(text));
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_DecodeBase64)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sumire::bench

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
