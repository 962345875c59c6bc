#include "export/PageNames.h"

#include "page/Fetcher.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QUrl>

namespace sumire {
namespace {

void addFolderPages(const QString& folder, std::vector<NamedPage>& named) {
    QStringList found;
    QDirIterator it(folder, {QStringLiteral("*.txt")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) found << it.next();
    found.sort();
    const QDir top(QFileInfo(folder).absoluteFilePath());
    for (const QString& file : found) {
        const QFileInfo relative(top.relativeFilePath(QFileInfo(file).absoluteFilePath()));
        named.push_back({file, QDir::cleanPath(relative.path() + u'/' + relative.completeBaseName())});
    }
}

}  // namespace

QString pageName(const QString& page) {
    const QString file = isNetworkAddress(page) ? QUrl(page).fileName() : QFileInfo(page).fileName();
    const QString name = QFileInfo(file).completeBaseName();
    return name.isEmpty() ? QStringLiteral("page") : name;
}

std::vector<NamedPage> expandPages(const QStringList& pages) {
    std::vector<NamedPage> named;
    for (const QString& page : pages) {
        if (!isNetworkAddress(page) && QFileInfo(page).isDir()) addFolderPages(page, named);
        else named.push_back({page, pageName(page)});
    }
    return named;
}

QString UniqueNames::take(const QString& name, const QString& extension) {
    QString file = name + extension;
    for (int n = 2; taken_.contains(file.toLower()); ++n)
        file = QStringLiteral("%1-%2%3").arg(name).arg(n).arg(extension);
    reserve(file);
    return file;
}

}  // namespace sumire
