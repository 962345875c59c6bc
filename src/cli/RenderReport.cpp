#include "cli/RenderReport.h"

#include <QTextStream>
#include <cmath>

namespace sumire {
namespace {

constexpr int kBarCells = 10;

// "12 s", "3 min", "2 h 5 min": rounded up, so the last pages never show 0.
QString timeLeft(double seconds) {
    const qint64 s = qint64(std::ceil(seconds));
    if (s < 60) return QStringLiteral("%1 s").arg(s);
    const qint64 minutes = (s + 59) / 60;
    if (minutes < 100) return QStringLiteral("%1 min").arg(minutes);
    return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

// Below ten a second, one decimal: pages fetched from a slow site still show a rate.
QString rate(double speed) { return QString::number(speed, 'f', speed < 9.95 ? 1 : 0); }

QString pages(qsizetype count) { return count == 1 ? QStringLiteral("1 page") : QStringLiteral("%1 pages").arg(count); }

}  // namespace

QString renderProgressText(qsizetype done, qsizetype total, double seconds) {
    const int cells = total > 0 ? int(done * kBarCells / total) : 0;
    QString text = QStringLiteral("sumire: render: [%1%2] %3/%4")
                       .arg(QString(cells, u'#'), QString(kBarCells - cells, u'.'))
                       .arg(done)
                       .arg(total);
    if (done == 0) return text;
    const double speed = perSecond(done, seconds);
    text += QStringLiteral(", %1 pages/s").arg(rate(speed));
    if (done < total) text += QStringLiteral(", %1 left").arg(timeLeft(double(total - done) / speed));
    return text;
}

QString renderSummaryText(qsizetype written, qsizetype failed, double seconds) {
    return QStringLiteral("sumire: render: %1 written, %2 failed, %3 s")
        .arg(pages(written))
        .arg(failed)
        .arg(seconds, 0, 'f', 1);
}

RenderReport::RenderReport(QTextStream& err, qsizetype pages, bool terminal)
    : err_(err), line_(err), pages_(pages), bar_(terminal && pages > 1) {
    clock_.start();
    if (bar_) draw();
}

void RenderReport::draw() { line_.show(renderProgressText(done_, pages_, seconds())); }

void RenderReport::failed(const QString& why) {
    if (why.isEmpty()) return;
    ++failed_;
    message(QStringLiteral("sumire: render: ") + why);
}

void RenderReport::message(const QString& line) {
    if (said_.contains(line)) return;
    said_.insert(line);
    line_.clear();
    err_ << line << Qt::endl;
    if (bar_) draw();
}

void RenderReport::finished(qsizetype done) {
    done_ = done;
    if (bar_) draw();
}

// A single page on a terminal is quiet when written, as on a pipe: its file
// and the exit status say all.
int RenderReport::end() {
    line_.clear();
    if (bar_ || failed_ > 0) err_ << renderSummaryText(pages_ - failed_, failed_, seconds()) << Qt::endl;
    return failed_ > 0 ? 1 : 0;
}

}  // namespace sumire
