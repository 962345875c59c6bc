#include "Form1.h"

#include "ClientArea.h"
#include "SystemActions.h"
#include "Text2Box.h"
#include "display/LcdRenderer.h"
#include "page/ArchiveFetcher.h"
#include "windows/FileBrowser.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>
#include <utility>

namespace sumire {
namespace {

// Pages come from the archive folder when there is one, else over http.
std::unique_ptr<Fetcher> pageFetcher(const Form1Options& options) {
    if (options.archiveDir.isEmpty()) return std::make_unique<HttpFetcher>(options.fetchLimits);
    return std::make_unique<ArchiveFetcher>(options.archiveDir, options.fetchLimits.maxBytes);
}

}  // namespace

Form1::Form1(Form1Options options, SystemActions& actions, QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      actions_(actions),
      session_(slots_, pageFetcher(options_), options_.workDir),
      client_(new ClientArea),
      painter_(*client_, session_.model(), slots_),
      windows_(*this, bookmarks_) {
    createControls();
    createMenus();
    connectButtons();
    connectHistory();
    // Copy as text has a shortcut and no menu item: the menus stay as they are.
    addShortcut({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}, [this] { copyText(); });
    connectZoom();
    setStatusMessage(QString());
    connect(&bookmarks_, &BookmarkStore::bookmarksChanged, this, &Form1::refreshBookmarkMenu);
    timer1_.setInterval(kTimer1IntervalMs);
    connect(&timer1_, &QTimer::timeout, this, [this] {
        if (!requestRunning_) Timer1_Timer();  // no other handler runs during a request
    });
    if (!options_.scriptMode) timer1_.start();
}

Form1::~Form1() = default;

void Form1::addShortcut(const QList<QKeySequence>& keys, const std::function<void()>& action) {
    auto* shortcut = new QShortcut(this);
    shortcut->setKeys(keys);
    connect(shortcut, &QShortcut::activated, this, action);
}

void Form1::DrawLcd() { drawn(session_.redraw(painter_)); }

void Form1::Timer1_Timer() { drawn(session_.tick(painter_)); }

// Each pass stops Timer1 and starts it again when it met a blinking run, so
// that the next tick comes a whole interval after the drawing. A step that
// drew nothing leaves the timer as it was.
void Form1::drawn(const std::optional<LcdDrawn>& pass) {
    if (!pass) return;
    setTimer1(false);
    if (pass->blinking) setTimer1(true);
}

// Timer1 follows the state DrawLcd gives it. Under a script it never runs
// by itself; the script's tick stands in for it.
void Form1::setTimer1(bool enabled) {
    if (options_.scriptMode) return;
    if (!enabled) timer1_.stop();
    else if (!timer1_.isActive()) timer1_.start();
}

void Form1::Command1_Click() { request(true); }

void Form1::request(bool record) {
    if (requestRunning_) return;
    requestRunning_ = true;
    setStatusMessage(QString());
    RequestOutcome outcome;
    {
        // The busy cursor for the length of the request.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto busy = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        outcome = session_.request(*this, painter_, record);
    }
    requestRunning_ = false;
    drawn(outcome.drawn);
    // A failure is shown without a box, in the status line, until the next
    // request; the page shown stays, and so does its place in the history.
    if (outcome.fetchFailed) {
        setStatusMessage(tr("ページを取得できませんでした: ") + outcome.error);
    } else if (!outcome.failedAttachments.isEmpty()) {
        setStatusMessage(tr("添付ファイルを取得できませんでした: ") +
                         outcome.failedAttachments.join(QStringLiteral("; ")));
    }
    if (std::exchange(closeAfterRequest_, false)) close();
}

// In archive mode the status line always says so.
void Form1::setStatusMessage(const QString& message) {
    QString text = message;
    if (const QString archive = session_.archiveFolder(); !archive.isEmpty()) {
        const QString note = tr("アーカイブ表示: %1").arg(archive);
        text = message.isEmpty() ? note : message + QStringLiteral(" — ") + note;
    }
    c_.fetchStatus->setText(text);
}

void Form1::clearStatus() { setStatusMessage(QString()); }

QString Form1::addressText() const { return c_.text1->text(); }
void Form1::setAddressText(const QString& text) { c_.text1->setText(text); }
QString Form1::sourceText() const { return c_.text2->text(); }
void Form1::setSourceText(const QString& text) { c_.text2->setText(text); }
void Form1::setKeyText(const QString& text) { c_.text3->setText(text); }
QString Form1::senderCaption() const { return c_.label1[3]->text(); }
void Form1::setSenderCaption(const QString& text) { c_.label1[3]->setText(text); }
QString Form1::titleCaption() const { return c_.label1[6]->text(); }
void Form1::setTitleCaption(const QString& text) { c_.label1[6]->setText(text); }
void Form1::setGoEnabled(bool enabled) { c_.command[1]->setEnabled(enabled); }
bool Form1::networkMode() const { return c_.menu002->isChecked(); }

// The local file browser's folder; until the browser has been opened it
// shows the working folder.
QString Form1::browserFolder() const {
    const auto* browser = qobject_cast<const FileBrowser*>(windows_.existing(QStringLiteral("file")));
    return browser ? browser->path() : options_.workDir;
}

void Form1::setDownloadItem(int index, const QString& caption, bool enabled) {
    if (index < 0 || index >= int(c_.file001.size())) return;
    c_.file001[index]->setText(caption);
    c_.file001[index]->setEnabled(enabled);
}

}  // namespace sumire
