#pragma once
// Pages for the benchmarks: plain Japanese text, a page dense with tags,
// pictographs, links and colour changes, and the hostile pages.

#include <QString>
#include <utility>
#include <vector>

namespace sumire::bench {

constexpr int kMiB = 1024 * 1024;

QString plainJapanesePage(int codeUnits);
QString densePage(int codeUnits);
// Plain Japanese text without a single line break.
QString noLineBreakPage(int codeUnits);
// Name and text of each hostile page; kHostilePages of them.
constexpr int kHostilePages = 10;
std::vector<std::pair<QString, QString>> hostilePages(int codeUnits);

}  // namespace sumire::bench
