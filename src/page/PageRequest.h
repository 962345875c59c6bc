#pragma once
// The page request: from the address in the address box (or the text of the
// source box in offline mode) to the drawn LCD.

#include "display/LcdCanvas.h"
#include "display/LcdRenderer.h"
#include "display/PageModel.h"
#include "display/PictureSlots.h"
#include "page/AttachmentFolder.h"
#include "page/Fetcher.h"
#include "page/RequestHost.h"
#include "text/ScanText.h"

#include <optional>
#include <vector>

namespace sumire {

// The decoded bytes of a "stream" attachment kept on the page: attachment
// `index` of the model. Exports copy them without decoding the page again.
struct EmbeddedAttachment {
    int64_t index = 0;
    QByteArray bytes;
};

struct PageServices {
    RequestHost& host;
    PictureSlots& pictures;
    Fetcher& fetcher;
    AttachmentFolder& attachments;
    LcdCanvas& canvas;
    QStringList* failedAttachments = nullptr;  // "name: reason" for each attachment not kept
    std::vector<EmbeddedAttachment>* embedded = nullptr;
};

struct RequestOutcome {
    bool fetchFailed = false;
    QString error;                  // why the page fetch failed
    QStringList failedAttachments;  // "name: reason" for each attachment not kept
    int64_t scanWork = 0;           // code units searched and copied by the two passes
    std::optional<LcdDrawn> drawn;  // what the page's drawing left; none when nothing was drawn
    std::vector<EmbeddedAttachment> embedded = {};
};

// The whole request: go button off, address completion, page text, reset,
// header pass, body pass, download menu, DrawLcd, go button on.
RequestOutcome runPageRequest(PageModel& model, PageServices& services);

// The parts of the request, for tests and for callers that hold the text.
void resetPage(PageModel& model, PageServices& services);
void headerPass(PageModel& model, const ScanText& text, PageServices& services);
void bodyPass(PageModel& model, const ScanText& text);
void fillDownloadMenu(const PageModel& model, RequestHost& host);

}  // namespace sumire
