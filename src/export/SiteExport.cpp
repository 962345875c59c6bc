#include "export/SiteExport.h"

#include "art/Art.h"
#include "export/ArchiveAssets.h"
#include "export/OutputFiles.h"
#include "export/PageLoader.h"
#include "page/ArchiveFetcher.h"
#include "export/SearchText.h"

#include <QUrl>
#include <algorithm>

namespace sumire {
namespace {

const QString kMelodyIcon = QStringLiteral("download-melody.png");
const QString kDataIcon = QStringLiteral("download-data.png");

// The icon of the download menu's slot, by the name's last three characters.
QString iconFor(const QString& name) {
    if (name.endsWith(QLatin1String("dxm"))) return kMelodyIcon;
    if (name.endsWith(QLatin1String("dat"))) return kDataIcon;
    return {};
}

// A fetched attachment comes from the folder of the page's own address.
QString attachmentAddress(const QString& page, const QString& name) {
    const qsizetype slash = std::max(page.lastIndexOf(u'/'), page.lastIndexOf(u'\\'));
    return page.left(slash + 1) + name;
}

}  // namespace

SiteExport::SiteExport(const ExportOptions& options, ArchiveFetcher& archive, HrefFrom href)
    : o_(options),
      archive_(archive),
      href_(std::move(href)),
      crawl_(archive, options.maxPages, options.text ? QStringLiteral(".txt") : QStringLiteral(".html")) {}

QStringList SiteExport::queueStarts() {
    const QStringList starts = o_.pages.isEmpty() ? archivePageAddresses(archive_) : o_.pages;
    QStringList lacking;
    for (QString address : starts) {
        if (address.startsWith(u'/')) address.prepend(QStringLiteral("http:"));
        const SiteTarget target = crawl_.start(address);
        if (target.kind == SiteTarget::Kind::Missing) lacking << address;
        else if (!o_.pages.isEmpty()) startOutputs_.insert(target.output);  // all pages start none
    }
    return lacking;
}

void SiteExport::resolveLinks(const ExportEntry& from, std::vector<ExportLink>& links) {
    for (ExportLink& l : links) {
        const QString address = QUrl(from.page).resolved(QUrl(l.address)).toString();
        if (!isNetworkAddress(address)) continue;
        const SiteTarget target = crawl_.link(address, from);
        l.href = target.kind == SiteTarget::Kind::Page ? href_(from, target.output) : address;
        if (target.kind == SiteTarget::Kind::Missing) l.missing = QStringLiteral("アーカイブにないページ");
        if (target.kind == SiteTarget::Kind::Beyond)
            l.missing = QStringLiteral("ページ数の上限で書き出さなかったページ");
    }
}

// A fetched attachment is copied once from the archive, whichever pages name
// it; an embedded one is its page's own file, written from the bytes the
// page's request decoded.
std::optional<QString> SiteExport::attachmentFile(const ExportEntry& from, const LoadedPage& page, int64_t i,
                                                  const OutputFiles& out, QStringList* errors) {
    const QString& name = page.model.attachNames[size_t(i)];
    const auto embedded = std::find_if(page.embedded.begin(), page.embedded.end(),
                                       [i](const EmbeddedAttachment& e) { return e.index == i; });
    FetchResult file;
    std::optional<QString> output;
    if (embedded != page.embedded.end()) {
        output = claim(siteAttachmentBeside(from.output, name));
        file.ok = true;
        file.body = embedded->bytes;
    } else {
        const QString address = attachmentAddress(from.page, name);
        output = name.isEmpty() ? std::nullopt : crawl_.attachment(address);
        if (!output || copied_.contains(*output)) return output;
        file = archive_.fetch(address);
    }
    copied_.insert(*output);
    QString error = file.error;
    if (file.ok && out.write(out.path(*output), file.body, &error)) return output;
    *errors << name + QStringLiteral(": ") + error;
    return std::nullopt;
}

std::vector<ExportDownload> SiteExport::copyAttachments(const ExportEntry& from, const LoadedPage& page,
                                                        const OutputFiles& out, QStringList* errors) {
    std::vector<ExportDownload> downloads;
    for (int64_t i = 0; i < page.model.storedAttachCount(); ++i) {
        const std::optional<QString> output = attachmentFile(from, page, i, out, errors);
        if (!output) continue;
        const QString name = page.model.attachNames[size_t(i)];
        const QString icon = iconFor(name);
        downloads.push_back({name, href_(from, *output),
                             icon.isEmpty() ? QString() : href_(from, QLatin1String(kAssetsFolder) + u'/' + icon)});
    }
    return downloads;
}

void SiteExport::indexed(const IndexEntry& entry, const ExportEntry& from, const LoadedPage& page) {
    index_.push_back({entry, from.page, startOutputs_.contains(from.output), searchText(page.model, page.pictures)});
}

SiteCounts SiteExport::counts() const {
    return {qsizetype(crawl_.pages().size()), copied_.size(), qsizetype(crawl_.missing().size()), crawl_.beyond()};
}

bool SiteExport::writeReports(const OutputFiles& out, QString* error) const {
    const QString assets = QLatin1String(kAssetsFolder) + u'/';
    std::vector<SiteFile> files = siteIndexFiles(index_, counts());
    files.push_back({QStringLiteral("missing.html"), missingHtml(crawl_.missing())});
    files.push_back({assets + QStringLiteral("search-index.js"), searchIndexScript(index_)});
    files.push_back({assets + QStringLiteral("search.js"), searchScript()});
    files.push_back({assets + kMelodyIcon, pngBytes(melodyIcon())});
    files.push_back({assets + kDataIcon, pngBytes(dataIcon())});
    for (const SiteFile& f : files)
        if (!out.write(out.path(f.name), f.bytes, error)) return false;
    return true;
}

}  // namespace sumire
