#pragma once
// `sumire render`: each page is shown as the window would show it (offline
// for a local file, fetched for an address) and written as PNG. The LCD alone
// (and --full) goes through a page session of its own and the window's LCD
// painter, with no window; the window and handset crops are painted by a real
// main window, off screen. Nothing of the user's is read or touched: each
// page starts afresh; the working folder is temporary, and a render process
// keeps its settings apart.

#include "art/LcdImagePainter.h"
#include "page/ArchiveFetcher.h"
#include "page/HttpFetcher.h"
#include "cli/PictureFile.h"
#include "cli/CommandLine.h"
#include "cli/RenderWorkers.h"
#include "text/Interruption.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <optional>
#include <vector>

class QTextStream;

namespace sumire {

class Form1;

// The part of the client area a crop keeps: the whole area (634 x 457), the
// handset picture (189 x 458 at the origin, cut to the area's height) or the
// LCD's box (kLcdPixels).
QRect cropRect(Crop crop);

struct RenderedPage {
    QImage image;                // null when the page could not be shown
    QString error;               // why not, naming the page
    std::vector<LcdOp> drawing;  // the operations of the last DrawLcd pass
    QImage hidden = {};          // --animate: the blinking run hidden; null when none shows
    QStringList warnings = {};   // each attachment the page was drawn without, naming the page
};

class PageRenderer {
public:
    explicit PageRenderer(RenderOptions options);
    // The page's picture, for a file of `format`; refused before drawing
    // when that picture would be too large for it.
    RenderedPage render(const QString& page, PictureFormat format = PictureFormat::Png);

private:
    QString workDir();
    RenderedPage renderLcd(const QString& page, PictureFormat format);
    RenderedPage renderWindow(const QString& page, PictureFormat format);
    RenderedPage drawPage(Form1& form, const QString& page, PictureFormat format);
    RenderedPage drawFrames(const QString& page, int64_t width, int64_t height, PictureFormat format,
                            const std::function<QImage()>& draw, const std::vector<LcdOp>& drawing,
                            const std::function<void()>& tick);
    std::optional<QString> loadPage(Form1& form, const QString& page);
    void applyView(Form1& form) const;

    RenderOptions options_;
    HttpFetcher network_;
    std::optional<ArchiveFetcher> archive_;  // with --archive
    Fetcher& fetcher_;                       // one of the two
    QTemporaryDir root_;
    RemovedOnInterrupt rootRemoved_{root_.path()};
    bool workDirMade_ = false;
    QStringList warnings_;  // of the page being drawn
};

// A worker of `render -j N`: a job a line on standard input, an answer a line
// on standard output, until the input ends.
int runRenderWorker(const RenderOptions& options);
// Called by a worker before it draws each job. The program sets none; a test
// program sets one that makes a worker die on a page.
using WorkerJobHook = void (*)(const PageJob& job);
void setWorkerJobHook(WorkerJobHook hook);

// Renders every page and writes its picture; reports each page that fails on
// `err`, with a progress bar and a summary when `err` is a terminal (see
// RenderReport.h). Returns 0 when every page was written, 1 otherwise.
int runRender(const RenderOptions& options, QTextStream& err, bool terminal = false);

}  // namespace sumire
