// Opening a page as a desktop viewer does: a file or an address given on the
// command line or dropped onto the window, and going back and forward through
// the pages shown with Alt+Left, Alt+Right and the mouse's side buttons.

#include "Form1.h"

#include "windows/FileBrowser.h"
#include "page/PageFile.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

namespace sumire {
namespace {

// The page a drop carries: the first local file or http(s) address among its
// addresses, else a text that is an address or an absolute path.
QString droppedPage(const QMimeData* data) {
    if (!data) return {};
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) return url.toLocalFile();
        if (isNetworkAddress(url.toString())) return url.toString();
    }
    const QString text = data->text().section(u'\n', 0, 0).trimmed();
    if (isNetworkAddress(text) || QDir::isAbsolutePath(text)) return text;
    return {};
}

QString localPath(const QString& page) {
    const QString path = page.startsWith(QLatin1String("file:"), Qt::CaseInsensitive) ? QUrl(page).toLocalFile() : page;
    return path.isEmpty() ? path : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

// An address is requested in network mode; a file is opened as the file
// browser opens one. A file that cannot be read changes nothing but the
// status line.
void Form1::openPage(const QString& page) {
    if (requestRunning_) return;
    if (!isNetworkAddress(page)) {
        openFile(localPath(page));
        return;
    }
    if (!networkMode()) Menu002_Click();
    setAddressText(page);
    Command1_Click();
}

// As if chosen in the file browser and loaded with its O.K: the browser then
// shows the file's folder, from which offline pictures are taken.
void Form1::openFile(const QString& path) {
    const PageFileText loaded = readPageFile(path);
    if (!loaded.text) {
        setStatusMessage(tr("ページを開けませんでした: %1").arg(loaded.error));
        return;
    }
    if (networkMode()) Menu003_Click();
    FileBrowser& browser = windows_.browser();
    browser.chooseFolder(QFileInfo(path).absolutePath());
    browser.Text1()->setText(path);
    setSourceText(*loaded.text);
    setAddressText(path);
    Command1_Click();
}

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (!requestRunning_ && !droppedPage(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

// The page opens once the drop has ended, so the program it came from does
// not wait for the fetch.
void Form1::dropEvent(QDropEvent* event) {
    const QString page = droppedPage(event->mimeData());
    if (page.isEmpty()) return;
    event->acceptProposedAction();
    QMetaObject::invokeMethod(
        this, [this, page] { openPage(page); }, Qt::QueuedConnection);
}

// --- Back and forward ----------------------------------------------------------

void Form1::connectHistory() {
    setAcceptDrops(true);
    addShortcut({QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Back)}, [this] { historyBack(); });
    addShortcut({QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::Key_Forward)}, [this] { historyForward(); });
    // The side buttons act wherever on the window they are pressed, over a
    // text box too, which would take the press for itself.
    qApp->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // A key press is seen here once, on its way to the focused control.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() && isEnabled() &&
        static_cast<QWidget*>(watched)->window() == this && (watched == QApplication::focusWidget() || watched == this))
        return handsetKey(static_cast<QKeyEvent*>(event)) || QMainWindow::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == this) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::BackButton || button == Qt::ForwardButton) {
            if (button == Qt::BackButton) historyBack();
            else historyForward();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::historyBack() {
    if (requestRunning_ || !isEnabled()) return;
    const std::optional<HistoryEntry> entry = session_.back();
    if (entry && !revisit(*entry)) session_.forward();  // the page shown is still the current entry
}

void Form1::historyForward() {
    if (requestRunning_ || !isEnabled()) return;
    const std::optional<HistoryEntry> entry = session_.forward();
    if (entry && !revisit(*entry)) session_.back();
}

// A page of network or archive mode is requested again; an offline page is
// shown with the text it had, in offline mode. False when the page could not
// be fetched again.
bool Form1::revisit(const HistoryEntry& entry) {
    if (entry.network && !networkMode()) Menu002_Click();
    if (!entry.network) {
        if (networkMode()) Menu003_Click();
        setSourceText(entry.source);
    }
    setAddressText(entry.address);
    request(false);
    return !session_.lastRequest().fetchFailed;
}

}  // namespace sumire
