#include "cli/RenderCommand.h"

#include "app/ClientArea.h"
#include "app/Form1.h"
#include "app/Text2Box.h"
#include "app/SystemActions.h"
#include "store/ProgramFiles.h"
#include "cli/RenderReport.h"
#include "page/PageFile.h"
#include "art/BoxSlots.h"
#include "art/LcdFace.h"
#include "display/DiscardingCanvas.h"
#include "display/LcdRenderer.h"
#include "display/WholePage.h"
#include "export/OutputFiles.h"
#include "export/PageNames.h"
#include "store/PageSession.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QThread>
#include <QTextStream>
#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace sumire {
namespace {

// The bottom pixel of the whole page on a client area as tall as the page.
int64_t wholePageBottom(const PageModel& model, const PictureSlots& pictures) {
    DiscardingCanvas measure;
    return std::lround(twipsToPixels(double(DrawWholePage(model, pictures, measure).lcdBottom)));
}

// The whole page painted on an area as tall as the page, then cut to the
// LCD. Null when no picture that tall can be made.
QImage drawWholePage(const PageModel& model, const BoxSlots& pictures) {
    const QRect lcd = cropRect(Crop::Lcd);
    const int64_t bottomPixel = wholePageBottom(model, pictures);
    if (bottomPixel >= INT32_MAX / 4 / (lcd.right() + 1)) return {};
    QImage tall(lcd.right() + 1, int(bottomPixel) + 1, QImage::Format_RGB32);
    if (tall.isNull()) return {};
    tall.fill(Qt::white);
    LcdImagePainter painter(tall, model, pictures);
    DrawWholePage(model, pictures, painter);
    return tall.copy(QRect(lcd.topLeft(), QPoint(lcd.right(), int(bottomPixel))));
}

RenderedPage failedPage(const QString& page, const QString& why) { return {{}, page + QStringLiteral(": ") + why, {}}; }

QImage scaled(const QImage& picture, int factor) {
    if (factor <= 1 || picture.isNull()) return picture;
    // QImage::scaled without smoothing repeats each pixel factor x factor times.
    return picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The pages read from files: never written over.
QStringList localPages(const std::vector<NamedPage>& pages) {
    QStringList local;
    for (const NamedPage& named : pages)
        if (!isNetworkAddress(named.page)) local << named.page;
    return local;
}

// Makes `folder` and its parents; false, with `error` naming it, when it cannot.
bool madeFolder(const QString& folder, QString* error) {
    if (QDir().mkpath(folder) && QFileInfo(folder).isDir()) return true;
    *error = QStringLiteral("cannot make the folder %1").arg(folder);
    return false;
}

// Each page with its picture file, in order; pages from a folder always go
// into the folder OUT. Empty when there is no page or a folder cannot be
// made (`error` says why).
QList<PageJob> plannedJobs(const RenderOptions& options, const std::vector<NamedPage>& pages, QString* error) {
    if (pages.empty()) {
        *error = "no *.txt page in " + options.pages.join(QStringLiteral(", "));
        return {};
    }
    const QString suffix = options.animate ? QStringLiteral(".webp") : QStringLiteral(".png");
    const bool fromFolder = !std::ranges::equal(pages, options.pages, {}, &NamedPage::page);
    if (pages.size() == 1 && !fromFolder) {
        const QString name = pages[0].name + suffix;
        if (options.out.isEmpty()) return {{pages[0].page, name}};
        // A folder named with a final "/" is made and holds the picture.
        const bool intoFolder = QFileInfo(options.out).isDir() || options.out.endsWith(u'/');
        const QString file = intoFolder ? QDir(options.out).filePath(name) : options.out;
        if (!QDir().mkpath(QFileInfo(file).path())) {
            *error = QStringLiteral("cannot make the folder of %1").arg(file);
            return {};
        }
        return {{pages[0].page, file}};
    }
    const QString folder = options.out.isEmpty() ? QStringLiteral(".") : options.out;
    if (!madeFolder(folder, error)) return {};
    UniqueNames taken;
    QList<PageJob> jobs;
    for (const NamedPage& named : pages) {
        const QString file = QDir(folder).filePath(taken.take(named.name, suffix));
        if (!madeFolder(QFileInfo(file).path(), error)) return {};
        jobs.append({named.page, file});
    }
    return jobs;
}

// Draws the page and writes its file: empty when written, else why not,
// naming the page.
PageOutcome renderPage(PageRenderer& renderer, const RenderOptions& options, const OutputFiles& out, const PageJob& job,
                       const std::function<void(const QString&)>& warn) {
    const PictureFormat format = pictureFormat(job.file, options.animate);
    const RenderedPage page = renderer.render(job.page, format);
    for (const QString& warning : page.warnings) warn(QStringLiteral("sumire: render: ") + warning);
    if (page.image.isNull()) return page.error.isEmpty() ? job.page + QStringLiteral(": no picture") : page.error;
    const QString why = writePicture(out, job.file, blinkFrames(page.image, page.hidden), format, kTimer1IntervalMs);
    return why.isEmpty() ? QString() : job.page + QStringLiteral(": ") + why;
}

// Starts reading the LCD's faces while the first page loads. The window
// draws a page at width 20 as it loads, then at the width asked for; the LCD
// alone is drawn at that width from the start.
void prefetchFaces(const RenderOptions& options) {
    const bool windowDrawn = !options.full && options.crop != Crop::Lcd;
    for (const int width : {windowDrawn ? 20 : options.width, options.width}) {
        const DisplayWidth& w = displayWidthOf(width);
        prefetchLcdDotFace(lcdDotSize(w.charWidth, w.lineHeight));
    }
}

WorkerJobHook jobHook = nullptr;

int workerCount(const RenderOptions& options, qsizetype pages) {
    const int jobs = options.jobs > 0 ? options.jobs : QThread::idealThreadCount();
    return int(std::min<qsizetype>(std::max(jobs, 1), pages));
}

}  // namespace

QRect cropRect(Crop crop) {
    switch (crop) {
    case Crop::Handset: return QRect(0, 0, 189, ClientArea::kHeight);
    case Crop::Lcd: return kLcdPixels;
    case Crop::Window: break;
    }
    return QRect(0, 0, ClientArea::kWidth, ClientArea::kHeight);
}

PageRenderer::PageRenderer(RenderOptions options)
    : options_(std::move(options)),
      archive_(options_.archive.isEmpty() ? std::nullopt : std::make_optional<ArchiveFetcher>(options_.archive)),
      fetcher_(archive_ ? static_cast<Fetcher&>(*archive_) : network_) {}

// The working folder of every page's window, made once: the handset
// pictures, and the attachment files of the page being drawn.
QString PageRenderer::workDir() {
    const QString dir = root_.filePath(QStringLiteral("work"));
    if (workDirMade_) return dir;
    workDirMade_ = true;
    QDir().mkpath(dir);
    const QString programDir = QCoreApplication::applicationDirPath();
    for (const char* name : kHandsetPictures)
        QFile::copy(findProgramFile(programDir, QString::fromLatin1(name)), QDir(dir).filePath(name));
    return dir;
}

RenderedPage PageRenderer::render(const QString& page, PictureFormat format) {
    if (!root_.isValid()) return failedPage(page, QStringLiteral("cannot make a temporary folder"));
    RenderedPage rendered =
        options_.full || options_.crop == Crop::Lcd ? renderLcd(page, format) : renderWindow(page, format);
    rendered.warnings = std::exchange(warnings_, {});
    return rendered;
}

// The LCD alone needs no window: the page goes through a page session of
// its own and is painted on an image as large as the LCD's corner.
RenderedPage PageRenderer::renderLcd(const QString& page, PictureFormat format) {
    BoxSlots pictures;
    PageSession session(pictures, fetcher_, workDir(), options_.width);
    const QRect lcd = cropRect(Crop::Lcd);
    QImage screen(lcd.right() + 1, lcd.bottom() + 1, QImage::Format_RGB32);
    LcdImagePainter painter(screen, session.model(), pictures);
    const PageResult outcome = session.open(page, painter);
    if (!outcome.shown()) return failedPage(page, outcome.error);
    for (const QString& failed : outcome.failedAttachments)
        warnings_ << page + QStringLiteral(": attachment ") + failed;
    for (int row = 0; row < options_.scroll; ++row)
        if (!session.scrollDown(painter)) break;  // the end of the page
    if (session.model().blinkPhase != options_.phase) session.tick(painter);
    const int64_t height = options_.full ? wholePageBottom(session.model(), pictures) - lcd.top() + 1 : lcd.height();
    const auto draw = [&] { return options_.full ? drawWholePage(session.model(), pictures) : screen.copy(lcd); };
    return drawFrames(page, lcd.width(), height, format, draw, painter.lastPass(), [&] { session.tick(painter); });
}

RenderedPage PageRenderer::renderWindow(const QString& page, PictureFormat format) {
    Form1Options formOptions;
    formOptions.workDir = workDir();
    formOptions.archiveDir = options_.archive;
    formOptions.scriptMode = true;  // Timer1 ticks only when told to
    RecordingActions recorded;      // no message box waits, nothing is started
    Form1 form(formOptions, recorded);
    form.Form_Load();
    RenderedPage rendered = drawPage(form, page, format);
    // The next page's window starts without this page's attachment files.
    // An empty path would name the current folder.
    if (const QString folder = form.session().attachments().path(); !folder.isEmpty()) QDir(folder).removeRecursively();
    return rendered;
}

RenderedPage PageRenderer::drawPage(Form1& form, const QString& page, PictureFormat format) {
    // The window is shown and active, its controls laid out as a person sees
    // them; they are painted once, into the picture, not onto the screen too.
    // A crop without controls is the LCD painter's image alone: the window is
    // not shown, and only the redraw its first showing makes is run.
    const QRect crop = cropRect(options_.crop);
    const bool controlsShown = form.controls().client->showsControls(crop);
    if (controlsShown) {
        form.setUpdatesEnabled(false);
        form.showCentred();
        QCoreApplication::processEvents();
    } else {
        form.Form_Resize();
    }
    if (const std::optional<QString> failure = loadPage(form, page)) return {{}, *failure, {}};
    applyView(form);
    if (controlsShown) {
        QCoreApplication::processEvents();  // the text box's scroll bar, as it follows the text
        form.setUpdatesEnabled(true);
    }
    const auto draw = [&] { return form.controls().client->snapshot(crop); };
    return drawFrames(page, crop.width(), crop.height(), format, draw, form.lastDrawing(),
                      [&] { form.Timer1_Timer(); });
}

// The picture, and for --animate the other blink phase after the next tick;
// refused before drawing when the picture would be too large for its file,
// and a failed allocation fails the page.
RenderedPage PageRenderer::drawFrames(const QString& page, int64_t width, int64_t height, PictureFormat format,
                                      const std::function<QImage()>& draw, const std::vector<LcdOp>& drawing,
                                      const std::function<void()>& tick) {
    const QString refusal =
        pictureSizeRefusal(width * options_.scale, height * options_.scale, options_.animate ? 2 : 1, format);
    if (!refusal.isEmpty()) return failedPage(page, refusal);
    const QString noMemory = QStringLiteral("not enough memory to draw the picture");
    const QImage picture = draw();
    if (picture.isNull()) return failedPage(page, noMemory);
    RenderedPage rendered{scaled(picture, options_.scale), {}, drawing};
    if (rendered.image.isNull()) return failedPage(page, noMemory);
    if (options_.animate) {
        tick();
        const QImage other = draw();
        if (other.isNull()) return failedPage(page, noMemory);
        const QList<QImage> frames = blinkFrames(picture, other);
        if (frames.size() > 1) rendered.hidden = scaled(frames[1], options_.scale);
        if (frames.size() > 1 && rendered.hidden.isNull()) return failedPage(page, noMemory);
    }
    return rendered;
}

// Shows the page as a person would: an address is fetched in network mode; a
// local file is opened in offline mode, its text in Text2 and its path in
// Text1, with "{BASE}" in its links replaced by the page's folder.
std::optional<QString> PageRenderer::loadPage(Form1& form, const QString& page) {
    if (!isNetworkAddress(page)) {
        const PageFileText file = readPageFile(page);
        if (!file.text) return file.error;
        form.Menu003_Click();
        form.controls().text2->setText(*file.text);
    }
    form.controls().text1->setText(page);
    form.Command1_Click();
    const RequestOutcome& outcome = form.session().lastRequest();
    if (outcome.fetchFailed) return page + QStringLiteral(": ") + outcome.error;
    // A page shown without some attachments is still drawn; they are named.
    for (const QString& failed : outcome.failedAttachments)
        warnings_ << page + QStringLiteral(": attachment ") + failed;
    return std::nullopt;
}

// Width, scroll position, handset and blink phase through the window's own
// menu items and handlers; none of them changes the phase but the tick.
void PageRenderer::applyView(Form1& form) const {
    const PageModel& model = form.session().model();
    // The item of the width shown would draw the same LCD again; a width is
    // set whole from its row, so its number of cells tells the row.
    const int item = std::max(0, displayWidthRow(options_.width));
    if (model.lineChars != kDisplayWidths[item].lineChars) form.controls().yoko[item]->trigger();
    for (int row = 0; row < options_.scroll; ++row) {
        const int64_t before = model.scrollTop;
        form.Command3_Click();
        if (model.scrollTop == before) break;  // the end of the page
    }
    if (options_.model >= 0) form.controls().phone[options_.model]->trigger();
    if (model.blinkPhase != options_.phase) form.Timer1_Timer();
}

void setWorkerJobHook(WorkerJobHook hook) { jobHook = hook; }

int runRenderWorker(const RenderOptions& options) {
    prefetchFaces(options);
    QFile in, answers;
    if (!in.open(stdin, QIODevice::ReadOnly) || !answers.open(stdout, QIODevice::WriteOnly)) return 1;
    const OutputFiles out({}, localPages(expandPages(options.pages)));
    PageRenderer renderer(options);
    PageJob job;
    for (QByteArray line = in.readLine(); readJobLine(line, &job); line = in.readLine()) {
        if (jobHook) jobHook(job);
        answers.write(outcomeLine(renderPage(renderer, options, out, job, [](const QString& line) {
            QTextStream(stderr) << line << Qt::endl;  // the parent shows it as a message
        })));
        answers.flush();
    }
    return 0;
}

int runRender(const RenderOptions& options, QTextStream& err, bool terminal) {
    const std::vector<NamedPage> pages = expandPages(options.pages);
    QString error;
    const QList<PageJob> jobs = plannedJobs(options, pages, &error);
    if (jobs.isEmpty()) {
        err << "sumire: render: " << error << Qt::endl;
        return 1;
    }
    RenderReport report(err, jobs.size(), terminal);
    const int workers = workerCount(options, jobs.size());
    if (workers > 1) {
        renderInWorkers(QStringList{kRenderWorkerCommand} + QCoreApplication::arguments().mid(2), jobs, workers,
                        report);
        return report.end();
    }
    prefetchFaces(options);
    const OutputFiles out({}, localPages(pages));
    PageRenderer renderer(options);
    for (qsizetype i = 0; i < jobs.size(); ++i) {
        const PageOutcome outcome =
            renderPage(renderer, options, out, jobs[i], [&](const QString& line) { report.message(line); });
        report.finished(i + 1);
        report.failed(outcome);
    }
    return report.end();
}

}  // namespace sumire
