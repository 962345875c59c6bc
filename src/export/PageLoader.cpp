#include "export/PageLoader.h"

#include "display/DiscardingCanvas.h"
#include "store/PageSession.h"

namespace sumire {

PageLoader::PageLoader(Fetcher& fetcher, QString workDir, int displayWidth)
    : fetcher_(fetcher), workDir_(std::move(workDir)), lineChars_(displayWidth) {}

std::unique_ptr<LoadedPage> PageLoader::load(const QString& page) {
    auto loaded = std::make_unique<LoadedPage>();
    PageSession session(loaded->pictures, fetcher_, workDir_, lineChars_);
    DiscardingCanvas canvas;
    const PageResult outcome = session.open(page, canvas);
    loaded->error = outcome.error;
    if (!outcome.shown()) return loaded;
    loaded->model = std::move(session.model());
    loaded->failedAttachments = outcome.failedAttachments;
    loaded->sender = outcome.sender;
    loaded->title = outcome.title;
    loaded->source = outcome.source;
    loaded->embedded = outcome.embedded;
    return loaded;
}

}  // namespace sumire
