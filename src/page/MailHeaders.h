#pragma once
// "From:", "Subject:" and "SEL=" of the header pass.

#include "display/PageModel.h"
#include "page/RequestHost.h"
#include "text/ScanText.h"

namespace sumire {

void handleSender(PageModel& model, const ScanText& text, RequestHost& host);
void handleTitle(PageModel& model, const ScanText& text, RequestHost& host);
void handleLink(PageModel& model, const ScanText& text);

}  // namespace sumire
