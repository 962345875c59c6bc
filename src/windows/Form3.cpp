#include "windows/Form3.h"

#include "store/BookmarkStore.h"
#include "windows/Form2.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace sumire {

QString bookmarkListLine(const QString& title, const QString& address) {
    return title + QStringLiteral(" (") + address + u')';
}

Form3::Form3(BookmarkStore& store, DialogHost& host)
    : SecondaryWindow(host, QStringLiteral("Form3"), tr("ブックマークの編集"), QSize(6000, 4950)), store_(store) {
    // Created in the tab order.
    list1_ = placed(new QListWidget(this), QStringLiteral("List1"), twipsRect(120, 120, 5775, 2400));
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    setSunkenBox(list1_);
    command1_ = makeDialogButton(this, "Command1", tr("更新"), {3600, 4320, 1095, 495});
    text2_ = makeDialogTextBox(this, "Text2", {120, 3600, 5775, 375});
    text1_ = makeDialogTextBox(this, "Text1", {120, 2880, 5775, 375});
    label1_[0] = makeDialogLabel(this, "Label1(0)", tr("タイトル名"), {120, 3360, 4335, 375});
    label1_[1] = makeDialogLabel(this, "Label1(1)", tr("アドレス名"), {120, 2640, 4335, 375});
    command2_ = makeDialogButton(this, "Command2", tr("削除"), {2400, 4320, 1095, 495});
    command3_ = makeDialogButton(this, "Command3", tr("閉じる"), {4800, 4320, 1095, 495});
    setTabChain({list1_, command1_, text2_, text1_, command2_, command3_});

    // A line chosen by mouse or keys is a click; so is a second click on it.
    connect(list1_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!fillingList_ && selectedLine() >= 0) List1_Click(selectedLine());
    });
    connect(list1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (!fillingList_) List1_Click(list1_->row(item));
    });
    connect(command1_, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(command3_, &QPushButton::clicked, this, &Form3::Command3_Click);
}

QStringList Form3::controlNames() {
    return {"List1", "Command1", "Text2", "Text1", "Label1(0)", "Label1(1)", "Command2", "Command3"};
}

void Form3::showEditor() {
    showWindow();
    host_.setMainEnabled(false);
    refreshList();
}

void Form3::List1_Click(int index) {
    selectedBookmark_ = index;
    text1_->setText(store_.bookmarkAddress(index));
    text2_->setText(store_.bookmarkTitle(index));
}

void Form3::clickLine(int index) {
    fillingList_ = true;
    list1_->setCurrentRow(index);
    fillingList_ = false;
    List1_Click(index);
}

int Form3::selectedLine() const {
    const QList<QListWidgetItem*> selected = list1_->selectedItems();
    return selected.isEmpty() ? -1 : list1_->row(selected.first());
}

QStringList Form3::lines() const { return itemTexts(list1_); }

// The boxes go into the selected bookmark; the list and the menu follow the
// file, also when the save failed.
void Form3::Command1_Click() {
    const int index = selectedLine();
    if (index < 0) return;
    const BookmarkResult saved = store_.UpdateBookmark(index, text1_->text(), text2_->text());
    refreshList();
    tellIfFailed(saved);
}

// Removes the selected bookmark; afterwards no line is selected. The boxes
// keep showing what was removed.
void Form3::Command2_Click() {
    const int index = selectedLine();
    if (index < 0) return;
    const BookmarkResult saved = store_.DeleteBookmark(index);
    refreshList();
    if (saved) {
        fillingList_ = true;
        list1_->setCurrentRow(-1);
        list1_->clearSelection();
        fillingList_ = false;
    }
    tellIfFailed(saved);
}

void Form3::Command3_Click() { dismiss(); }

void Form3::refreshList() {
    fillingList_ = true;
    const int count = store_.lastBookmark() + 1;
    while (list1_->count() > count) delete list1_->takeItem(list1_->count() - 1);
    for (int i = 0; i < count; ++i) {
        const QString line = bookmarkListLine(store_.bookmarkTitle(i), store_.bookmarkAddress(i));
        if (i < list1_->count()) list1_->item(i)->setText(line);
        else list1_->addItem(line);
    }
    fillingList_ = false;
}

void Form3::tellIfFailed(const BookmarkResult& result) {
    if (result.status == BookmarkResult::Failed) host_.tellUser(this, bookmarkSaveFailure(result.error));
}

}  // namespace sumire
