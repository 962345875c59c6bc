#include "store/SecondaryWindow.h"

#include "Art.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace sumire {
namespace {

constexpr int kTwipsPerPixel = 15;
const QColor kButtonFace(212, 208, 200);

const char* kButtonStyle =
    "QPushButton { background-color: #d4d0c8; color: black; border: 2px outset #d4d0c8; padding: 0px; }"
    "QPushButton:pressed { border-style: inset; }"
    "QPushButton:focus { border: 2px outset #6f6c68; }"
    "QPushButton:disabled { color: #808080; }";

}  // namespace

QRect twipsToPixels(int left, int top, int width, int height) {
    return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel);
}

SecondaryWindow::SecondaryWindow(DialogHost& host, const QString& name, const QString& caption, QSize clientTwips)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      host_(host) {
    setObjectName(name);
    setWindowTitle(caption);
    setWindowIcon(programIcon());
    setFixedSize(twipsToPixels(0, 0, clientTwips.width(), clientTwips.height()).size());
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kButtonFace);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
}

void SecondaryWindow::showWindow() {
    if (!placed_) {
        placed_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    show();
    activateWindow();
}

void SecondaryWindow::Form_Unload() {
    host_.setMainEnabled(true);
}

void SecondaryWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
    emit unloaded();
}

QPushButton* makeDialogButton(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    // A focused button takes Enter, as on the desktop of the era.
    b->setAutoDefault(true);
    b->setStyleSheet(QString::fromLatin1(kButtonStyle));
    return b;
}

QLabel* makeDialogLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
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

QLineEdit* makeDialogTextBox(QWidget* parent, const QString& name, const QRect& twips) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()));
    setSunkenBox(e);
    return e;
}

}  // namespace sumire
