#pragma once
// The "download" folder: where the user keeps a page's attachments.

#include <QString>

namespace sumire {

struct KeepResult {
    bool ok = false;
    QString error;  // why the copy failed, for the user
    QString path;   // the file written, when it was
};

// Copies the attachment file `source` into `downloadDir` under the plain form
// of `pageName`, replacing a file of that name.
KeepResult keepAttachment(const QString& source, const QString& downloadDir, const QString& pageName);

// Deletes the files directly inside `downloadDir`; folders stay. Errors are
// ignored.
void emptyDownloadFolder(const QString& downloadDir);

}  // namespace sumire
