#pragma once
// The pages of one viewer, without its window: the page model, the picture
// slots, the link table and the attachment files of the page shown, and the
// fetcher the pages come through. `render` and `export` show pages through
// it as a person opens them: a local file in offline mode (its text as the
// source, its folder as the file browser's), an http address in network mode.
// Every drawing goes to the canvas the caller gives.

#include "display/LcdCanvas.h"
#include "display/PageModel.h"
#include "display/PictureSlots.h"
#include "page/AttachmentFolder.h"
#include "page/Fetcher.h"

#include <QString>
#include <QStringList>

namespace sumire {

// What a request for a page gave.
struct PageResult {
    QString error;                       // why the page could not be read or fetched; empty when shown
    QString sender = {}, title = {};     // the captions of the sender and title boxes
    QString source = {};                 // the page text the request scanned
    QStringList failedAttachments = {};  // "name: reason" for each attachment not kept
    bool shown() const { return error.isEmpty(); }
};

class PageSession {
public:
    // Attachment files go into a folder made inside `workDir`, which must
    // exist (a page fails when it cannot be made). Pages are shown
    // `lineChars` cells a row.
    PageSession(PictureSlots& pictures, Fetcher& fetcher, QString workDir, int lineChars = 20);
    ~PageSession();
    PageSession(const PageSession&) = delete;
    PageSession& operator=(const PageSession&) = delete;

    PageModel& model() { return model_; }
    const PageModel& model() const { return model_; }

    // Shows a page file or an http address; a page that cannot be shown
    // leaves the page shown before.
    PageResult open(const QString& page, LcdCanvas& canvas);
    // The display width of `lineChars` cells a row (one of kDisplayWidths).
    void setDisplayWidth(int lineChars, LcdCanvas& canvas);
    // One row down; false at the end of the page.
    bool scrollDown(LcdCanvas& canvas);
    // A tick of the blink timer: the other blink phase.
    void tick(LcdCanvas& canvas);

private:
    PictureSlots& pictures_;
    Fetcher& fetcher_;
    AttachmentFolder attachments_;
    PageModel model_;
    QString sender_, title_;
};

}  // namespace sumire
