#pragma once
// The controls of the main window, under the names the window gives them.

#include <QList>
#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace sumire {

class ClientArea;
class PictureBox;
class Text2Box;

struct Form1Controls {
    ClientArea* client = nullptr;
    // Command1..Command21 at their numbers; Command5 is the digit array.
    std::array<QPushButton*, 22> command{};
    std::array<QPushButton*, 10> command5{};
    QLineEdit* text1 = nullptr;
    Text2Box* text2 = nullptr;
    QLineEdit* text3 = nullptr;
    std::array<QLabel*, 7> label1{};
    QLabel* label2 = nullptr;
    std::array<PictureBox*, 12> picture1{};
    QLabel* fetchStatus = nullptr;  // the status line under the client area

    QAction* menu002 = nullptr;
    QAction* menu003 = nullptr;
    QAction* menu10 = nullptr;
    QAction* menu006 = nullptr;
    QAction* menu005 = nullptr;
    QAction* menu007 = nullptr;
    QAction* menu008 = nullptr;
    QAction* menu001 = nullptr;
    std::array<QAction*, 6> yoko{};
    std::array<QAction*, 3> phone{};
    QMenu* book = nullptr;
    QList<QAction*> book000;
    QAction* book2 = nullptr;
    QAction* book3 = nullptr;
    QAction* book4 = nullptr;
    std::array<QAction*, 10> file001{};
    QAction* file002 = nullptr;
    QAction* help001 = nullptr;
    QAction* help003 = nullptr;
};

}  // namespace sumire
