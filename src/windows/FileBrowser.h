#pragma once
// The local file browser, the window `file`: a drive list, a folder list and
// the "*.txt" files of the current folder. O.K loads the chosen file into the
// main window's page text box and its path into the address box. Created on
// first use on the working folder; hidden by its buttons, so the folder and
// the path stay for the next opening.

#include "windows/SecondaryWindow.h"

#include <QHash>
#include <QStringList>

class QComboBox;
class QListWidget;

namespace sumire {

class FolderList;

class FileBrowser : public SecondaryWindow {
    Q_OBJECT
public:
    FileBrowser(DialogHost& host, const QString& startFolder);

    // Command10_Click: the main window is disabled, the browser shown.
    void showBrowser();
    void Drive1_Change(const QString& drive);
    void Dir1_Change();
    void File1_Click(const QString& name);
    // The click, then O.K.
    void File1_DblClick(const QString& name);
    void Command1_Click();  // O.K
    void Command2_Click();  // Cancel

    // For scripts, as a person would choose them: false when the item is
    // not there to choose.
    bool chooseDrive(const QString& drive);
    bool chooseFolder(const QString& folder);
    bool clickFile(const QString& name);

    QString path() const;  // Dir1's path
    QStringList files() const;
    QStringList drives() const;
    QLineEdit* Text1() const { return text1_; }
    FolderList* Dir1() const { return dir1_; }
    static QStringList controlNames();

private:
    void showDrive(const QString& drive);
    void Form_Unload() override;

    FolderList* dir1_;
    QComboBox* drive1_;
    QListWidget* file1_;
    QPushButton* command1_;
    QPushButton* command2_;
    QLineEdit* text1_;
    QHash<QString, QString> lastFolderOn_;  // drive -> the folder last shown on it
    bool fillingFiles_ = false;
};

}  // namespace sumire
