#pragma once
// `sumire export`: pages as an archive that any browser shows, or as text.
// Each page goes through the page request without a window; its LCD is read
// from DrawLcd's operations (see LcdScreen.h).

#include "display/DisplayText.h"
#include "export/PageLoader.h"

#include <QString>
#include <QStringList>

class QTextStream;

namespace sumire {

struct ExportOptions {
    QStringList pages;  // page files, folders of pages (*.txt, recursively) or http addresses
    QString out;        // DIR
    int width = 20;
    bool text = false;  // UTF-8 .txt files instead of HTML
    PictographFallback fallback = PictographFallback::Emoji;
    // A saved site (--archive DIR): every http address is answered from it,
    // and `pages` are the start addresses (none: every page in it) of a crawl
    // through the pages' links and attachments.
    QString archive;
    int maxPages = 0;  // pages a crawl exports at most; 0: no limit
};

// One page to export: where it comes from and the file it becomes, relative
// to DIR ("mail.html", "sub/page.html").
struct ExportEntry {
    QString page;
    QString output;
};

// The pages of `options` in order, each with a unique output name (names
// that differ only in case count as the same, as on many USB sticks).
std::vector<ExportEntry> plannedEntries(const ExportOptions& options);

// Writes every page; a page that cannot be read or fetched is named on `err`
// and the others are still written. 0 when every page was written, 1 when
// one was not. A progress line goes to `progress` when it is not null.
int runExport(const ExportOptions& options, QTextStream& err, QTextStream* progress = nullptr);

}  // namespace sumire
