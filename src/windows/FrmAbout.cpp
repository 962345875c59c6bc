#include "windows/FrmAbout.h"

#include "art/Art.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace sumire {

QString versionLine() {
    return FrmAbout::tr("ﾊﾞｰｼﾞｮﾝ %1.%2.%3")
        .arg(SUMIRE_VERSION_MAJOR)
        .arg(SUMIRE_VERSION_MINOR)
        .arg(SUMIRE_VERSION_REVISION);
}

FrmAbout::FrmAbout(DialogHost& host, SystemKeys keys)
    : SecondaryWindow(host, QStringLiteral("frmAbout"), tr("ﾊﾞｰｼﾞｮﾝ情報"), QSize(5730, 3555)), keys_(std::move(keys)) {
    // Created in the tab order.
    cmdOK_ = makeDialogButton(this, "cmdOK", QStringLiteral("OK"), {4245, 2625, 1380, 345});
    picIcon_ = makeDialogLabel(this, "picIcon", QString(), {240, 240, 540, 540});
    picIcon_->setPixmap(programIcon().pixmap(32, 32));
    cmdSysInfo_ = makeDialogButton(this, "cmdSysInfo", tr("ｼｽﾃﾑ情報(&S)..."), {4260, 3075, 1380, 345});
    lblDescription_ = makeDialogLabel(this, "lblDescription", tr("ｱﾌﾟﾘｹｰｼｮﾝの説明"), {1050, 1125, 3885, 1170});
    lblDisclaimer_ = makeDialogLabel(this, "lblDisclaimer", tr("警告: ..."), {255, 2625, 3870, 825});
    lblTitle_ = makeDialogLabel(this, "lblTitle", QString(), {1050, 240, 3885, 480});
    lblVersion_ = makeDialogLabel(this, "lblVersion", QString(), {1050, 780, 3885, 225});
    for (QLabel* label : {lblDescription_, lblDisclaimer_}) label->setWordWrap(true);
    setTabOrder(cmdOK_, cmdSysInfo_);
    connect(cmdOK_, &QPushButton::clicked, this, &FrmAbout::cmdOK_Click);
    connect(cmdSysInfo_, &QPushButton::clicked, this, &FrmAbout::cmdSysInfo_Click);
    Form_Load();
}

QStringList FrmAbout::controlNames() {
    return {"cmdOK", "picIcon", "cmdSysInfo", "lblDescription", "lblDisclaimer", "lblTitle", "lblVersion"};
}

void FrmAbout::Form_Load() {
    const QString title = QString::fromLatin1(kApplicationTitle);
    setWindowTitle(tr("%1のﾊﾞｰｼﾞｮﾝ情報").arg(title));
    lblVersion_->setText(versionLine());
    lblTitle_->setText(title);
}

void FrmAbout::showAbout() {
    host_.setMainEnabled(false);
    showWindow();
    cmdOK_->setFocus();
}

void FrmAbout::cmdOK_Click() {
    host_.setMainEnabled(true);
    close();
}

void FrmAbout::cmdSysInfo_Click() { StartSysInfo(); }

void FrmAbout::StartSysInfo() {
    if (const auto program = systemInfoProgram(keys_)) host_.startProgram(ProgramStart{*program, {}});
    else host_.tellUser(this, tr(kNoSystemInfo));
}

// The engraved rule: a grey line over a white one, two pixels high.
void FrmAbout::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect white = twipsRect(105, 2460, 5654 - 105, 30);
    painter.fillRect(QRect(white.left(), white.top(), white.width(), 2), Qt::white);
    const QRect grey = twipsRect(90, 2445, 5654 - 90, 15);
    painter.fillRect(QRect(grey.left(), grey.top(), grey.width(), 1), QColor(128, 128, 128));
}

// cmdOK is the default and the cancel button: Enter and Esc press it, unless
// Enter goes to the system-information button that has the focus.
void FrmAbout::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter: cmdOK_->click(); return;
    default: SecondaryWindow::keyPressEvent(event);
    }
}

}  // namespace sumire
