#pragma once
// The folder list Dir1 of the file browser: the folders from the root down to
// the current folder, each open, then the folders inside the current one.
// Activating a line (double-click or Enter) makes it the current folder, so
// the user goes up and into folders as in the folder lists of the era.

#include <QTreeWidget>

namespace sumire {

class FolderList : public QTreeWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent = nullptr);

    QString path() const { return path_; }
    // Makes `folder` (absolute) the current folder; false, and nothing
    // changed, when it names no folder.
    bool setPath(const QString& folder);
    // The folders shown, as full paths, from the top line down.
    QStringList shownFolders() const;

signals:
    // The current folder was set (Dir1_Change).
    void pathChanged(const QString& path);

private:
    void showTree();
    QString path_;
};

}  // namespace sumire
