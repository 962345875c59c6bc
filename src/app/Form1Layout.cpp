// The controls of the main window: places and sizes in twips, captions, tool
// tips, colours, fonts, initial state and tab order.

#include "ClientArea.h"
#include "Form1.h"
#include "PictureBoxes.h"
#include "Text2Box.h"
#include "WindowLook.h"
#include "art/Art.h"
#include "windows/SecondaryWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace sumire {
namespace {

// The back colour a button is painted in.
constexpr char kFaceProperty[] = "face";

QPushButton* makeButton(QWidget* parent, const QString& name, const QRect& place, const QColor& back,
                        const QString& caption = QString()) {
    auto* b = placed(new QPushButton(caption, parent), name, place);
    b->setAutoDefault(false);
    b->setFont(windowFont(9, true));
    b->setProperty(kFaceProperty, back);  // painted when the window is polished
    return b;
}

// The go and select keys: a telephone on the button.
QPushButton* makeTelephoneKey(QWidget* parent, const QString& name, const QRect& place) {
    QPushButton* b = makeButton(parent, name, place, kButtonFace);
    b->setIcon(QIcon(telephoneBitmap()));
    b->setIconSize(QSize(24, 22));
    return b;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& place, const QString& caption,
                  const QColor* back) {
    auto* l = placed(new QLabel(caption, parent), name, place);
    l->setTextFormat(Qt::PlainText);
    l->setFont(windowFont(9));
    if (back) {
        l->setAutoFillBackground(true);
        QPalette palette = l->palette();
        palette.setColor(QPalette::Window, *back);
        l->setPalette(palette);
    }
    return l;
}

QLineEdit* makeLineEdit(QWidget* parent, const QString& name, const QRect& place, double points) {
    auto* e = placed(new QLineEdit(parent), name, place);
    e->setFont(windowFont(points));
    setBoxBack(e, kWhite);
    // The address box is disabled in offline mode and still shows the page's
    // path: the style's own disabled text would vanish on its grey back.
    QPalette palette = e->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, kGrayText);
    e->setPalette(palette);
    return e;
}

QString indexed(const char* name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

}  // namespace

void Form1::createControls() {
    setWindowTitle(tr("Sumire　V1.00"));  // a full-width space in Japanese
    setWindowIcon(programIcon());
    setFont(windowFont(9));
    c_.client = client_;
    setObjectName(QStringLiteral("Form1"));
    client_->setObjectName(QStringLiteral("clientArea"));
    client_->setPicture(builtinHandsetPicture());
    setCentralWidget(client_);
    c_.fetchStatus = new QLabel;
    c_.fetchStatus->setObjectName(QStringLiteral("fetchStatus"));
    c_.fetchStatus->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(c_.fetchStatus, 1);
    statusBar()->setSizeGripEnabled(false);
    createToolbar();
    createAddressBar();
    createHandsetKeys();
    createAttachmentPanel();
    createPageInformation();
    setTabOrder();
    c_.text1->setFocus();
}

// The buttons get their look (a style sheet each) when the window is first
// polished, before it is shown: a window drawn only as its LCD is never
// shown, and reads no style sheet.
void Form1::paintButtons() {
    for (QPushButton* b : client_->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        const QVariant face = b->property(kFaceProperty);
        if (face.isValid()) paintButton(b, face.value<QColor>());
    }
}

void Form1::createToolbar() {
    QWidget* w = client_;
    auto& cmd = c_.command;
    // The icon buttons: their number, left edge in twips, face, icon and tip.
    const struct {
        int n, left;
        const QColor& face;
        const char* icon;
        int iconSize;
        const char* tip;
    } icons[] = {
        {11, 0, kCaptionText, "network", 32, QT_TR_NOOP("ネットワーク")},
        {12, 600, kCaptionText, "offline", 32, QT_TR_NOOP("オフライン")},
        {10, 1200, kCaptionText, "open", 32, QT_TR_NOOP("ファイルを開く")},
        {13, 1920, kButtonFace, "cut", 16, QT_TR_NOOP("切り取り")},
        {14, 2520, kButtonFace, "copy", 16, QT_TR_NOOP("コピー")},
        {15, 3120, kButtonFace, "paste", 16, QT_TR_NOOP("貼り付け")},
        {16, 3720, kButtonFace, "delete", 16, QT_TR_NOOP("削除")},
        {19, 6000, kOrange, "addBookmark", 32, QT_TR_NOOP("ブックマークに追加")},
        {20, 6600, kOrange, "editBookmarks", 32, QT_TR_NOOP("ブックマークの編集")},
        {21, 8880, kRed, "help", 32, QT_TR_NOOP("ヘルプ")},
    };
    for (const auto& i : icons) {
        cmd[i.n] = makeButton(w, QStringLiteral("Command%1").arg(i.n), twipsRect(i.left, 0, 615, 495), i.face);
        cmd[i.n]->setIcon(toolbarIcon(i.icon));
        cmd[i.n]->setIconSize(QSize(i.iconSize, i.iconSize));
        cmd[i.n]->setToolTip(tr(i.tip));
    }
    cmd[17] = makeButton(w, "Command17", twipsRect(4440, 0, 495, 495), kPink, QStringLiteral("←"));
    c_.label2 = makeLabel(w, "Label2", twipsRect(4920, 0, 495, 495), QStringLiteral("20"), &kPink);
    c_.label2->setFont(windowFont(20.25, true));
    c_.label2->setAlignment(Qt::AlignCenter);
    c_.label2->setFrameStyle(QFrame::Box | QFrame::Plain);
    cmd[18] = makeButton(w, "Command18", twipsRect(5400, 0, 495, 495), kPink, QStringLiteral("→"));
    // Offline-only commands start disabled (network mode).
    for (int n : {10, 13, 15, 16}) cmd[n]->setEnabled(false);
}

void Form1::createAddressBar() {
    QWidget* w = client_;
    c_.label1[0] = makeLabel(w, indexed("Label1", 0), twipsRect(3000, 600, 495, 255), tr("ｱﾄﾞﾚｽ"), nullptr);
    c_.text1 = makeLineEdit(w, "Text1", twipsRect(3600, 600, 5055, 330), 11.25);
    c_.command[1] = makeTelephoneKey(w, "Command1", twipsRect(8640, 600, 735, 375));
}

void Form1::createHandsetKeys() {
    QWidget* w = client_;
    auto& cmd = c_.command;
    c_.text3 = makeLineEdit(w, "Text3", twipsRect(360, 3120, 1215, 375), 9);
    cmd[4] = makeTelephoneKey(w, "Command4", twipsRect(1560, 3120, 855, 375));
    cmd[2] = makeButton(w, "Command2", twipsRect(1080, 3840, 615, 375), kCyan, QStringLiteral("↑"));
    cmd[8] = makeButton(w, "Command8", twipsRect(600, 3960, 495, 495), kCyan, QStringLiteral("←"));
    cmd[9] = makeButton(w, "Command9", twipsRect(1680, 3960, 495, 495), kCyan, QStringLiteral("→"));
    cmd[3] = makeButton(w, "Command3", twipsRect(1080, 4200, 615, 375), kCyan, QStringLiteral("↓"));
    // Digits laid out like a calculator: 7 8 9 / 4 5 6 / 1 2 3 / BK 0 CR.
    const int columns[3] = {360, 1080, 1800};
    for (int digit = 1; digit <= 9; ++digit) {
        const int row = 2 - (digit - 1) / 3;
        const int top = 4680 + row * 480;
        c_.command5[digit] =
            makeButton(w, indexed("Command5", digit), twipsRect(columns[(digit - 1) % 3], top, 615, 375), kCyan,
                       QString::number(digit));
    }
    c_.command5[0] = makeButton(w, indexed("Command5", 0), twipsRect(1080, 6120, 615, 375), kCyan, QStringLiteral("0"));
    cmd[6] = makeButton(w, "Command6", twipsRect(360, 6120, 615, 375), kCyan, QStringLiteral("BK"));
    cmd[7] = makeButton(w, "Command7", twipsRect(1800, 6120, 615, 375), kCyan, QStringLiteral("CR"));
}

void Form1::createAttachmentPanel() {
    QWidget* w = client_;
    c_.label1[1] = makeLabel(w, indexed("Label1", 1), twipsRect(3000, 1080, 975, 255), tr("添付ファイル"), nullptr);
    const int tops[5] = {1320, 2400, 3480, 4560, 5640};
    // Each box's place and first size (twips). Slots 10 and 11, the icons,
    // lie beyond the client area's right edge: never seen, only copied from.
    for (int k = 0; k < PictureBoxes::kCount; ++k) {
        const bool icon = k >= 10;
        const int left = icon ? 9960 : k % 2 == 0 ? 3000 : 4440;
        const int top = icon ? (k == 10 ? 1560 : 480) : tops[k / 2];
        c_.picture1[k] = slots_.addBox(k, left, top, w);
        c_.picture1[k]->setObjectName(indexed("Picture1", k));
        if (k == 2 || icon) slots_.setSize(k, 1485, 1125);
        else if (k > 0) slots_.setSize(k, 1455, 1095);
    }
}

void Form1::createPageInformation() {
    QWidget* w = client_;
    c_.label1[4] = makeLabel(w, indexed("Label1", 4), twipsRect(6120, 1080, 615, 255), tr("アドレス"), &kYellow);
    c_.label1[3] = makeLabel(w, indexed("Label1", 3), twipsRect(6840, 1080, 2535, 255), QString(), &kYellow);
    c_.label1[5] = makeLabel(w, indexed("Label1", 5), twipsRect(6120, 1320, 615, 255), tr("タイトル"), &kYellow);
    c_.label1[6] = makeLabel(w, indexed("Label1", 6), twipsRect(6840, 1320, 2535, 255), QString(), &kYellow);
    c_.label1[2] = makeLabel(w, indexed("Label1", 2), twipsRect(6120, 1680, 975, 255), tr("テキスト"), nullptr);
    c_.text2 = new Text2Box(w);
    c_.text2->setObjectName(QStringLiteral("Text2"));
    c_.text2->setGeometry(twipsRect(6120, 1920, 3255, 4815));
    c_.text2->setFont(windowFont(8.25));
    c_.text2->setReadOnly(true);
    setBoxBack(c_.text2, kLightGrey);
}

// Labels and picture boxes take no focus, so they drop out of the chain.
void Form1::setTabOrder() {
    auto& cmd = c_.command;
    client_->setFocusPolicy(Qt::StrongFocus);  // the LCD: the handset's keys go to the key box
    QList<QWidget*> order{c_.text1, cmd[1], client_, cmd[2], cmd[3], c_.text3, cmd[4]};
    for (QPushButton* digit : c_.command5) order << digit;
    order << cmd[6] << cmd[7] << cmd[8] << cmd[9] << c_.text2;
    for (int n = 10; n <= 21; ++n) order << cmd[n];
    setTabChain(order);
}

}  // namespace sumire
