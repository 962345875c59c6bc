#include "export/PageLoader.h"

#include "display/DiscardingCanvas.h"
#include "display/LcdCanvas.h"
#include "page/AttachmentFolder.h"
#include "page/PageRequest.h"
#include "page/TextCodec.h"

#include <QDir>
#include <QFileInfo>

namespace sumire {
namespace {

// The controls a request reads and writes, kept as plain values.
class ExportHost : public RequestHost {
public:
    QString addressText() const override { return text1; }
    void setAddressText(const QString& t) override { text1 = t; }
    QString sourceText() const override { return text2; }
    void setSourceText(const QString& t) override { text2 = t; }
    void setKeyText(const QString&) override {}
    QString senderCaption() const override { return sender; }
    void setSenderCaption(const QString& t) override { sender = t; }
    QString titleCaption() const override { return title; }
    void setTitleCaption(const QString& t) override { title = t; }
    void setGoEnabled(bool) override {}
    bool networkMode() const override { return network; }
    QString browserFolder() const override { return folder; }
    void setDownloadItem(int, const QString&, bool) override {}

    QString text1, text2, sender, title, folder;
    bool network = false;
};

}  // namespace

PageLoader::PageLoader(Fetcher& fetcher, QString workDir, int displayWidth, LocalTextHook hook)
    : fetcher_(fetcher), workDir_(std::move(workDir)), hook_(std::move(hook)) {
    for (size_t i = 0; i < kDisplayWidths.size(); ++i)
        if (kDisplayWidths[i].lineChars == displayWidth) widthIndex_ = int(i);
}

std::unique_ptr<LoadedPage> PageLoader::load(const QString& page) {
    auto loaded = std::make_unique<LoadedPage>();
    ExportHost host;
    host.text1 = page;
    host.network = isNetworkAddress(page);
    if (!host.network) {
        const FetchResult file = fetcher_.fetch(page);
        if (!file.ok) {
            loaded->error = file.error;
            return loaded;
        }
        const QString text = decodePageBytes(file.body, file.charset);
        host.text2 = hook_ ? hook_(text, page) : text;
        host.folder = QFileInfo(page).absolutePath();
    }
    PageModel& m = loaded->model;
    m.backRed = m.backGreen = m.backBlue = 255;  // as start-up leaves it
    m.setDisplayWidth(kDisplayWidths[size_t(widthIndex_)]);
    AttachmentFolder attachments = AttachmentFolder::inside(workDir_);
    if (QString error; !attachments.make(&error)) {
        loaded->error = error;
        return loaded;
    }
    DiscardingCanvas canvas;
    PageServices services{host, loaded->pictures, fetcher_, attachments, canvas};
    const RequestOutcome outcome = runPageRequest(m, services);
    attachments.removeWritten();
    if (outcome.fetchFailed) {
        loaded->error = outcome.error;
        return loaded;
    }
    loaded->failedAttachments = outcome.failedAttachments;
    loaded->sender = host.sender;
    loaded->title = host.title;
    loaded->source = m.pageSource;
    return loaded;
}

}  // namespace sumire
