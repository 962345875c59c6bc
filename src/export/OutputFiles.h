#pragma once
// The one way a command writes its files. Each is written whole or not at
// all, and refused when it would land on a file the command reads (after
// resolving links, so "page.txt", "./page.txt" and a link to it are one
// file) or, given a folder, outside that folder.

#include "export/FileWrite.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <utility>

namespace sumire {

class OutputFiles {
public:
    // `folder`: where every file goes (empty: anywhere); `inputs`: the local
    // files and folders of pages the command reads.
    OutputFiles(const QString& folder, const QStringList& inputs);

    // `relative` inside the folder.
    QString path(const QString& relative) const;
    // Why `path` may not be written; empty when it may.
    QString refusal(const QString& path) const;

    // Writes `content`: bytes, or a FileFiller (see FileWrite.h), to `path`.
    // False with `error` naming the file when refused or not written.
    template <typename Content>
    bool write(const QString& path, const Content& content, QString* error) const {
        *error = refusal(path);
        return error->isEmpty() && writeWholeFile(path, content, error);
    }

private:
    QString folder_;  // resolved; empty: anywhere
    QSet<QString> inputs_;
    QSet<std::pair<quint64, quint64>> inputNodes_;  // device and inode
};

}  // namespace sumire
