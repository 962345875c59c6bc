// Zooming the whole window with Ctrl+Plus, Ctrl+Minus and Ctrl+0. The scale
// factor is the application's, fixed at start, so a new zoom starts the
// window again and hands it what it showed: the page, the display width, the
// scroll position, the mode and the history.

#include "Form1.h"

#include "SystemActions.h"
#include "ViewSession.h"
#include "Zoom.h"
#include "windows/FileBrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryFile>

namespace sumire {

void Form1::connectZoom() {
    addShortcut({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                [this] { changeZoom(zoom() + 1); });
    addShortcut({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { changeZoom(std::max(zoom() - 1, kMinZoom)); });
    addShortcut({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { changeZoom(0); });
}

int Form1::zoom() const { return std::clamp(qRound(devicePixelRatioF()), kMinZoom, kMaxZoom); }

// 0 goes back to the desktop's own scale factor, when another was asked for.
void Form1::changeZoom(int newZoom) {
    if (requestRunning_ || !isEnabled() || ended_) return;
    if (newZoom != 0) newZoom = std::clamp(newZoom, kMinZoom, kMaxZoom);
    if (newZoom == 0 ? options_.zoom == 0 : newZoom == zoom()) return;  // as it is
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/sumire-view-XXXXXX.json"));
    file.setAutoRemove(false);
    if (!file.open() || !writeViewSession(viewSession(), file.fileName())) {
        setStatusMessage(tr("表示倍率を変えられませんでした: %1").arg(file.errorString()));
        return;
    }
    writeZoomSetting(newZoom);
    QStringList arguments{QStringLiteral("--workdir"), options_.workDir};
    if (!options_.archiveDir.isEmpty()) arguments << QStringLiteral("--archive") << options_.archiveDir;
    if (!options_.demoAddress.isEmpty()) arguments << QStringLiteral("--demo");
    if (newZoom != 0) arguments << QStringLiteral("--zoom") << QString::number(newZoom);
    arguments << QStringLiteral("--restore") << file.fileName();
    restoreScaleEnvironment();
    // Under a script the start is recorded and this window goes on.
    if (!options_.scriptMode) Menu001_Click();
    actions_.startProgram({QCoreApplication::applicationFilePath(), arguments});
}

ViewSession Form1::viewSession() const {
    ViewSession s;
    s.network = networkMode();
    s.address = addressText();
    s.source = networkMode() ? QString() : sourceText();
    s.browserFolder = browserFolder();
    s.lineChars = session_.model().lineChars;
    s.scrollTop = session_.model().scrollTop;
    s.history = session_.history().entries();
    s.historyCurrent = session_.history().current();
    s.demoAddress = options_.demoAddress;
    return s;
}

// The window as the session left it. The page is requested again (an
// offline page is scanned from its text), then scrolled where it was.
void Form1::restoreView(ViewSession s) {
    if (!s.demoAddress.isEmpty() && !options_.demoAddress.isEmpty()) s.moveDemo(options_.demoAddress);
    showWidth(session_.setDisplayWidth(s.lineChars, painter_));
    if (s.network != networkMode()) s.network ? Menu002_Click() : Menu003_Click();
    if (!s.network) {
        windows_.browser().chooseFolder(s.browserFolder);
        setSourceText(s.source);
    }
    setAddressText(s.address);
    if (!s.address.isEmpty() || !s.source.isEmpty()) request(false);
    drawn(session_.scrollTo(s.scrollTop, painter_));
    session_.restoreHistory(s.history, s.historyCurrent);
}

}  // namespace sumire
