#include "page/PageRequest.h"

#include "display/EmojiTags.h"
#include "display/LcdRenderer.h"
#include "display/MarkupTags.h"
#include "page/Attachments.h"
#include "page/MailHeaders.h"
#include "page/TextCodec.h"

namespace sumire {
namespace {

const QString kBoundary = QStringLiteral("--VOV980907");
const QString kNoFile = QStringLiteral("ファイルがありません");

// The tests of one header-pass step, in their order; each runs at the
// position the previous one left, and looks at the first character before
// comparing the whole token.
void headerStep(PageModel& m, const ScanText& t, PageServices& s) {
    auto stands = [&](char16_t first, QStringView token) {
        return t.at(m.scanPos) == first && t.startsWith(m.scanPos, token);
    };
    if (stands(u'F', u"From:")) handleSender(m, t, s.host);
    if (stands(u'S', u"Subject:")) handleTitle(m, t, s.host);
    if (stands(u'S', u"SEL=")) handleLink(m, t);
    if (stands(u'A', u"Append: Name=")) handleFetchedAttachment(m, t, s, 14, SlotFlag::AutoSize);
    if (stands(u'A', u"Append:name=")) handleFetchedAttachment(m, t, s, 13, SlotFlag::AutoRedraw);
    if (stands(u'A', u"Append:Name=")) handleFetchedAttachment(m, t, s, 13, SlotFlag::None);
    if (stands(u's', u"stream; Name=")) handleEmbeddedAttachment(m, t, s, 14);
    if (stands(u's', u"stream;Name=")) handleEmbeddedAttachment(m, t, s, 13);
    if (stands(u's', u"stream;name=")) handleEmbeddedAttachment(m, t, s, 13);
    if (stands(u'<', u"<BODY=")) handleBodyColourTag(m, t);
}

// Every header token begins with one of these characters.
bool mayStartHeaderToken(char16_t c) {
    return c == u'F' || c == u'S' || c == u'A' || c == u's' || c == u'<';
}

void bodyStep(PageModel& m, const ScanText& t, int64_t end) {
    // Callers skip characters that start no token; see bodyPass.
    m.tokenKind = 0;
    if (t.at(m.scanPos) == u'<') {
        if (t.startsWith(m.scanPos, u"<IMG=")) handleImageTag(m, t);
        if (t.startsWith(m.scanPos, u"<C=")) handleColourTag(m, t);
        if (t.startsWith(m.scanPos, u"</C>")) handleColourResetTag(m, t);
        if (t.startsWith(m.scanPos, u"<BL>")) handleBlinkStartTag(m, t);
        if (t.startsWith(m.scanPos, u"</BL>")) handleBlinkEndTag(m, t);
        appendTagMarker(m);
    }
    if (t.at(m.scanPos) == u'-' && t.startsWith(m.scanPos, kBoundary)) {
        // Nothing from the boundary on is displayed.
        m.tokenKind = 6;
        m.scanPos = end;
        if (t.at(end) == u'\n') ++m.scanPos;
    }
    const int code = t.at(m.scanPos) == u'<' ? emojiTagAt(t.text(), m.scanPos - 1) : -1;
    if (code >= 0) {
        m.scanPos += int64_t(qstrlen(kEmojiNames[code])) + 2;  // onto the ">"
        m.tokenKind = 7;
        m.emojiCode = code;
    }
    if (m.tokenKind == 0 && t.inside(m.scanPos)) m.lcdText += QChar(t.at(m.scanPos));
    if (m.tokenKind == 7) m.lcdText += QChar(pictographChar(m.emojiCode));
}

}  // namespace

void resetPage(PageModel& m, PageServices& s) {
    // Only the files this program wrote for the previous page are deleted.
    s.attachments.removeWritten();
    m.linkCount = 0;
    m.attachCount = 0;
    m.bodyStart = 1;
    m.lcdCol = m.lcdRow = m.scrollTop = 0;
    m.colorIdx = 0;
    m.textRed = m.textGreen = m.textBlue = 0;
    m.backRed = m.backGreen = m.backBlue = 255;
    m.lcdText.clear();
    for (int i = 0; i < kPictureSlots; ++i) s.pictures.clearSlot(i);
    // Entry 100 is left as it was.
    for (int i = 0; i < kColorEntries - 1; ++i) m.colorRed[i] = m.colorGreen[i] = m.colorBlue[i] = 0;
    m.imageTagName.clear();
    m.imageTagSlot = -1;
}

void headerPass(PageModel& m, const ScanText& text, PageServices& s) {
    const int64_t end = text.length();
    for (m.scanPos = 1; m.scanPos <= end; ++m.scanPos)
        if (mayStartHeaderToken(text.at(m.scanPos))) headerStep(m, text, s);
}

// Every tag, emoji tag and the boundary begins with one of these.
bool mayStartBodyToken(char16_t c) {
    return c == u'<' || c == u'-';
}

void bodyPass(PageModel& m, const ScanText& text) {
    const int64_t end = text.length();
    const QChar* chars = text.text().constData();
    m.lcdText.reserve(qsizetype(std::max<int64_t>(0, end - m.bodyStart + 1)));
    for (m.scanPos = m.bodyStart; m.scanPos <= end; ++m.scanPos) {
        // A run of characters that start no token is copied as it stands,
        // exactly as the steps would copy it one by one.
        int64_t last = m.scanPos;
        while (last <= end && !mayStartBodyToken(chars[last - 1].unicode())) ++last;
        if (last > m.scanPos) {
            m.tokenKind = 0;
            m.lcdText.append(chars + m.scanPos - 1, qsizetype(last - m.scanPos));
            m.scanPos = last - 1;
            continue;
        }
        bodyStep(m, text, end);
    }
}

void fillDownloadMenu(const PageModel& m, RequestHost& host) {
    for (int i = 0; i < kPictureSlots; ++i) {
        if (i < m.attachCount) host.setDownloadItem(i, m.attachNames[i], true);
        else host.setDownloadItem(i, kNoFile, false);
    }
}

RequestOutcome runPageRequest(PageModel& m, PageServices& s) {
    RequestOutcome outcome;
    s.host.setGoEnabled(false);
    s.host.setSenderCaption(QString());
    s.host.setTitleCaption(QString());
    QString address = s.host.addressText();
    // An address written with its leading slashes gets its scheme. Offline,
    // the address box holds the local page's path, which here begins with "/".
    if (s.host.networkMode() && address.startsWith(u'/')) {
        address = QStringLiteral("http:") + address;
        s.host.setAddressText(address);
    }
    QString source;
    if (s.host.networkMode()) {
        const FetchResult r = s.fetcher.fetch(address);
        if (r.ok) {
            m.fetchBytes = r.body;
            source = decodePageBytes(r.body, r.charset);
        } else {
            outcome.fetchFailed = true;
            outcome.error = r.error;
        }
        s.host.setSourceText(source);
    } else {
        source = s.host.sourceText();
    }
    m.pageSource = source;
    s.host.setKeyText(QString());
    resetPage(m, s);
    const ScanText text(m.pageSource);
    headerPass(m, text, s);
    bodyPass(m, text);
    outcome.scanWork = text.work();
    fillDownloadMenu(m, s.host);
    DrawLcd(m, s.pictures, s.canvas);
    s.host.setGoEnabled(true);
    return outcome;
}

}  // namespace sumire
