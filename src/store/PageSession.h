#pragma once
// The pages of one viewer, without its window: the page model, the picture
// slots, the link table and the attachment files of the page shown, the
// fetcher the pages come through and the pages shown before. The window owns
// one and puts each outcome on its controls; `render` and `export` show pages
// through one as a person opens them: a local file in offline mode (its text
// as the source, its folder as the file browser's), an http address in
// network mode. Every drawing goes to the canvas the caller gives.

#include "display/LcdCanvas.h"
#include "display/LcdRenderer.h"
#include "display/PageModel.h"
#include "display/PictureSlots.h"
#include "page/AttachmentFolder.h"
#include "page/Fetcher.h"
#include "page/PageRequest.h"
#include "store/PageHistory.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace sumire {

// What a request for a page gave.
struct PageResult {
    QString error;                       // why the page could not be read or fetched; empty when shown
    QString sender = {}, title = {};     // the captions of the sender and title boxes
    QString source = {};                 // the page text the request scanned
    QStringList failedAttachments = {};  // "name: reason" for each attachment not kept
    std::vector<EmbeddedAttachment> embedded = {};
    bool shown() const { return error.isEmpty(); }
};

class PageSession {
public:
    // Attachment files go into a folder made inside `workDir`, which must
    // exist (a page fails when it cannot be made), and are deleted with the
    // session. Pages are shown `lineChars` cells a row.
    PageSession(PictureSlots& pictures, Fetcher& fetcher, QString workDir, int lineChars = 20);
    // The window's session, which keeps the fetcher. The model is left as a
    // new window has it, and the attachment files for the window's shutdown
    // to delete.
    PageSession(PictureSlots& pictures, std::unique_ptr<Fetcher> fetcher, const QString& workDir);
    ~PageSession();
    PageSession(const PageSession&) = delete;
    PageSession& operator=(const PageSession&) = delete;

    PageModel& model() { return model_; }
    const PageModel& model() const { return model_; }
    const PageHistory& history() const { return history_; }
    const AttachmentFolder& attachments() const { return attachments_; }
    AttachmentFolder& attachments() { return attachments_; }
    QString archiveFolder() const;  // empty when pages come from the network
    void cancel() { fetcher_.cancel(); }
    // What the last request gave: whether its page was fetched, why not, the
    // attachments it could not keep.
    const RequestOutcome& lastRequest() const { return lastRequest_; }
    // What the last drawing left: whether Timer1 runs, whether it is kept
    // (AutoRedraw). Before any drawing, both are on, as in a new window.
    const LcdDrawn& lastDrawn() const { return lastDrawn_; }

    // Shows a page file or an http address; a page that cannot be shown
    // leaves the page shown before.
    PageResult open(const QString& page, LcdCanvas& canvas);
    // The request of the controls `host`; a page shown is added to the
    // history when `record` is set.
    RequestOutcome request(RequestHost& host, LcdCanvas& canvas, bool record = true);
    // The page to show again one step back or forward, if there is one.
    std::optional<HistoryEntry> back() { return history_.back(); }
    std::optional<HistoryEntry> forward() { return history_.forward(); }
    void restoreHistory(const std::deque<HistoryEntry>& entries, int current) { history_.restore(entries, current); }
    // The address of the first link whose key is `key`.
    std::optional<QString> linkAddress(const QString& key) const;

    LcdDrawn redraw(LcdCanvas& canvas);
    // The LCD's background white, as the window's first showing draws it.
    void whiteBackground() { model_.backRed = model_.backGreen = model_.backBlue = 255; }
    // The display width of `lineChars` cells a row; nothing when it is not
    // one of kDisplayWidths.
    std::optional<LcdDrawn> setDisplayWidth(int lineChars, LcdCanvas& canvas);
    // Two cells a row fewer or more; nothing at the narrowest or widest.
    std::optional<LcdDrawn> narrower(LcdCanvas& canvas);
    std::optional<LcdDrawn> wider(LcdCanvas& canvas);
    // One row up or down; nothing at the top or the end of the page.
    std::optional<LcdDrawn> scrollUp(LcdCanvas& canvas);
    std::optional<LcdDrawn> scrollDown(LcdCanvas& canvas);
    // A screen up or down: steps and limits count ten rows whatever the width.
    LcdDrawn screenUp(LcdCanvas& canvas);
    LcdDrawn scrollTo(int row, LcdCanvas& canvas);
    LcdDrawn screenDown(LcdCanvas& canvas);
    // A tick of the blink timer: the other blink phase.
    LcdDrawn tick(LcdCanvas& canvas);
    // The page as the LCD reads, pictographs as their Unicode equivalents.
    QString text() const;

private:
    PictureSlots& pictures_;
    std::unique_ptr<Fetcher> ownFetcher_;
    Fetcher& fetcher_;
    AttachmentFolder attachments_;
    bool removeAttachments_ = true;
    PageModel model_;
    PageHistory history_;
    QString sender_, title_;
    RequestOutcome lastRequest_;
    LcdDrawn lastDrawn_{true, true};

    LcdDrawn drew(LcdDrawn pass) { return lastDrawn_ = pass; }
};

}  // namespace sumire
