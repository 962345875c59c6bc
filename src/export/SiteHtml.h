#pragma once
// The pages an export of a whole site adds: the index with its search box
// (and, for many pages, an index per host), the report of missing addresses,
// and the search's script and index file. The search reads its index as a
// script beside it, so that it works from a folder opened with file:// as
// from any static server; the exported pages need no script.

#include "export/ArchiveExport.h"
#include "export/HtmlPage.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <vector>

namespace sumire {

struct SiteIndexEntry {
    IndexEntry entry;  // href and pictures relative to OUT
    QString address;
    bool start = false;
    QString search;  // the display text, pictographs as Unicode and by tag name
};

struct SiteCounts {
    qsizetype pages = 0, attachments = 0, missing = 0, beyond = 0;
};

// A file of the export, relative to OUT, and its content.
struct SiteFile {
    QString name;
    QByteArray bytes;
};

inline constexpr qsizetype kIndexPageLimit = 2000;  // entries on one index page

// index.html and, when the pages are more than one index page holds, one
// index page per host (numbered when a host alone has more).
std::vector<SiteFile> siteIndexFiles(std::vector<SiteIndexEntry> entries, const SiteCounts& counts);

QByteArray missingHtml(const std::map<QString, std::vector<ExportEntry>>& missing);

// assets/search-index.js: the search text of every page.
QByteArray searchIndexScript(const std::vector<SiteIndexEntry>& entries);
QByteArray searchScript();

}  // namespace sumire
