#include "text/ProgressLine.h"

#include <QTextStream>
#include <algorithm>
#include <unistd.h>

namespace sumire {

bool standardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

double perSecond(qint64 done, double seconds) { return double(done) / std::max(seconds, 1e-3); }

void ProgressLine::show(const QString& text) {
    out_ << '\r' << text;
    if (text.size() < width_) out_ << QString(width_ - text.size(), u' ');
    out_.flush();
    width_ = std::max(width_, text.size());
}

void ProgressLine::clear() {
    if (!shown()) return;
    out_ << '\r' << QString(width_, u' ') << '\r';
    out_.flush();
    width_ = 0;
}

void ProgressLine::end() {
    if (!shown()) return;
    out_ << Qt::endl;
    width_ = 0;
}

}  // namespace sumire
