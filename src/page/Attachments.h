#pragma once
// The six attachment handlers of the header pass: "Append" lines fetch a file
// from the page's folder, "stream" parts carry it as Base64.

#include "page/PageRequest.h"
#include "text/ScanText.h"

namespace sumire {

// The line that starts each part of a mail with attachments.
inline constexpr QStringView kBoundary = u"--VOV980907";

// `token` is the text that stands at scanPos; the name follows it after an
// opening double quote.
enum class SlotFlag { None, AutoSize, AutoRedraw };
void handleFetchedAttachment(PageModel& model, const ScanText& text, PageServices& services, QStringView token,
                             SlotFlag flag);
void handleEmbeddedAttachment(PageModel& model, const ScanText& text, PageServices& services, QStringView token);

// Text1 up to and including its last "/" or "\"; empty when it has neither.
QString baseAddress(const QString& address);

}  // namespace sumire
