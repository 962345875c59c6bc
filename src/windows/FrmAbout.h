#pragma once
// The About window frmAbout: the program's title, its version, an engraved
// rule and the system-information button. OK, Enter, Esc and the close box
// enable the main window and destroy the window.

#include "windows/SecondaryWindow.h"

#include <QStringList>

namespace sumire {

class FrmAbout : public SecondaryWindow {
    Q_OBJECT
public:
    // `keys` answers the two keys that name the system-information tool.
    FrmAbout(DialogHost& host, SystemKeys keys = SystemKeys());

    // help003_Click: the main window is disabled, the window shown.
    void showAbout();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* lblVersion() const { return lblVersion_; }
    static QStringList controlNames();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();

    SystemKeys keys_;
    QPushButton* cmdOK_;
    QLabel* picIcon_;
    QPushButton* cmdSysInfo_;
    QLabel* lblDescription_;
    QLabel* lblDisclaimer_;
    QLabel* lblTitle_;
    QLabel* lblVersion_;
};

// "ﾊﾞｰｼﾞｮﾝ " and the program's version, major.minor.revision.
QString versionLine();

}  // namespace sumire
