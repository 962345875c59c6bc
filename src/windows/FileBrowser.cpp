#include "windows/FileBrowser.h"

#include "windows/FolderList.h"
#include "store/LocalFiles.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace sumire {

FileBrowser::FileBrowser(DialogHost& host, const QString& startFolder)
    : SecondaryWindow(host, QStringLiteral("file"), QStringLiteral("File"), QSize(6120, 3615)) {
    // Created in the tab order.
    dir1_ = placed(new FolderList(this), QStringLiteral("Dir1"), twipsRect(120, 480, 2775, 2400));
    drive1_ = placed(new QComboBox(this), QStringLiteral("Drive1"), twipsRect(120, 3120, 2415, 300));
    drive1_->addItems(driveRoots(startFolder));
    setSunkenBox(drive1_);
    file1_ = placed(new QListWidget(this), QStringLiteral("File1"), twipsRect(3000, 480, 2895, 2430));
    setSunkenBox(file1_);
    command1_ = makeDialogButton(this, "Command1", QStringLiteral("O.K"), {3360, 3000, 1215, 495});
    command2_ = makeDialogButton(this, "Command2", QStringLiteral("Cancel"), {4680, 3000, 1215, 495});
    text1_ = makeDialogTextBox(this, "Text1", {120, 120, 5775, 270});
    text1_->setTextMargins(0, -2, 0, -2);
    setTabChain({dir1_, drive1_, file1_, command1_, command2_, text1_});

    connect(dir1_, &FolderList::pathChanged, this, &FileBrowser::Dir1_Change);
    connect(drive1_, &QComboBox::activated, this, [this](int index) { Drive1_Change(drive1_->itemText(index)); });
    connect(file1_, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> selected = file1_->selectedItems();
        if (!fillingFiles_ && !selected.isEmpty()) File1_Click(selected.first()->text());
    });
    connect(file1_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { File1_DblClick(item->text()); });
    connect(command1_, &QPushButton::clicked, this, &FileBrowser::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &FileBrowser::Command2_Click);

    // The working folder, its drive and its files.
    if (!dir1_->setPath(startFolder)) dir1_->setPath(QDir::rootPath());
}

QStringList FileBrowser::controlNames() { return {"Dir1", "Drive1", "File1", "Command1", "Command2", "Text1"}; }

void FileBrowser::showBrowser() {
    host_.setMainEnabled(false);
    showWindow();
}

// The folder last shown on that drive, or its root.
void FileBrowser::Drive1_Change(const QString& drive) {
    if (!dir1_->setPath(lastFolderOn_.value(drive, drive))) dir1_->setPath(drive);
}

// The file list follows the folder; the drive list shows its drive.
void FileBrowser::Dir1_Change() {
    const QString folder = dir1_->path();
    const QString drive = driveOf(folder);
    lastFolderOn_[drive] = folder;
    showDrive(drive);
    fillingFiles_ = true;
    file1_->clear();
    file1_->addItems(textFiles(folder));
    fillingFiles_ = false;
}

void FileBrowser::showDrive(const QString& drive) {
    int index = drive1_->findText(drive);
    if (index < 0) {
        drive1_->addItem(drive);
        index = drive1_->count() - 1;
    }
    drive1_->setCurrentIndex(index);
}

void FileBrowser::File1_Click(const QString& name) { text1_->setText(joinPath(dir1_->path(), name)); }

void FileBrowser::File1_DblClick(const QString& name) {
    File1_Click(name);
    Command1_Click();
}

// A path that names no readable file keeps the browser open and the main
// window's boxes as they were.
void FileBrowser::Command1_Click() {
    const QString path = text1_->text();
    const PageFileText loaded = loadTextFile(path);
    if (!loaded.text) {
        host_.tellUser(this, loaded.error);
        return;
    }
    host_.loadLocalPage(path, *loaded.text);
    Command2_Click();
}

void FileBrowser::Command2_Click() { dismiss(); }

void FileBrowser::Form_Unload() { Command2_Click(); }

bool FileBrowser::chooseDrive(const QString& drive) {
    const int index = drive1_->findText(drive);
    if (index < 0) return false;
    drive1_->setCurrentIndex(index);
    Drive1_Change(drive);
    return true;
}

bool FileBrowser::chooseFolder(const QString& folder) {
    return dir1_->setPath(QDir(dir1_->path()).absoluteFilePath(folder));
}

bool FileBrowser::clickFile(const QString& name) {
    const QList<QListWidgetItem*> found = file1_->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found.isEmpty()) return false;
    fillingFiles_ = true;
    file1_->setCurrentItem(found.first());
    fillingFiles_ = false;
    File1_Click(name);
    return true;
}

QString FileBrowser::path() const { return dir1_->path(); }

QStringList FileBrowser::files() const { return itemTexts(file1_); }

QStringList FileBrowser::drives() const {
    QStringList names;
    for (int i = 0; i < drive1_->count(); ++i) names << drive1_->itemText(i);
    return names;
}

}  // namespace sumire
