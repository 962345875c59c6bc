#pragma once
// The frame shared by the secondary windows: a fixed-size dialog window with
// the program icon, placed in twips, centred on the screen when first shown,
// in the classic grey of the era. Closing it with the close box runs its
// Form_Unload and asks its owner to destroy it.

#include "display/Twips.h"
#include "windows/DialogHost.h"

#include <QRect>
#include <QSize>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScreen;

namespace sumire {

class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    // `name` is the window's name (Form2, Form3, file, frmAbout).
    SecondaryWindow(DialogHost& host, const QString& name, const QString& caption, QSize clientTwips);

    // Shows the window; the first showing centres it on the screen.
    void showWindow();
    // Shown and enabled: the window takes clicks and typing.
    bool takesInput() const { return isVisible() && isEnabled(); }

signals:
    // The close box was pressed: the window has run Form_Unload and is to be
    // destroyed.
    void unloaded();

protected:
    // The close box; by default it enables the main window.
    virtual void Form_Unload();
    void closeEvent(QCloseEvent* event) override;
    // Enables the main window and hides this one, which keeps what it shows.
    void dismiss();

    DialogHost& host_;

private:
    bool placed_ = false;
};

// `control`, named as scripts and the dump know it, at `pixels`.
template <class Control>
Control* placed(Control* control, const QString& name, const QRect& pixels) {
    control->setObjectName(name);
    control->setGeometry(pixels);
    return control;
}

// Moves the window's frame to the middle of the screen's free area.
void centreOnScreen(QWidget* window, const QScreen* screen);

// Controls of the secondary windows, named and placed in twips.
QPushButton* makeDialogButton(QWidget* parent, const QString& name, const QString& caption, const QRect& twips);
QLabel* makeDialogLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& twips);
QLineEdit* makeDialogTextBox(QWidget* parent, const QString& name, const QRect& twips);
// The sunken white frame of a text box, for list boxes too.
void setSunkenBox(QWidget* box);
// Tab goes from each widget of `order` to the next.
void setTabChain(const QList<QWidget*>& order);
// The texts of a list's lines, from the top.
QStringList itemTexts(const QListWidget* list);

}  // namespace sumire
