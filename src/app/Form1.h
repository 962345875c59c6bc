#pragma once
// The main window Form1: a handset picture whose LCD shows the page, with a
// toolbar, address bar, keypad, attachment pictures, page information, the
// page's raw text and the menu bar. The window holds the controls and the one
// page model; the page engine does the work. Handlers carry the names the
// window gives its events.

#include "ClientArea.h"
#include "Form1Controls.h"
#include "LcdPainter.h"
#include "PictureBoxes.h"
#include "SecondaryWindows.h"
#include "ViewSession.h"
#include "display/LcdRenderer.h"
#include "page/HttpFetcher.h"
#include "page/PageRequest.h"
#include "page/RequestHost.h"
#include "store/BookmarkStore.h"
#include "store/PageSession.h"

#include <QMainWindow>
#include <QTimer>
#include <QVariant>
#include <functional>
#include <memory>

class QKeyEvent;

namespace sumire {


class SystemActions;

// Timer1 ticks once a second; each tick changes the blink phase.
inline constexpr int kTimer1IntervalMs = 1000;

struct Form1Options {
    QString workDir;          // absolute; bookmark.txt, download/, pictures
    bool scriptMode = false;  // Timer1 then ticks only when told to
    FetchLimits fetchLimits;
    QString archiveDir;   // absolute; every http address is answered from it
    QString demoAddress;  // "http://127.0.0.1:PORT" of the demo's server, when it runs
    int zoom = 0;         // the zoom asked for, 1 to 4; 0: the desktop's scale factor
};

// The window is the request's host: its controls are what a request reads
// and writes; nothing outside the window writes them through it.
class Form1 : public QMainWindow, private RequestHost {
    Q_OBJECT
public:
    Form1(Form1Options options, SystemActions& actions, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up, redraw on resize, shutdown (StartupShutdown.cpp).
    void Form_Load();
    void Form_Resize();
    void Menu001_Click();
    void showCentred();
    bool ended() const { return ended_; }

    // The page request, the keypad, scrolling and the offline mode: what the
    // command line and the tests drive without clicking.
    void Command1_Click();
    void Command4_Click();
    void Command5_Click(int index);
    void Command2_Click();
    void Command3_Click();
    void Menu003_Click();
    // Handset models (HandsetModels.cpp).
    void Phone000_Click();
    void Phone001_Click();
    void Phone002_Click();
    // Bookmark dialogs, the file browser and About (Form1Windows.cpp).
    void book3_Click();
    void book4_Click();
    void Command10_Click();
    void help003_Click();
    void Timer1_Timer();

    // Opening a page from the command line or by dropping it, and going back
    // through the pages shown (Form1Pages.cpp).
    void openPage(const QString& page);  // a local file or an http(s) address
    void historyBack();
    // "Copy as text" (Ctrl+Shift+C): the page as the LCD reads, its lines
    // broken where the LCD breaks them and pictographs as their Unicode
    // equivalents, onto the clipboard.
    void copyText();

    // The zoom, 1 to 4, and the window restored after a rebuild (Form1Zoom.cpp).
    int zoom() const;
    void restoreView(ViewSession session);

    // State, for the automation dump and the tests: the page, its links,
    // attachments, history, last request and drawing are the session's.
    const PageSession& session() const { return session_; }
    const Form1Controls& controls() const { return c_; }
    QVariant phoneModel() const { return phoneModel_; }
    QString pictureName() const { return pictureName_; }  // "builtin" or the file name
    const QTimer& timer1() const { return timer1_; }
    const std::vector<LcdOp>& lastDrawing() const { return painter_.lastPass(); }
    const BookmarkStore& bookmarks() const { return bookmarks_; }
    QString workDir() const { return options_.workDir; }
    QString browserFolder() const override;
    void clearStatus();  // a new page's text is shown
    SystemActions& actions() { return actions_; }
    const SecondaryWindows& windows() const { return windows_; }
    SecondaryWindows& windows() { return windows_; }

signals:
    // The shutdown sequence has run; the program ends.
    void programEnded();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The handlers only the window's own controls call.
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command17_Click();
    void Command18_Click();
    void Yoko001_Click();
    void Yoko002_Click();
    void Yoko003_Click();
    void Yoko004_Click();
    void Yoko005_Click();
    void Yoko006_Click();
    void Menu002_Click();
    void Menu005_Click();
    void Menu006_Click();
    void Menu007_Click();
    void Menu008_Click();
    void choosePhone(int model);
    bool SelectHandsetPicture();
    void book000_Click(int index);
    void File001_Click(int index);
    void file002_Click();
    QString downloadFolder() const;  // the working folder's "download"
    void Menu10_Click();
    void help001_Click();
    void DrawLcd();
    // The request of Command1_Click; `record` adds the page to the history,
    // which going back or forward does not.
    void request(bool record);
    void historyForward();
    void changeZoom(int zoom);  // 0: as the desktop's scale factor
    ViewSession viewSession() const;

    // RequestHost: the controls a page request reads and writes.
    QString addressText() const override;
    void setAddressText(const QString& text) override;
    QString sourceText() const override;
    void setSourceText(const QString& text) override;
    void setKeyText(const QString& text) override;
    QString senderCaption() const override;
    void setSenderCaption(const QString& text) override;
    QString titleCaption() const override;
    void setTitleCaption(const QString& text) override;
    void setGoEnabled(bool enabled) override;
    bool networkMode() const override;
    void setDownloadItem(int index, const QString& caption, bool enabled) override;

    // Form1Layout.cpp, Form1Menus.cpp
    void createControls();
    void createToolbar();
    void createAddressBar();
    void createHandsetKeys();
    void createAttachmentPanel();
    void createPageInformation();
    void setTabOrder();
    void createMenus();
    void createMainMenu();
    void createHandsetMenu();
    void createBookmarkMenu();
    void createDownloadMenu();
    void createHelpMenu();
    void connectButtons();
    void paintButtons();
    void refreshBookmarkMenu();

    void setDisplayWidth(int row);  // a row of kDisplayWidths
    void drawn(const std::optional<LcdDrawn>& pass);
    void showWidth(const std::optional<LcdDrawn>& pass);
    void setTimer1(bool enabled);
    bool loadHandsetPicture(const QString& fileName);
    void setStatusMessage(const QString& message);
    void openFile(const QString& path);
    void addShortcut(const QList<QKeySequence>& keys, const std::function<void()>& action);
    void connectHistory();
    void connectZoom();
    bool revisit(const HistoryEntry& entry);
    // The keyboard (Form1Keys.cpp).
    bool onHandset(const QWidget* w) const;
    bool handsetKey(QKeyEvent* key);
    void readBookmarks();

    Form1Options options_;
    SystemActions& actions_;
    Form1Controls c_;
    PictureBoxes slots_;
    PageSession session_;  // the page, its links and attachments, the fetcher, the history
    ClientArea* client_;   // the central widget, owned by the window
    LcdPainter painter_;
    BookmarkStore bookmarks_;
    QTimer timer1_;
    QVariant phoneModel_ = QString();
    QString pictureName_ = QStringLiteral("builtin");
    bool requestRunning_ = false;
    bool closeAfterRequest_ = false;  // the close box was pressed during a request
    bool shownOnce_ = false;
    bool ended_ = false;
    SecondaryWindows windows_;  // after the bookmark store they use
};

}  // namespace sumire
