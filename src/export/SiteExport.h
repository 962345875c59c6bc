#pragma once
// `sumire export --archive DIR`: a whole saved site, crawled from its start
// pages (see SiteCrawl.h), each page's links pointed at the exported pages or
// marked missing, its attachments copied beside it, and the reports and the
// search (see SiteHtml.h) written at the end.

#include "export/HtmlPage.h"
#include "export/SiteCrawl.h"
#include "export/SiteHtml.h"

#include <QSet>
#include <functional>

namespace sumire {

class ArchiveFetcher;
class OutputFiles;
struct LoadedPage;

// A file relative to OUT as a link from the page.
using HrefFrom = std::function<QString(const ExportEntry& from, const QString& output)>;

class SiteExport {
public:
    // `href` links each file to the pages that name it.
    SiteExport(const ExportOptions& options, ArchiveFetcher& archive, HrefFrom href);

    // Queues the start pages; the ones the archive lacks are returned.
    QStringList queueStarts();
    const std::vector<ExportEntry>& pages() const { return crawl_.pages(); }

    // Points each link at its exported page, or marks it.
    void resolveLinks(const ExportEntry& from, std::vector<ExportLink>& links);
    // Copies the page's attachments beside it (each fetched file once);
    // `errors` gets the files not written.
    std::vector<ExportDownload> copyAttachments(const ExportEntry& from, const LoadedPage& page, const OutputFiles& out,
                                                QStringList* errors);
    void indexed(const IndexEntry& entry, const ExportEntry& from, const LoadedPage& page);
    // A name of a file the page writes beside it, kept apart from every other.
    QString claim(const QString& output) { return crawl_.claim(output); }

    // The index pages, missing.html, the search and the download icons.
    bool writeReports(const OutputFiles& out, QString* error) const;
    SiteCounts counts() const;

private:
    // The file attachment `i` is copied to, relative to OUT.
    std::optional<QString> attachmentFile(const ExportEntry& from, const LoadedPage& page, int64_t i,
                                          const OutputFiles& out, QStringList* errors);

    const ExportOptions& o_;
    ArchiveFetcher& archive_;
    HrefFrom href_;
    SiteCrawl crawl_;
    QSet<QString> copied_, startOutputs_;
    std::vector<SiteIndexEntry> index_;
};

}  // namespace sumire
