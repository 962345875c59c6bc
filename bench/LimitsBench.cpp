// The bounds every command keeps on a page of any kind up to 16 MiB (the
// largest a page file may be): `sumire render` with each option and `sumire
// export` finish in under 30 s with a peak of at most 1 GiB, whether they
// write the picture or refuse it with its limit. Each run is one process;
// peak_MiB is its peak resident memory, an upper bound: a child started
// with posix_spawn starts from this process's own high-water mark, which the
// hostile pages raise to about 430 MiB. within_goal is 1 when both hold.
// SUMIRE_BENCH_PAGE_MIB sets a smaller page size.

#include "PageInputs.h"
#include "support/HostilePages.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <functional>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace sumire::bench {
namespace {

int pageBytes() {
    const int mib = qEnvironmentVariableIntValue("SUMIRE_BENCH_PAGE_MIB");
    return (mib > 0 ? mib : 16) * kMiB;
}

QByteArray repeated(const QByteArray& unit, int bytes) { return unit.repeated(bytes / unit.size()); }

// The pages: the kinds that cost most per byte, then the hostile ones. Each
// is made only when its run starts, so that this process stays small: a
// child's peak counts this process's size at the start.
using PageMaker = std::function<QByteArray()>;

std::vector<std::pair<QString, PageMaker>> pages() {
    std::vector<std::pair<QString, PageMaker>> all{
        {"one_pictograph", [] { return repeated("<#HEART>", pageBytes()); }},
        {"short_lines", [] { return repeated("a\r\n", pageBytes()); }},
        {"one_character", [] { return repeated("a", pageBytes()); }},
        {"blinking_colours", [] { return repeated("<BL><C=FF0000>a</C></BL>\r\n", pageBytes()); }},
        {"no_line_break", [] { return noLineBreakPage(pageBytes() / 3).toUtf8().left(pageBytes()); }},
    };
    const std::vector<test::HostilePage> hostile = test::hostilePages(1);
    for (size_t i = 0; i < hostile.size(); ++i)
        all.push_back(
            {hostile[i].name, [i] { return test::hostilePages(pageBytes())[i].text.toUtf8().left(pageBytes()); }});
    return all;
}

const std::vector<std::pair<const char*, QStringList>> kCommands{
    {"render", {"render", "PAGE", "-o", "OUT/page.png"}},
    {"render_lcd_scale8", {"render", "PAGE", "--crop", "lcd", "--scale", "8", "-o", "OUT/page.png"}},
    {"render_full", {"render", "PAGE", "--full", "-o", "OUT/page.png"}},
    {"render_full_scale8", {"render", "PAGE", "--full", "--scale", "8", "-o", "OUT/page.png"}},
    {"render_animate", {"render", "PAGE", "--animate", "-o", "OUT/page.webp"}},
    {"render_full_animate", {"render", "PAGE", "--full", "--animate", "-o", "OUT/page.webp"}},
    {"render_j2", {"render", "PAGE", "PAGE", "-j", "2", "--full", "-o", "OUT"}},
    {"export", {"export", "PAGE", "-o", "OUT"}},
    {"export_text", {"export", "PAGE", "--text", "-o", "OUT"}},
};

// The page is made, written and freed, and the freed memory handed back.
bool writePage(const QString& file, const PageMaker& make) {
    bool written = false;
    {
        const QByteArray text = make();
        QFile page(file);
        written = page.open(QIODevice::WriteOnly) && page.write(text) == text.size();
    }
    malloc_trim(0);
    return written;
}

void BM_PageThroughCommand(benchmark::State& state, const QString& name, const PageMaker& make,
                           const QStringList& command) {
    QTemporaryDir dir;
    QFile page(dir.filePath(name + ".txt"));
    if (!writePage(page.fileName(), make)) return state.SkipWithError("no page");
    QStringList arguments = command;
    arguments.replaceInStrings("PAGE", page.fileName()).replaceInStrings("OUT", dir.filePath("out"));
    QDir().mkpath(dir.filePath("out"));
    Run run;
    for (auto _ : state) {
        run = runMeasured(arguments);
        state.SetIterationTime(run.seconds);
    }
    state.counters["peak_MiB"] = run.peakMiB;
    state.counters["exit"] = run.status;
    state.counters["within_goal"] = run.status <= 1 && run.seconds < 30 && run.peakMiB <= 1024;
}

void registerAll() {
    for (const auto& [name, make] : pages())
        for (const auto& [command, arguments] : kCommands)
            benchmark::RegisterBenchmark((QString::fromLatin1(command) + u'/' + name).toStdString().c_str(),
                                         BM_PageThroughCommand, name, make, arguments)
                ->UseManualTime()
                ->Iterations(1)
                ->Unit(benchmark::kSecond);
}

}  // namespace
}  // namespace sumire::bench

int main(int argc, char** argv) { return sumire::bench::runProgramBenchmarks(argc, argv, sumire::bench::registerAll); }
