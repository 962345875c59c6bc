#pragma once
// What `render` tells the person running it, on standard error. Each failing
// page is named on a row of its own. On a terminal, with more than one page,
// a bar of the pages finished is drawn in place as they finish, and one
// summary line ends the run. Elsewhere (a pipe, a log file) a run that
// writes every page prints nothing, and one with failures ends with the
// summary line.

#include "text/ProgressLine.h"

#include <QElapsedTimer>
#include <QSet>
#include <QString>

class QTextStream;

namespace sumire {

// "sumire: render: [####......] 40/100, 85 pages/s, 1 s left"; only the
// count before the first page has finished, no time left after the last.
QString renderProgressText(qsizetype done, qsizetype total, double seconds);

// "sumire: render: 98 pages written, 2 failed, 1.4 s".
QString renderSummaryText(qsizetype written, qsizetype failed, double seconds);

class RenderReport {
public:
    RenderReport(QTextStream& err, qsizetype pages, bool terminal);

    // A page that was not written, `why` naming it; nothing when empty.
    void failed(const QString& why);
    // A line of another part of the program (a worker's warning), as it is;
    // a line that every worker says about the system is passed on once.
    void message(const QString& line);
    // `done` pages have finished, written or not.
    void finished(qsizetype done);
    // The summary, when it is due; returns the exit status.
    int end();

private:
    void draw();
    double seconds() const { return double(clock_.nsecsElapsed()) / 1e9; }

    QTextStream& err_;
    ProgressLine line_;
    QElapsedTimer clock_;
    const qsizetype pages_;
    const bool bar_;
    qsizetype done_ = 0, failed_ = 0;
    QSet<QString> said_;  // the messages passed on
};

}  // namespace sumire
