#include "store/PageSession.h"

#include "display/LcdRenderer.h"
#include "page/PageFile.h"
#include "page/PageRequest.h"

#include <QFileInfo>

namespace sumire {
PageSession::PageSession(PictureSlots& pictures, Fetcher& fetcher, QString workDir, int lineChars)
    : pictures_(pictures), fetcher_(fetcher), attachments_(AttachmentFolder::inside(workDir)) {
    // As start-up leaves the window.
    model_.backRed = model_.backGreen = model_.backBlue = 255;
    model_.setDisplayWidth(displayWidthOf(lineChars));
}

PageSession::~PageSession() { attachments_.removeWritten(); }

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
    PageServices services{host, pictures_, fetcher_, attachments_, canvas};
    const RequestOutcome request = runPageRequest(model_, services);
    if (request.fetchFailed) return {request.error};
    sender_ = host.sender;
    title_ = host.title;
    return {{}, host.sender, host.title, model_.pageSource, request.failedAttachments};
}

void PageSession::setDisplayWidth(int lineChars, LcdCanvas& canvas) {
    model_.setDisplayWidth(displayWidthOf(lineChars));
    DrawLcd(model_, pictures_, canvas);
}

bool PageSession::scrollDown(LcdCanvas& canvas) {
    if (model_.scrollTop >= model_.lcdRow) return false;
    ++model_.scrollTop;
    DrawLcd(model_, pictures_, canvas);
    return true;
}

void PageSession::tick(LcdCanvas& canvas) { Timer1_Timer(model_, pictures_, canvas); }

}  // namespace sumire
