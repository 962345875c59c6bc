#pragma once
// One page through a page session of its own (store/PageSession.h), kept
// with its pictures for the export.

#include "display/PageModel.h"
#include "art/BoxSlots.h"
#include "page/Fetcher.h"
#include "page/PageRequest.h"

#include <QString>
#include <memory>

namespace sumire {

struct LoadedPage {
    QString error;  // why the page could not be read or fetched; empty when shown
    PageModel model;
    BoxSlots pictures;
    QString sender, title;                     // the captions of the sender and title boxes
    QString source;                            // the page text the request scanned
    QStringList failedAttachments;             // "name: reason" for each attachment not kept
    std::vector<EmbeddedAttachment> embedded;  // the "stream" attachments' bytes
};

class PageLoader {
public:
    // Attachment files go into a folder made inside `workDir`, which must
    // exist (a page fails when it cannot be made); pages and attachments come
    // through `fetcher`.
    PageLoader(Fetcher& fetcher, QString workDir, int displayWidth);

    std::unique_ptr<LoadedPage> load(const QString& page);

private:
    Fetcher& fetcher_;
    QString workDir_;
    int lineChars_;
};

}  // namespace sumire
