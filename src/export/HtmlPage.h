#pragma once
// The HTML of an exported page and of the archive's index: valid HTML5 that
// needs no script and loads nothing but files of the archive.

#include "display/DisplayText.h"
#include "export/ArchiveAssets.h"
#include "export/LcdScreen.h"

#include <QString>
#include <vector>

namespace sumire {

struct ExportLink {
    QString key;
    QString address;  // as the page gives it
    QString href;     // the exported page's file, relative; an http address; or empty
};

// How one LCD is written: the size of a pixel, how pictographs read as
// text, and where the shared assets and the page's pictures are.
struct LcdStyle {
    int scale = 2;
    PictographFallback fallback = PictographFallback::Emoji;
    QString assetsHref;  // "../assets/", ending in "/"
    // For each picture copy of the screen: its file (relative; empty: none)
    // and the pixels the copy covers, which the picture's box limits.
    struct Picture {
        QString file;
        int64_t width = 0, height = 0;
    };
    std::vector<Picture> pictures;
};

QString lcdHtml(const LcdScreen& screen, const PageModel& model, const LcdStyle& style, ArchiveAssets& assets);

struct HtmlPageParts {
    QString title;            // of the document
    QString sender, caption;  // the sender and title boxes
    QString lcd;              // lcdHtml of the whole page
    std::vector<ExportLink> links;
    QString source;  // the raw page text
    QString assetsHref, indexHref;
};

QString pageHtml(const HtmlPageParts& parts);

struct IndexEntry {
    QString href, name, sender, title;
    QString lcd;  // lcdHtml of the first screen
};

QString indexHtml(const std::vector<IndexEntry>& entries, const QString& assetsHref);

// Text for HTML content and attribute values; characters HTML does not allow
// (controls other than tab, line feed and carriage return) become U+FFFD.
QString escapeHtml(const QString& text);

}  // namespace sumire
