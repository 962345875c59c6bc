#pragma once
// Pages for the benchmarks: plain Japanese text, a page dense with tags,
// pictographs, links and colour changes; the hostile pages are
// tests/support/HostilePages.h.

#include <QString>
#include <QStringList>

namespace sumire::bench {

constexpr int kMiB = 1024 * 1024;

QString plainJapanesePage(int codeUnits);
QString densePage(int codeUnits);
// Plain Japanese text without a single line break.
QString noLineBreakPage(int codeUnits);

// The main() of a benchmark that runs the program, off screen; `registerMore`
// registers benchmarks made at run time.
int runProgramBenchmarks(int argc, char** argv, void (*registerMore)() = nullptr);

struct Run {
    int status = -1;
    double seconds = 0, peakMiB = 0;
};

// The program (SUMIRE_PROGRAM) to its end, its standard error dropped, with
// its own peak memory.
Run runMeasured(const QStringList& arguments);

}  // namespace sumire::bench
