#pragma once
// The folder that holds a page's temporary attachment files. Names come from
// the page and are untrusted: each is reduced to a plain file name inside this
// folder, and only files this folder wrote are ever deleted.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace sumire {

class AttachmentFolder {
public:
    explicit AttachmentFolder(QString dir);

    QString path() const { return dir_; }

    // The plain file name used for a page's attachment name: no folder part,
    // no drive, no wildcard or control characters; empty when nothing is left
    // or the name is "." or "..".
    static QString plainFileName(const QString& pageName);

    // Writes the bytes whole under the plain name (creating the folder when
    // needed) and returns the file's path; empty when nothing was written.
    QString write(const QString& pageName, const QByteArray& bytes);

    // Path of the file written for a page's attachment name, or empty.
    QString writtenPath(const QString& pageName) const;

    // Deletes the files written since the last call; returns the paths that
    // could not be deleted.
    QStringList removeWritten();

    QStringList writtenFiles() const { return written_; }

private:
    QString dir_;
    QStringList written_;
};

}  // namespace sumire
