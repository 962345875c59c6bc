#pragma once
// The six attachment handlers of the header pass: "Append" lines fetch a file
// from the page's folder, "stream" parts carry it as Base64.

#include "page/PageRequest.h"
#include "text/ScanText.h"

namespace sumire {

// `advance` is the length of the token and its opening double quote.
enum class SlotFlag { None, AutoSize, AutoRedraw };
void handleFetchedAttachment(PageModel& model, const ScanText& text, PageServices& services,
                             int advance, SlotFlag flag);
void handleEmbeddedAttachment(PageModel& model, const ScanText& text, PageServices& services,
                              int advance);

// Text1 up to and including its last "/" or "\"; empty when it has neither.
QString baseAddress(const QString& address);

}  // namespace sumire
