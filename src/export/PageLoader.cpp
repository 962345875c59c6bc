#include "export/PageLoader.h"

#include "display/DiscardingCanvas.h"

namespace sumire {

PageLoader::PageLoader(Fetcher& fetcher, QString workDir, int displayWidth)
    : fetcher_(fetcher), workDir_(std::move(workDir)), lineChars_(displayWidth) {}

std::unique_ptr<LoadedPage> PageLoader::load(const QString& page) {
    auto loaded = std::make_unique<LoadedPage>();
    PageSession session(loaded->pictures, fetcher_, workDir_, lineChars_);
    DiscardingCanvas canvas;
    static_cast<PageResult&>(*loaded) = session.open(page, canvas);
    if (loaded->shown()) loaded->model = std::move(session.model());
    return loaded;
}

}  // namespace sumire
