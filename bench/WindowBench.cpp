// The window: a blink tick on a visible blinking run of a 1 MiB page, painted
// with the window's painter, and the memory the viewer holds with that page.

#include "ClientArea.h"
#include "Form1.h"
#include "LcdPainter.h"
#include "PageInputs.h"
#include "PictureBoxes.h"
#include "SystemActions.h"
#include "display/LcdRenderer.h"
#include "page/LocalFetcher.h"
#include "page/PageRequest.h"
#include "support/FakeWindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace sumire::bench {
namespace {

// Resident memory of this process, in MiB.
double residentMiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

struct Window {
    QTemporaryDir dir;
    RecordingActions actions;
    Form1 form;

    explicit Window(const QString& page) : form(options(dir.path()), actions) {
        form.Form_Load();
        form.showCentred();
        form.Menu003_Click();  // offline: the page is the text of the source box
        form.setSourceText(page);
        form.Command1_Click();
    }
    static Form1Options options(const QString& dir) {
        Form1Options o;
        o.workDir = dir;
        o.scriptMode = true;  // the timer ticks only when told
        return o;
    }
};

QString blinkingPage() {
    return "<BODY=000080 BG=FFFFC0>\r\n<BL>" + QString::fromUtf8("点滅する<#HEART>文字") + "</BL>\r\n" +
           plainJapanesePage(kMiB);
}

void BM_BlinkTickWithWindowPainter(benchmark::State& state) {
    Window window(blinkingPage());
    for (auto _ : state) window.form.Timer1_Timer();
    state.counters["timer1_enabled"] = window.form.timer1Enabled() ? 1 : 0;
}
BENCHMARK(BM_BlinkTickWithWindowPainter)->Unit(benchmark::kMillisecond);

// DrawLcd painting with the window's painter onto a client area, a 1 MiB page
// scrolled to the top (range 1 = 0) or to its end (1), plain (range 0 = 0) or
// dense with tags (1).
void BM_DrawLcdWithWindowPainter(benchmark::State& state) {
    QTemporaryDir dir;
    ClientArea area;
    PictureBoxes boxes;
    PageModel model;
    LcdPainter painter(area, model, boxes);
    test::FakeHost host;
    test::FakeSlots sizes;
    LocalFetcher fetcher;
    AttachmentFolder folder(dir.filePath("attachments"));
    host.text1 = dir.filePath("page.txt");
    host.text2 = state.range(0) == 0 ? plainJapanesePage(kMiB) : densePage(kMiB);
    PageServices services{host, sizes, fetcher, folder, painter};
    runPageRequest(model, services);
    model.scrollTop = state.range(1) == 0 ? 0 : model.lcdRow;
    for (auto _ : state) DrawLcd(model, sizes, painter);
    state.counters["code_units_per_s"] = benchmark::Counter(
        double(model.lcdText.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DrawLcdWithWindowPainter)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_ResidentWithOneMiBPage(benchmark::State& state) {
    Window window(blinkingPage());
    for (auto _ : state) benchmark::DoNotOptimize(window.form.model().lcdText.size());
    state.counters["resident_MiB"] = residentMiB();
}
BENCHMARK(BM_ResidentWithOneMiBPage)->Iterations(1);

}  // namespace
}  // namespace sumire::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
