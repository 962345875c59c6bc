// The window: a blink tick on a visible blinking run of a 1 MiB page, painted
// with the window's painter, and the memory the viewer holds with that page;
// big and hostile pages from Text2 to drawn, a keystroke typed into Text2 on
// a 1 MiB page, and a 16 MiB page with the peak memory.

#include "app/ClientArea.h"
#include "app/Form1.h"
#include "app/LcdPainter.h"
#include "PageInputs.h"
#include "app/PictureBoxes.h"
#include "app/SystemActions.h"
#include "display/LcdRenderer.h"
#include "page/LocalFetcher.h"
#include "page/PageRequest.h"
#include "app/Text2Box.h"
#include "support/FakeWindow.h"
#include "support/HostilePages.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace sumire::bench {
namespace {

// Resident memory of this process ("VmRSS") or its peak ("VmHWM"), in MiB.
double residentMiB(const QByteArray& field = "VmRSS:") {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(field.size()).trimmed().split(' ').first().toDouble() / 1024;
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
        form.controls().text2->setText(page);
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
    state.counters["timer1_enabled"] = window.form.session().lastDrawn().blinking ? 1 : 0;
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
    state.counters["code_units_per_s"] =
        benchmark::Counter(double(model.lcdText.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DrawLcdWithWindowPainter)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_ResidentWithOneMiBPage(benchmark::State& state) {
    Window window(blinkingPage());
    for (auto _ : state) benchmark::DoNotOptimize(window.form.session().model().lcdText.size());
    state.counters["resident_MiB"] = residentMiB();
}
BENCHMARK(BM_ResidentWithOneMiBPage)->Iterations(1);

// The hostile pages, then plain, dense and no-break pages.
std::vector<std::pair<QString, QString>> windowPages(int codeUnits) {
    std::vector<std::pair<QString, QString>> pages;
    for (const test::HostilePage& page : test::hostilePages(codeUnits)) pages.emplace_back(page.name, page.text);
    pages.emplace_back("plain", plainJapanesePage(codeUnits));
    pages.emplace_back("dense", densePage(codeUnits));
    pages.emplace_back("no_line_break", noLineBreakPage(codeUnits));
    return pages;
}

// What the user waits for: the page put into Text2 as "set Text2" does, the
// go button with its DrawLcd, and the window painted, Text2 included.
void showThroughWindow(Window& window, const QString& page) {
    window.form.controls().text2->setText(page);
    window.form.Command1_Click();
    QCoreApplication::processEvents();
    window.form.repaint();
}

void BM_PageThroughWindow(benchmark::State& state) {
    const auto pages = windowPages(kMiB);
    const auto& [name, page] = pages[size_t(state.range(0))];
    state.SetLabel(name.toStdString());
    Window window(QString{});
    for (auto _ : state) showThroughWindow(window, page);
    state.counters["code_units_per_s"] =
        benchmark::Counter(double(page.size()), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PageThroughWindow)->DenseRange(0, int(test::hostilePages(1).size()) + 2)->Unit(benchmark::kMillisecond);

// A character typed into the middle of Text2 on a 1 MiB page, plain (0) or
// without a line break (1), and the box painted again.
void BM_KeystrokeInText2(benchmark::State& state) {
    const QString page = state.range(0) == 0 ? plainJapanesePage(kMiB) : noLineBreakPage(kMiB);
    Window window(QString{});
    showThroughWindow(window, page);
    Text2Box* box = window.form.controls().text2;
    box->setFocus();
    box->select(int(page.size() / 2), 0);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::processEvents();
        box->viewport()->repaint();
    }
    state.counters["typed"] = double(box->text().size() - page.size());
}
BENCHMARK(BM_KeystrokeInText2)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A 16 MiB page, plain (0) or without a line break (1), through the window;
// the peak is this process's, so run it alone for a clean figure.
void BM_SixteenMiBPage(benchmark::State& state) {
    const QString page = state.range(0) == 0 ? plainJapanesePage(16 * kMiB) : noLineBreakPage(16 * kMiB);
    Window window(QString{});
    for (auto _ : state) showThroughWindow(window, page);
    state.counters["peak_resident_MiB"] = residentMiB("VmHWM:");
}
BENCHMARK(BM_SixteenMiBPage)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

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
