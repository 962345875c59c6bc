#pragma once
// One page through a page session of its own (store/PageSession.h), kept
// with its pictures for the export.

#include "art/BoxSlots.h"
#include "display/PageModel.h"
#include "page/Fetcher.h"
#include "store/PageSession.h"

#include <QString>
#include <memory>

namespace sumire {

// What the request gave (its error set when the page was not shown), and
// the page's model when it was.
struct LoadedPage : PageResult {
    PageModel model;
    BoxSlots pictures;
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
