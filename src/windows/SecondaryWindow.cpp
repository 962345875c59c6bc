#include "windows/SecondaryWindow.h"

#include "art/Art.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace sumire {
namespace {

const QColor kButtonFace(212, 208, 200);

// Raised buttons, sunken white boxes and navy selections, as the dialogs of
// the era drew them.
const char* kClassicStyle =
    "QPushButton { background-color: #d4d0c8; color: black; padding: 0px; border-style: solid;"
    "  border-width: 2px; border-color: #ffffff #404040 #404040 #ffffff; }"
    "QPushButton:focus { border-color: #ffffff #000000 #000000 #ffffff; }"
    "QPushButton:pressed { border-color: #404040 #ffffff #ffffff #404040; }"
    "QPushButton:disabled { color: #808080; }"
    "QLineEdit, QListWidget, QTreeWidget { background-color: white; color: black; border-style: solid;"
    "  border-width: 2px; border-color: #808080 #ffffff #ffffff #808080;"
    "  selection-background-color: #000080; selection-color: white; }"
    "QTreeView::branch { image: none; }";

}  // namespace

SecondaryWindow::SecondaryWindow(DialogHost& host, const QString& name, const QString& caption, QSize clientTwips)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      host_(host) {
    setObjectName(name);
    setWindowTitle(caption);
    setWindowIcon(programIcon());
    setFixedSize(twipsRect(0, 0, clientTwips.width(), clientTwips.height()).size());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kButtonFace);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    setStyleSheet(QString::fromLatin1(kClassicStyle));
}

void SecondaryWindow::showWindow() {
    if (!placed_) {
        placed_ = true;
        centreOnScreen(this, QGuiApplication::primaryScreen());
    }
    show();
    activateWindow();
}

void SecondaryWindow::Form_Unload() { host_.setMainEnabled(true); }

void SecondaryWindow::dismiss() {
    host_.setMainEnabled(true);
    hide();
}

void SecondaryWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
    emit unloaded();
}

void centreOnScreen(QWidget* window, const QScreen* screen) {
    if (!screen) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

QPushButton* makeDialogButton(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    auto* b =
        placed(new QPushButton(caption, parent), name, twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    // A focused button takes Enter, as on the desktop of the era.
    b->setAutoDefault(true);
    return b;
}

QLabel* makeDialogLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    auto* l = placed(new QLabel(caption, parent), name, twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

void setSunkenBox(QWidget* box) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

void setTabChain(const QList<QWidget*>& order) {
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

QStringList itemTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

QLineEdit* makeDialogTextBox(QWidget* parent, const QString& name, const QRect& twips) {
    auto* e = placed(new QLineEdit(parent), name, twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    setSunkenBox(e);
    return e;
}

}  // namespace sumire
