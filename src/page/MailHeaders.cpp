#include "page/MailHeaders.h"

namespace sumire {
namespace {

// The header value from scanPos up to the next carriage return goes into the
// label; without one the label keeps its caption. Either way scanPos moves by
// the caption's length plus one.
QString takeHeaderValue(PageModel& m, const ScanText& text, const QString& current, bool* changed) {
    QString value;
    *changed = text.textUpTo(m.scanPos, u'\r', &value);
    const QString caption = *changed ? value : current;
    m.scanPos += caption.size() + 1;
    m.scanScratch = text.charText(m.scanPos);
    return caption;
}

// Offset of the tail the clean-up keeps: for k = 1 to the caption's length,
// whenever `probe` stands at position k of the caption as shortened so far,
// the caption becomes its tail from k on.
template <typename Probe>
qsizetype keptTailOffset(const QString& caption, Probe probe) {
    qsizetype offset = 0;
    for (qsizetype k = 1; k <= caption.size(); ++k)
        if (offset + k - 1 < caption.size() && probe(offset + k - 1)) offset += k - 1;
    return offset;
}

}  // namespace

void handleSender(PageModel& m, const ScanText& text, RequestHost& host) {
    m.scanPos += 5;
    bool changed = false;
    const QString caption = takeHeaderValue(m, text, host.senderCaption(), &changed);
    // A sender line that holds an address keeps the part from its "http" on.
    const qsizetype offset =
        keptTailOffset(caption, [&](qsizetype i) { return QStringView(caption).sliced(i).startsWith(u"http"); });
    host.setSenderCaption(caption.mid(offset));
    m.bodyStart = m.scanPos;
}

void handleTitle(PageModel& m, const ScanText& text, RequestHost& host) {
    m.scanPos += 8;
    bool changed = false;
    const QString caption = takeHeaderValue(m, text, host.titleCaption(), &changed);
    const qsizetype offset = keptTailOffset(caption, [&](qsizetype i) { return caption[i] == u' '; });
    host.setTitleCaption(caption.mid(offset));
    m.bodyStart = m.scanPos;
}

void handleLink(PageModel& m, const ScanText& text) {
    m.scanPos += 4;
    // The table holds 1000 links; a later link's statements find no entry.
    if (m.linkCount >= 0 && m.linkCount < kLinkEntries) {
        QString& key = m.linkKeys[m.linkCount];
        QString& target = m.linkTargets[m.linkCount];
        QString value;
        if (text.textUpTo(m.scanPos, u';', &value)) key = value;
        m.scanPos += key.size() + 1;
        if (text.textUpTo(m.scanPos, u'>', &value)) target = value;
        m.scanPos += target.size() + 2;  // past ">" and one more character
    }
    m.scanScratch = text.charText(m.scanPos);
    if (m.scanScratch == u"\n") ++m.scanPos;
    ++m.linkCount;
    m.bodyStart = m.scanPos;
}

}  // namespace sumire
