#pragma once
// `render -j N`: pages drawn by N worker processes of this program at once.
// The parent hands each idle worker the next page and its file; the worker
// draws and writes it and answers with the outcome. Outcomes are reported in
// the order of the pages, whichever worker finished first. A worker that dies
// fails the page it had, and another worker takes the pages still to do.

#include <QString>
#include <QStringList>

namespace sumire {

struct PageJob {
    QString page;
    QString file;
};

// Empty when the page was written; otherwise why not, naming the page.
using PageOutcome = QString;

class RenderReport;

// Renders the jobs with `workers` processes started as this program with
// `arguments` (the worker command line), telling `report` as they go: each
// job's outcome in the order of the jobs, the number finished whenever one
// finishes, and each line a worker prints on its standard error.
void renderInWorkers(const QStringList& arguments, const QList<PageJob>& jobs, int workers, RenderReport& report);

// A worker's job line and answer line, and back.
QByteArray jobLine(const PageJob& job);
bool readJobLine(const QByteArray& line, PageJob* job);
QByteArray outcomeLine(const PageOutcome& outcome);
PageOutcome readOutcomeLine(const QByteArray& line);

}  // namespace sumire
