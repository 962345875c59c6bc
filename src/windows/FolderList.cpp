#include "windows/FolderList.h"

#include "store/LocalFiles.h"
#include "windows/SecondaryWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>
#include <QTreeWidgetItemIterator>

namespace sumire {
namespace {

constexpr int kPathRole = Qt::UserRole;

// "/", "/home", "/home/user" for "/home/user".
QStringList ancestorsOf(const QString& path) {
    QStringList chain;
    for (QString p = path;; p = QFileInfo(p).path()) {
        chain.prepend(p);
        if (QDir(p).isRoot()) break;
    }
    return chain;
}

QString shownName(const QString& path) { return QDir(path).isRoot() ? path : QFileInfo(path).fileName(); }

}  // namespace

FolderList::FolderList(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(10);
    setUniformRowHeights(true);
    setSunkenBox(this);
    connect(this, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { setPath(item->data(0, kPathRole).toString()); });
}

bool FolderList::setPath(const QString& folder) {
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir()) return false;
    path_ = QDir::cleanPath(info.absoluteFilePath());
    showTree();
    emit pathChanged(path_);
    return true;
}

void FolderList::showTree() {
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem* parent = nullptr;
    for (const QString& folder : ancestorsOf(path_)) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
        item->setText(0, shownName(folder));
        item->setIcon(0, open);
        item->setData(0, kPathRole, folder);
        item->setExpanded(true);
        parent = item;
    }
    for (const QString& name : subfolders(path_)) {
        auto* item = new QTreeWidgetItem(parent);
        item->setText(0, name);
        item->setIcon(0, closed);
        item->setData(0, kPathRole, QDir(path_).filePath(name));
    }
    expandAll();
    setCurrentItem(parent);
    scrollToItem(parent, QAbstractItemView::PositionAtTop);
}

QStringList FolderList::shownFolders() const {
    QStringList folders;
    for (QTreeWidgetItemIterator it(const_cast<FolderList*>(this)); *it; ++it)
        folders << (*it)->data(0, kPathRole).toString();
    return folders;
}

}  // namespace sumire
