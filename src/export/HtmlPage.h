#pragma once
// The HTML of an exported page and of the archive's index: valid HTML5 that
// needs no script and loads nothing but files of the archive.

#include "display/DisplayText.h"
#include "export/ArchiveAssets.h"
#include "export/LcdScreen.h"

#include <QIODevice>
#include <QString>
#include <functional>
#include <map>
#include <vector>

namespace sumire {

struct ExportLink {
    QString key;
    QString address;  // as the page gives it
    QString href;     // the exported page's file, relative; an http address; or empty
    QString missing;  // why the target is not exported (its class and title); empty when it is
};

// An attachment offered for download under the LCD, with the icon the
// handset's download menu shows for it.
struct ExportDownload {
    QString name;  // as the page names it
    QString href;  // the copy beside the page, relative
    QString icon;  // relative; empty: none
};

// How one LCD is written: the size of a pixel, how pictographs read as
// text, and where the shared assets and the page's pictures are.
struct LcdStyle {
    int scale = 2;
    PictographFallback fallback = PictographFallback::Emoji;
    QString assetsHref;  // "../assets/", ending in "/"
    // For each slot the screen copies: its file (relative; empty: none) and
    // the pixels a copy covers, which the picture's box limits.
    struct Picture {
        QString file;
        int64_t width = 0, height = 0;
    };
    std::map<int, Picture> pictures;
};

// Markup as it is made: handed on to a file as UTF-8 a few hundred
// kilobytes at a time, so that no page is held whole; or, without a file,
// kept whole in text().
class HtmlOut {
public:
    explicit HtmlOut(QIODevice* file = nullptr) : file_(file) {}
    template <typename T>
    HtmlOut& operator<<(const T& part) {
        text_ += part;
        return *this;
    }
    // Hands the text made so far on when it is long.
    void spill();
    // Hands on the rest; false when a write to the file failed.
    bool finish();
    const QString& text() const { return text_; }

private:
    QIODevice* file_;
    QString text_;
    bool failed_ = false;
};

// The reader's LCD, its rows read as they are written; or kept whole.
void writeLcdHtml(LcdScreenReader& reader, const PageModel& model, const LcdStyle& style, ArchiveAssets& assets,
                  HtmlOut& out);
QString lcdHtml(LcdScreenReader& reader, const PageModel& model, const LcdStyle& style, ArchiveAssets& assets);

struct HtmlPageParts {
    QString title;                      // of the document
    QString sender, caption;            // the sender and title boxes
    std::function<void(HtmlOut&)> lcd;  // writes the LCD
    std::vector<ExportLink> links;
    std::vector<ExportDownload> downloads;
    QString source;  // the raw page text
    QString assetsHref, indexHref;
};

void writePageHtml(const HtmlPageParts& parts, HtmlOut& out);

struct IndexEntry {
    QString href, name, sender, title;
    QString lcd;  // lcdHtml of the first screen
};

QString indexHtml(const std::vector<IndexEntry>& entries, const QString& assetsHref);
// One index entry as a list item.
QString indexItemHtml(const IndexEntry& e);

// The start of a document, up to its <body>.
QString documentHead(const QString& title, const QString& assetsHref);

// Text for HTML content and attribute values; characters HTML does not allow
// (controls other than tab, line feed and carriage return) become U+FFFD.
QString escapeHtml(const QString& text);

// A relative path as a link: each name percent-encoded, and "./" in front
// unless it goes up first, so that no name reads as an address's scheme.
QString relativeLink(const QString& path);

}  // namespace sumire
