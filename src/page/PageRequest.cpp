#include "page/PageRequest.h"

#include "display/EmojiTags.h"
#include "display/LcdRenderer.h"
#include "display/MarkupTags.h"
#include "page/Attachments.h"
#include "page/MailHeaders.h"
#include "page/TextCodec.h"

#include <QCoreApplication>
#include <array>

namespace sumire {
namespace {

// The caption of an empty download item, in the language of the windows.
QString noFileCaption() { return QCoreApplication::translate("sumire::Form1", "ファイルがありません"); }

// The characters tokens begin with, for a quick test before the whole token
// is compared. Every token begins with an ASCII character.
class TokenStarts {
public:
    constexpr void add(QStringView token) { starts_.at(token.front().unicode()) = true; }
    constexpr bool has(char16_t c) const { return c < starts_.size() && starts_[c]; }

private:
    std::array<bool, 128> starts_{};
};

// True when `token` stands at scanPos.
bool stands(const PageModel& m, const ScanText& t, QStringView token) {
    return t.at(m.scanPos) == token.front() && t.startsWith(m.scanPos, token);
}

struct HeaderToken {
    QStringView text;
    void (*handle)(PageModel& m, const ScanText& t, PageServices& s, QStringView token);
};

// The header handlers, in the form of the table's rows.
void sender(PageModel& m, const ScanText& t, PageServices& s, QStringView) { handleSender(m, t, s.host); }
void title(PageModel& m, const ScanText& t, PageServices& s, QStringView) { handleTitle(m, t, s.host); }
void link(PageModel& m, const ScanText& t, PageServices&, QStringView) { handleLink(m, t); }
void bodyColours(PageModel& m, const ScanText& t, PageServices&, QStringView tag) { handleBodyColourTag(m, t, tag); }
template <SlotFlag kFlag>
void fetchedAttachment(PageModel& m, const ScanText& t, PageServices& s, QStringView token) {
    handleFetchedAttachment(m, t, s, token, kFlag);
}

// The tests of one header-pass step, in their order; each runs at the
// position the previous one left.
constexpr HeaderToken kHeaderTokens[] = {
    {u"From:", sender},
    {u"Subject:", title},
    {u"SEL=", link},
    {u"Append: Name=", fetchedAttachment<SlotFlag::AutoSize>},
    {u"Append:name=", fetchedAttachment<SlotFlag::AutoRedraw>},
    {u"Append:Name=", fetchedAttachment<SlotFlag::None>},
    {u"stream; Name=", handleEmbeddedAttachment},
    {u"stream;Name=", handleEmbeddedAttachment},
    {u"stream;name=", handleEmbeddedAttachment},
    {u"<BODY=", bodyColours},
};

constexpr TokenStarts kHeaderStarts = [] {
    TokenStarts starts;
    for (const HeaderToken& token : kHeaderTokens) starts.add(token.text);
    return starts;
}();

// The body's tokens: the markup tags, the boundary and the emoji tags.
constexpr TokenStarts kBodyStarts = [] {
    TokenStarts starts;
    for (const MarkupTag& tag : kMarkupTags) starts.add(tag.text);
    starts.add(kBoundary);
    starts.add(kEmojiTagStart);
    return starts;
}();

void headerStep(PageModel& m, const ScanText& t, PageServices& s) {
    for (const HeaderToken& token : kHeaderTokens)
        if (stands(m, t, token.text)) token.handle(m, t, s, token.text);
}

void bodyStep(PageModel& m, const ScanText& t, int64_t end) {
    // Callers skip characters that start no token; see bodyPass.
    m.tokenKind = kNoToken;
    markupStep(m, t);
    if (stands(m, t, kBoundary)) {
        // Nothing from the boundary on is displayed.
        m.tokenKind = kBoundaryToken;
        m.scanPos = end;
        if (t.at(end) == u'\n') ++m.scanPos;
    }
    const int code = stands(m, t, kEmojiTagStart) ? emojiTagAt(t.text(), m.scanPos - 1) : -1;
    if (code >= 0) {
        m.scanPos += kEmojiTagStart.size() + int64_t(qstrlen(kEmojiNames[code]));  // onto the ">"
        m.tokenKind = kEmojiToken;
        m.emojiCode = code;
    }
    if (m.tokenKind == kNoToken && t.inside(m.scanPos)) m.lcdText += QChar(t.at(m.scanPos));
    if (m.tokenKind == kEmojiToken) m.lcdText += QChar(pictographChar(m.emojiCode));
}

// A page that cannot be fetched leaves the page shown as it was: nothing is
// scanned, and the labels the request cleared get their texts back.
RequestOutcome keepShownPage(PageServices& s, const QString& sender, const QString& title, const QString& error) {
    s.host.setSenderCaption(sender);
    s.host.setTitleCaption(title);
    s.host.setGoEnabled(true);
    return RequestOutcome{true, error, {}, 0, std::nullopt};
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
        if (kHeaderStarts.has(text.at(m.scanPos))) headerStep(m, text, s);
}

void bodyPass(PageModel& m, const ScanText& text) {
    const int64_t end = text.length();
    const QChar* chars = text.text().constData();
    m.lcdText.reserve(qsizetype(std::max<int64_t>(0, end - m.bodyStart + 1)));
    for (m.scanPos = m.bodyStart; m.scanPos <= end; ++m.scanPos) {
        // A run of characters that start no token is copied as it stands,
        // exactly as the steps would copy it one by one.
        int64_t last = m.scanPos;
        while (last <= end && !kBodyStarts.has(chars[last - 1].unicode())) ++last;
        if (last > m.scanPos) {
            m.tokenKind = kNoToken;
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
        else host.setDownloadItem(i, noFileCaption(), false);
    }
}

namespace {

// The page and all its attachments share one deadline, lifted at the end.
class RequestDeadline {
public:
    explicit RequestDeadline(Fetcher& fetcher) : fetcher_(fetcher) {
        fetcher_.setDeadline(QDeadlineTimer(fetcher_.requestTimeMs()));
    }
    ~RequestDeadline() { fetcher_.setDeadline(QDeadlineTimer(QDeadlineTimer::Forever)); }
    RequestDeadline(const RequestDeadline&) = delete;
    RequestDeadline& operator=(const RequestDeadline&) = delete;

private:
    Fetcher& fetcher_;
};

}  // namespace

RequestOutcome runPageRequest(PageModel& m, PageServices& services) {
    RequestOutcome outcome;
    PageServices s = services;
    s.failedAttachments = &outcome.failedAttachments;
    s.embedded = &outcome.embedded;
    const RequestDeadline deadline(s.fetcher);
    s.host.setGoEnabled(false);
    const QString sender = s.host.senderCaption(), title = s.host.titleCaption();
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
        if (!r.ok) return keepShownPage(s, sender, title, r.error);
        m.fetchBytes = r.body;
        source = decodePageBytes(r.body, r.charset);
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
    outcome.drawn = DrawLcd(m, s.pictures, s.canvas);
    s.host.setGoEnabled(true);
    return outcome;
}

}  // namespace sumire
