// The plain second implementation of the page request and of DrawLcd. It is
// written for reading, not for speed: positions are 1-based as in the page
// format, a character outside the text reads as "", and nothing is cached.

#include "ReferenceScan.h"

#include "page/LocalRead.h"

#include "display/CellWidth.h"
#include "display/EmojiTags.h"
#include "page/Base64.h"
#include "page/TextCodec.h"

#include <algorithm>
#include <cmath>

namespace sumire::test {
namespace {

const QString kBoundary = QStringLiteral("--VOV980907");
const QString kNoFile = QStringLiteral("ファイルがありません");
// Top-left corner of the first text cell, twips.
constexpr int64_t kTextLeftRef = 400, kTextTopRef = 1000;

// ---------------------------------------------------------------------------
// Plain text helpers, 1-based.

// The character at position p, or "" outside the text.
QString charAt(const QString& text, int64_t p) {
    if (p < 1 || p > text.size()) return QString();
    return QString(text[p - 1]);
}

bool isChar(const QString& ch, char16_t code) { return ch.size() == 1 && ch[0].unicode() == code; }

// True when `token` stands at position p (and does not run past the end).
bool standsAt(const QString& text, int64_t p, const QString& token) {
    if (p < 1 || p > text.size()) return false;
    return QStringView(text).mid(p - 1).startsWith(token);
}

// Position of the first `needle` at or after p, 0 when there is none.
int64_t findFrom(const QString& text, int64_t p, const QString& needle) {
    if (p < 1 || p > text.size()) return 0;
    const qsizetype at = text.indexOf(needle, p - 1);
    return at < 0 ? 0 : at + 1;
}

// The text from p up to (not including) the next `delimiter`; false when no
// delimiter follows p.
bool textUpTo(const QString& text, int64_t p, const QString& delimiter, QString* out) {
    const int64_t end = findFrom(text, p, delimiter);
    if (end == 0) return false;
    *out = text.mid(p - 1, end - p);
    return true;
}

// red + 256 * green + 65536 * blue, a component above 255 counting as 255.
int colourOf(int64_t red, int64_t green, int64_t blue) {
    auto limited = [](int64_t v) { return int(std::clamp<int64_t>(v, 0, 255)); };
    return limited(red) + 256 * limited(green) + 65536 * limited(blue);
}

// The pictograph character of emoji code c: the handsets' Shift_JIS code
// F040 + c (trail bytes skip 0x7F), which code page 932 reads as U+E000 + c.
QChar pictograph(int code) { return QChar(char16_t(0xE000 + code)); }

// ---------------------------------------------------------------------------
// The request.

enum class Flag { None, AutoSize, AutoRedraw };

struct Request {
    PageModel& m;
    PageServices& s;
    const QString& page() const { return m.pageSource; }
    QString charHere() const { return charAt(m.pageSource, m.scanPos); }
    // The previous <IMG= tag of this page load: its name and slot (-1: none yet).
    QString imageName;
    int imageSlot = -1;
};

// HexDigitValue: "0".."9", "A".."F"; anything else keeps hexValue.
void hexDigitValue(PageModel& m, const QString& hexChar) {
    if (hexChar.size() != 1) return;
    const char16_t c = hexChar[0].unicode();
    if (c >= '0' && c <= '9') m.hexValue = c - '0';
    if (c >= 'A' && c <= 'F') m.hexValue = c - 'A' + 10;
}

// Two digits at scanPos, most significant first; scanPos moves past both.
int64_t readComponent(Request& r) {
    hexDigitValue(r.m, r.charHere());
    const int64_t high = r.m.hexValue;
    ++r.m.scanPos;
    hexDigitValue(r.m, r.charHere());
    const int64_t low = r.m.hexValue;
    ++r.m.scanPos;
    return high * 16 + low;
}

// "From:": the sender line, cut to its "http" part.
void senderHeader(Request& r) {
    RequestHost& host = r.s.host;
    r.m.scanPos += 5;
    QString value;
    if (textUpTo(r.page(), r.m.scanPos, QStringLiteral("\r"), &value)) host.setSenderCaption(value);
    r.m.scanPos += host.senderCaption().size() + 1;
    r.m.scanScratch = r.charHere();
    QString caption = host.senderCaption();
    const int64_t length = caption.size();
    for (int64_t k = 1; k <= length; ++k)
        if (caption.mid(k - 1, 4) == QStringLiteral("http")) caption = caption.mid(k - 1);
    host.setSenderCaption(caption);
    r.m.bodyStart = r.m.scanPos;
}

// "Subject:": the title line, cut at each blank met on the way.
void titleHeader(Request& r) {
    RequestHost& host = r.s.host;
    r.m.scanPos += 8;
    QString value;
    if (textUpTo(r.page(), r.m.scanPos, QStringLiteral("\r"), &value)) host.setTitleCaption(value);
    r.m.scanPos += host.titleCaption().size() + 1;
    r.m.scanScratch = r.charHere();
    QString caption = host.titleCaption();
    const int64_t length = caption.size();
    for (int64_t k = 1; k <= length; ++k)
        if (caption.mid(k - 1, 1) == QStringLiteral(" ")) caption = caption.mid(k - 1);
    host.setTitleCaption(caption);
    r.m.bodyStart = r.m.scanPos;
}

// "SEL=": key up to ";", target up to ">"; only entries 0..999 exist.
void linkDefinition(Request& r) {
    PageModel& m = r.m;
    m.scanPos += 4;
    if (m.linkCount < kLinkEntries) {
        const int64_t i = m.linkCount;
        QString value;
        if (textUpTo(r.page(), m.scanPos, QStringLiteral(";"), &value)) m.linkKeys[i] = value;
        m.scanPos += m.linkKeys[i].size() + 1;
        if (textUpTo(r.page(), m.scanPos, QStringLiteral(">"), &value)) m.linkTargets[i] = value;
        m.scanPos += m.linkTargets[i].size() + 2;
    }
    m.scanScratch = r.charHere();
    if (isChar(m.scanScratch, 10)) ++m.scanPos;
    ++m.linkCount;
    m.bodyStart = m.scanPos;
}

// attachNames(n) = the text up to the next double quote; false when there is
// no closing quote or no entry n.
bool storeAttachName(Request& r, int64_t n) {
    if (n >= kAttachEntries) return false;
    QString name;
    if (!textUpTo(r.page(), r.m.scanPos, QStringLiteral("\""), &name)) return false;
    r.m.attachNames[n] = name;
    return true;
}

// Text1 up to and including its last "/" or "\".
QString baseOf(const QString& address) {
    const qsizetype cut = std::max(address.lastIndexOf('/'), address.lastIndexOf('\\'));
    return cut < 0 ? QString() : address.left(cut + 1);
}

// Slot update for attachment n by the last three characters of its name.
void slotUpdate(Request& r, int64_t n, const QString& writtenPath, Flag flag) {
    PictureSlots& pictures = r.s.pictures;
    const int slot = int(n);
    const QString name = r.m.attachNames[n];
    const QString ext = name.right(3);
    if (ext == QStringLiteral("bmp")) {
        if (!writtenPath.isEmpty()) pictures.loadSlot(slot, writtenPath);
        const QString plain = AttachmentFolder::plainFileName(name);
        if (!r.s.host.networkMode() && !plain.isEmpty())
            pictures.loadSlot(slot, r.s.host.browserFolder() + "/" + plain);
        if (flag == Flag::AutoSize) pictures.setAutoSize(slot);
        if (flag == Flag::AutoRedraw) pictures.setAutoRedraw(slot);
    }
    if (ext == QStringLiteral("dxm")) pictures.copySlot(kMelodyIconSlot, slot);
    if (ext == QStringLiteral("dat")) pictures.copySlot(kDataIconSlot, slot);
}

// "Append" tokens: the file is fetched from the folder of the page's address.
void fetchedAttachment(Request& r, int advance, Flag flag) {
    PageModel& m = r.m;
    const int64_t n = m.attachCount;
    m.scanPos += advance;                      // step 1
    const bool named = storeAttachName(r, n);  // step 2
    if (n < kPictureSlots && named) {          // steps 3 to 6
        const QString base = baseOf(r.s.host.addressText());
        const QString address = base + m.attachNames[n];
        // A local name is read only inside the page's folder, links resolved.
        const std::optional<QString> from =
            isNetworkAddress(address) ? std::optional(address)
                                      : confinedPath(base.isEmpty() ? "." : localPathOf(base), localPathOf(address));
        const FetchResult got = from ? r.s.fetcher.fetch(*from) : FetchResult{};
        QString written;
        if (got.ok) {
            m.fetchBytes = got.body;
            written = r.s.attachments.write(m.attachNames[n], m.fetchBytes);
        }
        slotUpdate(r, n, written, flag);
    }
    if (n < kAttachEntries) m.scanPos += m.attachNames[n].size() + 1;  // step 7
    m.scanScratch = r.charHere();                                      // step 8
    ++m.attachCount;                                                   // step 9
    if (isChar(m.scanScratch, 10)) ++m.scanPos;                        // step 10
    m.bodyStart = m.scanPos;                                           // step 11
}

// "stream" tokens: the Base64 text from "Qk" up to the boundary.
void embeddedAttachment(Request& r, int advance) {
    PageModel& m = r.m;
    const int64_t n = m.attachCount;
    m.scanPos += advance;                                                    // step 1
    const bool named = storeAttachName(r, n);                                // step 2
    const int64_t qk = findFrom(r.page(), m.scanPos, QStringLiteral("Qk"));  // step 3
    const int64_t end = qk == 0 ? 0 : findFrom(r.page(), qk, kBoundary);     // step 4
    if (qk != 0) m.scanPos = qk;
    // Without "Qk" or without a boundary after it nothing is decoded and the
    // slot stays as the reset left it; the attachment is still counted.
    if (end != 0) {
        m.scanScratch = r.page().mid(qk - 1, end - qk);  // step 5
        m.scanPos = end;
        m.scanScratch = StripLineBreaks(m.scanScratch);  // step 6
        if (n < kPictureSlots && named) {                // steps 7 to 9
            QString written;
            const std::optional<QByteArray> bytes = DecodeBase64(m.scanScratch);
            if (bytes) {
                m.fetchBytes = *bytes;
                written = r.s.attachments.write(m.attachNames[n], m.fetchBytes);
            }
            slotUpdate(r, n, written, Flag::None);
        }
    }
    ++m.attachCount;  // step 10
}

// "<BODY=": text colour added, background replaced by the digits after "BG=".
void bodyColourTag(Request& r) {
    PageModel& m = r.m;
    m.scanPos += 6;
    m.textRed += readComponent(r);
    m.textGreen += readComponent(r);
    m.textBlue += readComponent(r);
    const int64_t bg = findFrom(r.page(), m.scanPos, QStringLiteral("BG="));
    if (bg == 0) {
        // No "BG=": the background stays, the body starts on the next line.
        const int64_t lf = findFrom(r.page(), m.scanPos, QStringLiteral("\n"));
        m.scanPos = lf == 0 ? r.page().size() + 1 : lf + 1;
    } else {
        m.scanPos = bg + 3;
        m.backRed = 0;
        m.backGreen = 0;
        m.backBlue = 0;
        m.backRed += readComponent(r);
        m.backGreen += readComponent(r);
        m.backBlue += readComponent(r);
        m.scanPos += 2;
        if (isChar(r.charHere(), 10)) ++m.scanPos;
    }
    m.bodyStart = m.scanPos;
}

// One step of the header pass: the ten tokens in their order, each at the
// then current position.
void headerStep(Request& r) {
    const QString& page = r.page();
    PageModel& m = r.m;
    if (standsAt(page, m.scanPos, QStringLiteral("From:"))) senderHeader(r);
    if (standsAt(page, m.scanPos, QStringLiteral("Subject:"))) titleHeader(r);
    if (standsAt(page, m.scanPos, QStringLiteral("SEL="))) linkDefinition(r);
    if (standsAt(page, m.scanPos, QStringLiteral("Append: Name="))) fetchedAttachment(r, 14, Flag::AutoSize);
    if (standsAt(page, m.scanPos, QStringLiteral("Append:name="))) fetchedAttachment(r, 13, Flag::AutoRedraw);
    if (standsAt(page, m.scanPos, QStringLiteral("Append:Name="))) fetchedAttachment(r, 13, Flag::None);
    if (standsAt(page, m.scanPos, QStringLiteral("stream; Name="))) embeddedAttachment(r, 14);
    if (standsAt(page, m.scanPos, QStringLiteral("stream;Name="))) embeddedAttachment(r, 13);
    if (standsAt(page, m.scanPos, QStringLiteral("stream;name="))) embeddedAttachment(r, 13);
    if (standsAt(page, m.scanPos, QStringLiteral("<BODY="))) bodyColourTag(r);
}

void headerPass(Request& r) {
    const int64_t last = r.page().size();
    for (r.m.scanPos = 1; r.m.scanPos <= last; ++r.m.scanPos) headerStep(r);
}

// "<IMG=": the slot whose saved name equals the tag's name (the last one wins).
void imageTag(Request& r) {
    PageModel& m = r.m;
    m.tokenKind = 2;
    m.scanPos += 6;
    QString name;
    if (textUpTo(r.page(), m.scanPos, QStringLiteral("\""), &name)) r.imageName = name;
    for (int k = 0; k < kPictureSlots; ++k)
        if (m.attachNames[k] == r.imageName) r.imageSlot = k;
    m.scanPos += r.imageName.size() + 1;
    if (isChar(r.charHere(), 13)) ++m.scanPos;
}

// "<C=": six digits added to colour-change entry colorIdx (entries 0..100).
void colourTag(Request& r) {
    PageModel& m = r.m;
    m.tokenKind = 4;
    m.scanPos += 3;
    const int64_t red = readComponent(r);
    const int64_t green = readComponent(r);
    const int64_t blue = readComponent(r);
    if (m.colorIdx >= 0 && m.colorIdx < kColorEntries) {
        m.colorRed[m.colorIdx] += red;
        m.colorGreen[m.colorIdx] += green;
        m.colorBlue[m.colorIdx] += blue;
    }
    if (isChar(r.charHere(), 10)) ++m.scanPos;
    ++m.colorIdx;
}

// "</C>", "<BL>", "</BL>": onto the ">", one more over a carriage return.
void shortTag(Request& r, int kind, int advance) {
    r.m.tokenKind = kind;
    r.m.scanPos += advance;
    if (isChar(r.charHere(), 13)) ++r.m.scanPos;
}

void appendMarker(Request& r) {
    PageModel& m = r.m;
    switch (m.tokenKind) {
    case 2:
        m.lcdText += QChar(kImageMarker);
        if (r.imageSlot >= 0) m.lcdText += QString::number(r.imageSlot);
        break;
    case 4: m.lcdText += QChar(kColorMarker); break;
    case 5: m.lcdText += QChar(kColorResetMarker); break;
    case 8: m.lcdText += QChar(kBlinkStartMarker); break;
    case 9: m.lcdText += QChar(kBlinkEndMarker); break;
    default: break;
    }
}

// The boundary ends the body: the pass jumps to the last character.
void endOfBody(Request& r) {
    PageModel& m = r.m;
    m.tokenKind = 6;
    m.scanPos = r.page().size();
    if (isChar(r.charHere(), 10)) ++m.scanPos;
}

// All 95 emoji tags in the order of their codes.
void emojiTags(Request& r) {
    PageModel& m = r.m;
    for (int code = 0; code < kEmojiCount; ++code) {
        const QString tag = "<#" + QString::fromLatin1(kEmojiNames[code]) + ">";
        if (standsAt(r.page(), m.scanPos, tag)) {
            m.scanPos += tag.size() - 1;
            m.tokenKind = 7;
            m.emojiCode = code;
        }
    }
}

void bodyStep(Request& r) {
    const QString& page = r.page();
    PageModel& m = r.m;
    m.tokenKind = 0;                                                      // step 1
    if (standsAt(page, m.scanPos, QStringLiteral("<IMG="))) imageTag(r);  // step 2
    if (standsAt(page, m.scanPos, QStringLiteral("<C="))) colourTag(r);
    if (standsAt(page, m.scanPos, QStringLiteral("</C>"))) shortTag(r, 5, 3);
    if (standsAt(page, m.scanPos, QStringLiteral("<BL>"))) shortTag(r, 8, 3);
    if (standsAt(page, m.scanPos, QStringLiteral("</BL>"))) shortTag(r, 9, 4);
    appendMarker(r);                                         // step 3
    if (standsAt(page, m.scanPos, kBoundary)) endOfBody(r);  // step 4
    emojiTags(r);                                            // step 5
    if (m.tokenKind == 0) m.lcdText += r.charHere();         // step 6
    if (m.tokenKind == 7) m.lcdText += pictograph(m.emojiCode);
}

void bodyPass(Request& r) {
    const int64_t last = r.page().size();
    for (r.m.scanPos = r.m.bodyStart; r.m.scanPos <= last; ++r.m.scanPos) bodyStep(r);
}

// Steps 3 and 5 of the start: address completion (network mode only) and the
// page source; false when the page cannot be fetched.
bool pageSource(Request& r) {
    RequestHost& host = r.s.host;
    if (host.networkMode() && host.addressText().startsWith('/')) host.setAddressText("http:" + host.addressText());
    if (!host.networkMode()) {
        r.m.pageSource = host.sourceText();
        return true;
    }
    const FetchResult got = r.s.fetcher.fetch(host.addressText());
    if (!got.ok) return false;
    r.m.pageSource = decodePageBytes(got.body, got.charset);
    r.m.fetchBytes = got.body;
    host.setSourceText(r.m.pageSource);
    return true;
}

// Steps 7 to 10 of the start.
void resetPage(Request& r) {
    PageModel& m = r.m;
    r.s.attachments.removeWritten();
    m.linkCount = 0;
    m.attachCount = 0;
    m.bodyStart = 1;
    m.lcdCol = m.lcdRow = m.scrollTop = 0;
    m.colorIdx = 0;
    m.textRed = m.textGreen = m.textBlue = 0;
    m.backRed = m.backGreen = m.backBlue = 255;
    m.lcdText.clear();
    for (int i = 0; i < kPictureSlots; ++i) r.s.pictures.clearSlot(i);
    for (int i = 0; i < 100; ++i) m.colorRed[i] = m.colorGreen[i] = m.colorBlue[i] = 0;
}

void downloadMenu(Request& r) {
    for (int i = 0; i < 10; ++i) {
        if (i < r.m.attachCount) r.s.host.setDownloadItem(i, r.m.attachNames[i], true);
        else r.s.host.setDownloadItem(i, kNoFile, false);
    }
}

// ---------------------------------------------------------------------------
// DrawLcd.

struct Drawing {
    PageModel& m;
    const PictureSlots& pictures;
    LcdCanvas& canvas;
    int foreColor = 0;
    int blinkColor = 0;  // empty at the start of a pass: black
    bool timerOn = false;
    bool autoRedraw = true;  // as the previous pass left it: every pass sets it anew
};

bool visibleRow(const PageModel& m) { return m.scrollTop <= m.lcdRow && m.lcdRow < m.scrollTop + m.lineCount; }

// Step 5.4: colour markers, on every row.
void colourMarkers(Drawing& d, const QString& ch) {
    PageModel& m = d.m;
    if (isChar(ch, kColorMarker)) {
        if (m.colorIdx >= 0 && m.colorIdx < kColorEntries)
            d.foreColor = colourOf(m.colorRed[m.colorIdx], m.colorGreen[m.colorIdx], m.colorBlue[m.colorIdx]);
        --m.lcdCol;
        ++m.colorIdx;
    }
    if (isChar(ch, kColorResetMarker)) {
        d.foreColor = colourOf(m.textRed, m.textGreen, m.textBlue);
        --m.lcdCol;
    }
}

// Step 5.5.5: print the character, in the blink colour of the phase while a
// blink run is on.
void printCharacter(Drawing& d, const QString& ch, int64_t x, int64_t y) {
    PageModel& m = d.m;
    if (m.blinkActive != 0)
        d.foreColor = m.blinkPhase == 0 ? d.blinkColor : colourOf(m.backRed, m.backGreen, m.backBlue);
    if (!ch.isEmpty()) d.canvas.text(x, y, ch[0].unicode(), d.foreColor);
}

// Step 5.5.6, one slot: reserve its rows, copy it when it fits.
void placeImage(Drawing& d, int slot) {
    PageModel& m = d.m;
    const int64_t height = d.pictures.slotHeight(slot);
    const int64_t rows = height * 4 / 1096;
    if (m.lcdRow < m.scrollTop + m.lineCount - rows) {
        const double y = double(m.lcdRow - m.scrollTop) * 13.6 * m.lineHeight / 200 + 54;
        d.canvas.blt(slot, 48, int64_t(std::nearbyint(y)), d.pictures.slotWidth(slot), height);
    }
    m.lcdRow += rows;
    m.imageRows += rows;
}

// Step 5.5.6: the image marker ends the line and takes the next character as
// its slot number.
void imageMarker(Drawing& d) {
    PageModel& m = d.m;
    m.lcdCol = m.lineChars - 1;
    ++m.lcdRow;
    ++m.loopIdx;
    const QString slotChar = charAt(m.lcdText, m.loopIdx);
    for (int k = 0; k <= 9; ++k)
        if (slotChar == QString::number(k)) placeImage(d, k);
    ++m.loopIdx;
}

// Step 5.5: a character other than CR and LF on a visible row. Returns the
// character whose width the advance uses.
QString visibleCharacter(Drawing& d, QString ch) {
    PageModel& m = d.m;
    if (isChar(ch, kBlinkStartMarker)) {  // 5.5.1
        m.blinkActive = 1;
        ++m.loopIdx;
        d.timerOn = true;
        d.autoRedraw = false;
        d.blinkColor = d.foreColor;
    }
    if (isChar(ch, kBlinkEndMarker)) {  // 5.5.2
        m.blinkActive = 0;
        ++m.loopIdx;
        d.foreColor = d.blinkColor;
    }
    ch = charAt(m.lcdText, m.loopIdx);                        // 5.5.3
    const int64_t x = kTextLeftRef + m.lcdCol * m.charWidth;  // 5.5.4
    const int64_t y = kTextTopRef + (m.lcdRow - m.scrollTop) * m.lineHeight;
    if (!isChar(ch, kImageMarker) && !isChar(ch, kColorMarker) && !isChar(ch, kColorResetMarker))
        printCharacter(d, ch, x, y);               // 5.5.5
    if (isChar(ch, kImageMarker)) imageMarker(d);  // 5.5.6
    return ch;
}

void drawStep(Drawing& d) {
    PageModel& m = d.m;
    QString ch = charAt(m.lcdText, m.loopIdx);       // 5.1
    if (isChar(ch, 10)) m.lcdCol = m.lineChars - 1;  // 5.2
    if (isChar(ch, 13)) {                            // 5.3
        m.lcdCol = m.lineChars - 1;
        --m.lcdRow;
    }
    if (!isChar(ch, 10) && !isChar(ch, 13)) {
        colourMarkers(d, ch);                             // 5.4
        if (visibleRow(m)) ch = visibleCharacter(d, ch);  // 5.5
    }
    m.lcdCol += ch.isEmpty() ? 1 : cellWidth(ch[0].unicode());  // 5.6
    if (m.lcdCol >= m.lineChars - 1) {
        m.lcdCol = 0;
        ++m.lcdRow;
    }
}

}  // namespace

std::optional<LcdDrawn> referencePageRequest(PageModel& model, PageServices& services) {
    Request r{model, services, QString(), -1};
    RequestHost& host = services.host;
    host.setGoEnabled(false);  // step 1
    const QString sender = host.senderCaption(), title = host.titleCaption();
    host.setSenderCaption(QString());  // step 2
    host.setTitleCaption(QString());
    if (!pageSource(r)) {  // steps 3 and 5; a page that cannot be fetched changes nothing
        host.setSenderCaption(sender);
        host.setTitleCaption(title);
        host.setGoEnabled(true);
        return std::nullopt;
    }
    host.setKeyText(QString());  // step 6
    resetPage(r);                // steps 7 to 10
    headerPass(r);
    bodyPass(r);
    downloadMenu(r);
    const LcdDrawn drawn = referenceDrawLcd(model, services.pictures, services.canvas);
    host.setGoEnabled(true);
    return drawn;
}

LcdDrawn referenceDrawLcd(PageModel& m, const PictureSlots& pictures, LcdCanvas& canvas) {
    Drawing d{m, pictures, canvas};
    m.lcdCol = 0;  // step 1
    m.lcdRow = 0;
    m.colorIdx = 0;
    m.imageRows = 0;
    m.blinkActive = 0;
    d.timerOn = false;                                                               // step 2
    d.foreColor = colourOf(m.textRed, m.textGreen, m.textBlue);                      // step 3
    canvas.box(360, 960, 2415, 3015, colourOf(m.backRed, m.backGreen, m.backBlue));  // step 4
    canvas.frame(360, 960, 2415, 3015, 0);
    const int64_t last = m.lcdText.size();  // step 5
    for (m.loopIdx = 1; m.loopIdx <= last; ++m.loopIdx) drawStep(d);
    m.lcdRow -= 10;                       // step 6
    if (!d.timerOn) d.autoRedraw = true;  // step 7
    return {d.timerOn, d.autoRedraw};
}

}  // namespace sumire::test
