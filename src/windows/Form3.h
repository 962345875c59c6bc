#pragma once
// The bookmark editor Form3 ("ブックマークの編集"): one list line per
// bookmark; a clicked line fills the boxes, "更新" stores the boxes into that
// bookmark, "削除" removes it. A button that needs a line does nothing while
// none is selected, so no bookmark the user did not pick is ever changed.

#include "store/BookmarkFile.h"
#include "windows/SecondaryWindow.h"

#include <QStringList>
#include <array>

class QListWidget;

namespace sumire {

class BookmarkStore;

class Form3 : public SecondaryWindow {
    Q_OBJECT
public:
    Form3(BookmarkStore& store, DialogHost& host);

    // book4_Click: shows the editor, disables the main window, lists the
    // bookmarks.
    void showEditor();
    void List1_Click(int index);
    void Command1_Click();  // 更新
    void Command2_Click();  // 削除
    void Command3_Click();  // 閉じる

    // A click on line `index` of the list, as a person's would be.
    void clickLine(int index);
    // The line selected in the list, or -1.
    int selectedLine() const;
    // The list line last clicked (0 until the first click).
    int selectedBookmark() const { return selectedBookmark_; }
    QStringList lines() const;

    QListWidget* List1() const { return list1_; }
    QLineEdit* Text1() const { return text1_; }  // the address
    QLineEdit* Text2() const { return text2_; }  // the title
    static QStringList controlNames();

private:
    // Sets the list to the bookmarks as the file holds them.
    void refreshList();
    void tellIfFailed(const BookmarkResult& result);

    BookmarkStore& store_;
    QListWidget* list1_;
    QPushButton* command1_;
    QLineEdit* text2_;
    QLineEdit* text1_;
    std::array<QLabel*, 2> label1_{};
    QPushButton* command2_;
    QPushButton* command3_;
    int selectedBookmark_ = 0;
    bool fillingList_ = false;  // list changes made here are no clicks
};

// Line i of the list: the title, " (", the address, ")".
QString bookmarkListLine(const QString& title, const QString& address);

}  // namespace sumire
