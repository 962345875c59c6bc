#include "store/PageSession.h"

#include "display/DisplayText.h"
#include "page/ArchiveFetcher.h"
#include "page/PageFile.h"

#include <QFileInfo>

namespace sumire {

PageSession::PageSession(PictureSlots& pictures, Fetcher& fetcher, QString workDir, int lineChars)
    : pictures_(pictures), fetcher_(fetcher), attachments_(AttachmentFolder::inside(workDir)) {
    whiteBackground();  // as start-up leaves the window
    model_.setDisplayWidth(displayWidthOf(lineChars));
}

PageSession::PageSession(PictureSlots& pictures, std::unique_ptr<Fetcher> fetcher, const QString& workDir)
    : pictures_(pictures),
      ownFetcher_(std::move(fetcher)),
      fetcher_(*ownFetcher_),
      attachments_(AttachmentFolder::inside(workDir)),
      removeAttachments_(false) {}

PageSession::~PageSession() {
    if (removeAttachments_) attachments_.removeWritten();
}

QString PageSession::archiveFolder() const {
    const auto* archive = dynamic_cast<const ArchiveFetcher*>(&fetcher_);
    return archive ? archive->folder() : QString();
}

PageResult PageSession::open(const QString& page, LcdCanvas& canvas) {
    RequestValues host;
    host.text1 = page;
    host.sender = sender_;
    host.title = title_;
    host.network = isNetworkAddress(page);
    if (!host.network) {
        const PageFileText file = readPageFile(page);
        if (!file.text) return {file.error};
        host.text2 = *file.text;
        host.folder = QFileInfo(page).absolutePath();
    }
    if (QString error; !attachments_.make(&error)) return {error};
    const RequestOutcome request = this->request(host, canvas, false);
    if (request.fetchFailed) return {request.error};
    sender_ = host.sender;
    title_ = host.title;
    return {{}, host.sender, host.title, model_.pageSource, request.failedAttachments, request.embedded};
}

RequestOutcome PageSession::request(RequestHost& host, LcdCanvas& canvas, bool record) {
    PageServices services{host, pictures_, fetcher_, attachments_, canvas};
    RequestOutcome outcome = runPageRequest(model_, services);
    if (outcome.drawn) drew(*outcome.drawn);
    if (!outcome.fetchFailed && record) {
        const bool network = host.networkMode();
        history_.shown({network, host.addressText(), network ? QString() : model_.pageSource});
    }
    lastRequest_ = outcome;
    return outcome;
}

std::optional<QString> PageSession::linkAddress(const QString& key) const {
    const int64_t links = model_.storedLinkCount();
    for (int64_t i = 0; i < links; ++i)
        if (!model_.linkKeys[i].isEmpty() && model_.linkKeys[i] == key) return model_.linkTargets[i];
    return std::nullopt;
}

LcdDrawn PageSession::redraw(LcdCanvas& canvas) { return drew(DrawLcd(model_, pictures_, canvas)); }

std::optional<LcdDrawn> PageSession::setDisplayWidth(int lineChars, LcdCanvas& canvas) {
    const int row = displayWidthRow(lineChars);
    if (row < 0) return std::nullopt;
    model_.setDisplayWidth(kDisplayWidths[size_t(row)]);  // the font size goes with it
    return redraw(canvas);
}

// The width changes first, then the width's row of the table is applied.
std::optional<LcdDrawn> PageSession::narrower(LcdCanvas& canvas) {
    if (model_.lineChars == kDisplayWidths.back().lineChars) return std::nullopt;
    model_.lineChars -= 2;
    return setDisplayWidth(model_.lineChars, canvas);
}

std::optional<LcdDrawn> PageSession::wider(LcdCanvas& canvas) {
    if (model_.lineChars == kDisplayWidths.front().lineChars) return std::nullopt;
    model_.lineChars += 2;
    return setDisplayWidth(model_.lineChars, canvas);
}

std::optional<LcdDrawn> PageSession::scrollUp(LcdCanvas& canvas) {
    if (model_.scrollTop <= 0) return std::nullopt;
    --model_.scrollTop;
    return redraw(canvas);
}

std::optional<LcdDrawn> PageSession::scrollDown(LcdCanvas& canvas) {
    if (model_.scrollTop >= model_.lcdRow) return std::nullopt;
    ++model_.scrollTop;
    return redraw(canvas);
}

LcdDrawn PageSession::screenUp(LcdCanvas& canvas) {
    model_.scrollTop = model_.scrollTop > 10 ? model_.scrollTop - 10 : 0;
    return redraw(canvas);
}

LcdDrawn PageSession::scrollTo(int row, LcdCanvas& canvas) {
    model_.scrollTop = row;
    return redraw(canvas);
}

LcdDrawn PageSession::screenDown(LcdCanvas& canvas) {
    if (model_.scrollTop < model_.lcdRow - 10) model_.scrollTop += 10 - model_.imageRows - 2;
    else model_.scrollTop = model_.lcdRow;
    return redraw(canvas);
}

LcdDrawn PageSession::tick(LcdCanvas& canvas) { return drew(Timer1_Timer(model_, pictures_, canvas)); }

QString PageSession::text() const { return displayText(model_, pictures_, PictographFallback::Emoji); }

}  // namespace sumire
