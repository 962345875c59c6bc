#pragma once
// The add dialog Form2 ("ブックマークの追加"): proposes the current page's
// sender as the address and its title as the title of a new bookmark.

#include "windows/SecondaryWindow.h"

#include <QStringList>
#include <array>

namespace sumire {

class BookmarkStore;

class Form2 : public SecondaryWindow {
    Q_OBJECT
public:
    Form2(BookmarkStore& store, DialogHost& host);

    // book3_Click: the boxes take the page's sender and title, the main
    // window is disabled, the dialog is shown.
    void showFor(const QString& sender, const QString& title);
    void Command1_Click();  // OK
    void Command2_Click();  // CANCEL

    QLineEdit* Text1() const { return text1_; }  // the address
    QLineEdit* Text2() const { return text2_; }  // the title
    // The names of the dialog's controls, for scripts.
    static QStringList controlNames();

private:
    BookmarkStore& store_;
    QLineEdit* text1_;
    QLineEdit* text2_;
    QPushButton* command1_;
    QPushButton* command2_;
    std::array<QLabel*, 2> label1_{};
};

// The message of a failed bookmark save.
QString bookmarkSaveFailure(const QString& reason);

}  // namespace sumire
