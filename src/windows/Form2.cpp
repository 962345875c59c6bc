#include "windows/Form2.h"

#include "store/BookmarkStore.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sumire {

QString bookmarkSaveFailure(const QString& reason) {
    return Form2::tr("ブックマークを保存できませんでした。\n%1").arg(reason);
}

Form2::Form2(BookmarkStore& store, DialogHost& host)
    : SecondaryWindow(host, QStringLiteral("Form2"), tr("ブックマークの追加"), QSize(6000, 2370)), store_(store) {
    // Created in the tab order.
    label1_[1] = makeDialogLabel(this, "Label1(1)", tr("アドレス名を入力してください。"), {120, 120, 4335, 375});
    text1_ = makeDialogTextBox(this, "Text1", {120, 480, 5775, 375});
    label1_[0] = makeDialogLabel(this, "Label1(0)", tr("タイトル名を入力してください。"), {120, 960, 4335, 375});
    text2_ = makeDialogTextBox(this, "Text2", {120, 1200, 5775, 375});
    command1_ = makeDialogButton(this, "Command1", QStringLiteral("OK"), {4800, 1800, 1095, 495});
    command2_ = makeDialogButton(this, "Command2", QStringLiteral("CANCEL"), {3600, 1800, 1095, 495});
    setTabChain({text1_, text2_, command1_, command2_});
    connect(command1_, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &Form2::Command2_Click);
}

QStringList Form2::controlNames() { return {"Label1(0)", "Label1(1)", "Text1", "Text2", "Command1", "Command2"}; }

void Form2::showFor(const QString& sender, const QString& title) {
    text1_->setText(sender);
    text2_->setText(title);
    host_.setMainEnabled(false);
    showWindow();
    text1_->setFocus();
}

// Both boxes filled: one bookmark more. Either empty: nothing, silently.
void Form2::Command1_Click() {
    const QString title = text2_->text();
    const QString address = text1_->text();
    if (!title.isEmpty() && !address.isEmpty()) {
        const BookmarkResult saved = store_.AddBookmark(title, address);
        if (saved.status == BookmarkResult::Failed) host_.tellUser(this, bookmarkSaveFailure(saved.error));
    }
    Command2_Click();
}

void Form2::Command2_Click() { dismiss(); }

}  // namespace sumire
