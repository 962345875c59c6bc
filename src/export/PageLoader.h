#pragma once
// One page through the page request without a window: a local file is shown
// in offline mode (its text in the source box, its path in the address box,
// the file browser on its folder), an http address is fetched in network
// mode, as the viewer does when a person opens them.

#include "display/PageModel.h"
#include "export/ExportSlots.h"
#include "page/Fetcher.h"

#include <QString>
#include <functional>
#include <memory>

namespace sumire {

struct LoadedPage {
    QString error;  // why the page could not be read or fetched; empty when shown
    PageModel model;
    ExportSlots pictures;
    QString sender, title;          // the captions of the sender and title boxes
    QString source;                 // the page text the request scanned
    QStringList failedAttachments;  // "name: reason" for each attachment not kept
};

// What a local page's text becomes before it is shown (the sample pages put
// their folder in place of a placeholder); the text and the page's path.
using LocalTextHook = std::function<QString(const QString& text, const QString& path)>;

class PageLoader {
public:
    // Attachment files go into a folder made inside `workDir`, which must
    // exist (a page fails when it cannot be made); pages and attachments come
    // through `fetcher`.
    PageLoader(Fetcher& fetcher, QString workDir, int displayWidth, LocalTextHook hook = {});

    std::unique_ptr<LoadedPage> load(const QString& page);

private:
    Fetcher& fetcher_;
    QString workDir_;
    int widthIndex_ = 0;
    LocalTextHook hook_;
};

}  // namespace sumire
