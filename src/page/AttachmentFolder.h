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
    // The folder `dir`, made when first needed; an empty `dir` is no folder.
    explicit AttachmentFolder(QString dir);
    // The folder "attachments" inside `base`; none when `base` is empty.
    static AttachmentFolder inside(const QString& base);

    QString path() const { return dir_; }

    // The plain file name used for a page's attachment name: no folder part,
    // no drive, no wildcard or control characters; empty when nothing is left
    // or the name is "." or "..".
    static QString plainFileName(const QString& pageName);

    // The one place the folder is made. It is made only inside a base folder
    // that already exists: an empty or relative path, a missing base, or a
    // link in the folder's place is refused, so no file ever lands in the
    // current folder or wherever a link points. False with the reason when
    // the folder is not there to write in.
    bool make(QString* error = nullptr);

    // Writes the bytes whole under the plain name (making the folder when
    // needed) and returns the file's path; empty, with the reason in `error`,
    // when nothing was written.
    QString write(const QString& pageName, const QByteArray& bytes, QString* error = nullptr);

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
