#include "export/SiteCrawl.h"

#include "page/ArchiveFetcher.h"

#include <QUrl>

namespace sumire {

SiteCrawl::SiteCrawl(const ArchiveFetcher& archive, int maxPages, QString pageExt)
    : archive_(archive), maxPages_(maxPages), pageExt_(std::move(pageExt)) {
    for (const char* top : {"index.html", "missing.html"}) names_.reserve(QLatin1String(top));
}

SiteTarget SiteCrawl::start(const QString& given) {
    std::optional<QString> name = archiveName(given);
    if (!name || !archive_.answers(given)) return {};
    // A folder's address without its "/" is the page of the address with it,
    // whose relative links and attachments are the folder's.
    QString address = given;
    if (QUrl url(given); !url.hasQuery() && archive_.isFolder(*name)) {
        *name += QStringLiteral("/index.html");
        url.setPath(url.path(QUrl::FullyEncoded) + u'/', QUrl::TolerantMode);
        address = url.toString();
    }
    if (const auto known = outputs_.constFind(*name); known != outputs_.constEnd())
        return {SiteTarget::Kind::Page, *known};
    if (maxPages_ > 0 && pages_.size() >= size_t(maxPages_)) {
        beyond_.insert(*name);
        return {SiteTarget::Kind::Beyond, {}};
    }
    QString output = siteOutputName(*name, true);
    output = claim(output.left(output.size() - 5) + pageExt_);
    outputs_.insert(*name, output);
    pages_.push_back({address, output});
    return {SiteTarget::Kind::Page, output};
}

SiteTarget SiteCrawl::link(const QString& address, const ExportEntry& from) {
    const SiteTarget target = start(address);
    if (target.kind == SiteTarget::Kind::Missing) {
        std::vector<ExportEntry>& linking = missing_[address];
        if (linking.empty() || linking.back().output != from.output) linking.push_back(from);
    }
    return target;
}

std::optional<QString> SiteCrawl::attachment(const QString& address) {
    const std::optional<QString> name = archiveName(address);
    if (!name || !archive_.answers(address)) return std::nullopt;
    if (const auto known = attachments_.constFind(*name); known != attachments_.constEnd()) return *known;
    const QString output = claim(siteOutputName(*name, false));
    attachments_.insert(*name, output);
    return output;
}

}  // namespace sumire
