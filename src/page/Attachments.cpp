#include "page/Attachments.h"

#include "page/Base64.h"
#include "page/LocalRead.h"

#include <QFileInfo>

namespace sumire {
namespace {

// Names the attachment for a status line or a terminal; a control character
// the page put into its name (and so into a path) becomes "?".
void noteFailure(PageServices& s, const QString& name, const QString& reason) {
    if (!s.failedAttachments) return;
    QString line = name + QStringLiteral(": ") + reason;
    for (QChar& c : line)
        if (c.category() == QChar::Other_Control) c = u'?';
    s.failedAttachments->append(line);
}

// The attachment's bytes, from beside the page's address. A local file is
// read only from the page's own folder and its subfolders.
FetchResult fetchAttachment(PageServices& s, const QString& name) {
    const QString base = baseAddress(s.host.addressText());
    const QString address = base + name;
    if (isNetworkAddress(address)) return s.fetcher.fetch(address);
    const QString folder = base.isEmpty() ? QStringLiteral(".") : localPathOf(base);
    if (const std::optional<QString> path = confinedPath(folder, localPathOf(address))) return s.fetcher.fetch(*path);
    FetchResult refused;
    refused.error = QStringLiteral("outside the page's folder");
    return refused;
}

// The picture of that name in the file browser's folder, when it is a
// regular file inside that folder once every link is resolved.
std::optional<QString> browserPicture(const QString& folder, const QString& plain) {
    const std::optional<QString> path = confinedPath(folder, folder + u'/' + plain);
    if (path && QFileInfo(*path).isFile()) return path;
    return std::nullopt;
}

// attachNames(n) = the text from scanPos up to the next double quote. False
// when the quote does not follow; the entry then keeps what it held.
bool takeName(PageModel& m, const ScanText& text, int64_t n) {
    // Past the list's end there is no entry to fill, and nothing is copied:
    // a page of many names must not cost a copy of the rest of the text each.
    if (n >= kAttachEntries) return false;
    QString name;
    if (!text.textUpTo(m.scanPos, u'"', &name)) return false;
    m.attachNames[n] = name;
    return true;
}

// Shows attachment n in its picture slot: the picture itself, or the melody
// or data icon. The extension test is case-sensitive.
void updateSlot(const PageModel& m, PageServices& s, int n, const QString& written, SlotFlag flag) {
    const QString& name = m.attachNames[n];
    const QString ext = name.right(3);
    if (ext == u"bmp") {
        if (!written.isEmpty()) s.pictures.loadSlot(n, written);
        // Offline, the picture comes from the folder the file browser shows.
        const QString plain = AttachmentFolder::plainFileName(name);
        const std::optional<QString> offline =
            s.host.networkMode() || plain.isEmpty() ? std::nullopt : browserPicture(s.host.browserFolder(), plain);
        if (offline) s.pictures.loadSlot(n, *offline);
        if (flag == SlotFlag::AutoSize) s.pictures.setAutoSize(n);
        if (flag == SlotFlag::AutoRedraw) s.pictures.setAutoRedraw(n);
    } else if (ext == u"dxm") {
        s.pictures.copySlot(kMelodyIconSlot, n);
    } else if (ext == u"dat") {
        s.pictures.copySlot(kDataIconSlot, n);
    }
}

// Keeps the bytes as the attachment's file; nothing is written for a page's
// eleventh or later attachment, which has no slot.
QString keepBytes(PageModel& m, PageServices& s, int64_t n, const QByteArray& bytes) {
    m.fetchBytes = bytes;
    QString error;
    const QString written = s.attachments.write(m.attachNames[n], bytes, &error);
    if (written.isEmpty()) noteFailure(s, m.attachNames[n], error);
    return written;
}

}  // namespace

QString baseAddress(const QString& address) {
    const qsizetype cut = std::max(address.lastIndexOf(u'/'), address.lastIndexOf(u'\\'));
    return cut < 0 ? QString() : address.left(cut + 1);
}

void handleFetchedAttachment(PageModel& m, const ScanText& text, PageServices& s, QStringView token, SlotFlag flag) {
    const int64_t n = m.attachCount;
    m.scanPos += token.size() + 1;  // and the opening quote
    const bool named = takeName(m, text, n);
    if (named && n < kPictureSlots) {
        const FetchResult r = fetchAttachment(s, m.attachNames[n]);
        if (!r.ok) noteFailure(s, m.attachNames[n], r.error);
        const QString written = r.ok ? keepBytes(m, s, n, r.body) : QString();
        updateSlot(m, s, int(n), written, flag);
    }
    if (n < kAttachEntries) m.scanPos += m.attachNames[n].size() + 1;
    m.scanScratch = text.charText(m.scanPos);
    ++m.attachCount;
    if (m.scanScratch == u"\n") ++m.scanPos;
    m.bodyStart = m.scanPos;
}

void handleEmbeddedAttachment(PageModel& m, const ScanText& text, PageServices& s, QStringView token) {
    const int64_t n = m.attachCount;
    m.scanPos += token.size() + 1;  // and the opening quote
    const bool named = takeName(m, text, n);
    // The Base64 text begins at the next "Qk" (the start of a bitmap file)
    // and ends before the boundary; without either it is not decoded.
    const int64_t start = text.find(m.scanPos, u"Qk");
    const int64_t end = start == 0 ? 0 : text.find(start, kBoundary);
    if (start != 0) m.scanPos = start;
    if (end != 0) {
        m.scanScratch = text.text().mid(start - 1, end - start);
        m.scanPos = end;
        m.scanScratch = StripLineBreaks(m.scanScratch);
        const std::optional<QByteArray> bytes = DecodeBase64(m.scanScratch);
        if (named && n < kPictureSlots) {
            if (!bytes) noteFailure(s, m.attachNames[n], QStringLiteral("its Base64 text cannot be decoded"));
            const QString written = bytes ? keepBytes(m, s, n, *bytes) : QString();
            if (!written.isEmpty() && s.embedded) s.embedded->push_back({n, *bytes});
            updateSlot(m, s, int(n), written, SlotFlag::None);
        }
    }
    ++m.attachCount;
}

}  // namespace sumire
