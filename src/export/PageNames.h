#pragma once
// The names render and export give the files of their pages: a folder stands
// for its *.txt pages, each named by its path from the folder; a page given
// alone is named by its own name. Names that differ only in case are the same
// name, as on many USB sticks, so no file of a run writes over another.

#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

namespace sumire {

struct NamedPage {
    QString page;
    QString name;  // without extension: "index", "sub/mail"
};

// "index" for ".../index.txt" and "http://host/index.txt"; "page" when the
// address names no file.
QString pageName(const QString& page);

// Each folder among `pages` replaced by its *.txt files, in its subfolders
// too, in the order of their paths.
std::vector<NamedPage> expandPages(const QStringList& pages);

class UniqueNames {
public:
    // `name` + `extension`, or name-2, name-3... when taken by an earlier one.
    QString take(const QString& name, const QString& extension);
    void reserve(const QString& file) { taken_.insert(file.toLower()); }

private:
    QSet<QString> taken_;  // folded to lower case
};

}  // namespace sumire
