#include "export/HtmlPage.h"

#include "art/LcdFace.h"
#include "display/LcdRenderer.h"
#include "display/PictographText.h"

#include <QUrl>
#include <algorithm>
#include <cmath>

namespace sumire {
namespace {

QString cssColour(int packed) { return u'#' + hexColour(packed); }

// "26.67px", "2px": two decimals at most, no trailing zeros.
QString px(double value) {
    QString n = QString::number(value, 'f', 2);
    while (n.endsWith(u'0')) n.chop(1);
    if (n.endsWith(u'.')) n.chop(1);
    return n + QStringLiteral("px");
}

const char16_t kHead[] =
    u"<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
    u"<meta name=\"viewport\" content=\"width=device-width\">\n"
    u"<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
    u"img-src 'self' file:; style-src 'self' file: 'unsafe-inline'\">\n";

// One row's glyphs, each in its cells: a glyph that does not start where the
// previous one ended is moved there by a margin (a gap, or an overprint to
// the left); runs of one colour and blink state share one span. A glyph is
// <i> in one cell and <b> in two, so that a character costs a few bytes; a
// pictograph's picture is a class of the style sheet.
class RowWriter {
public:
    RowWriter(const LcdScreen& s, const LcdStyle& st, ArchiveAssets& a, HtmlOut& out)
        : screen_(s), style_(st), assets_(a), out_(out) {}

    void write(const std::vector<LcdGlyph>& glyphs) {
        out_ << QLatin1String("<div class=\"r\">");
        int64_t pen = 0;
        bool open = false;
        int runColour = screen_.textColour;
        bool runBlinks = false;
        for (const LcdGlyph& g : glyphs) {
            if (!open || g.colour != runColour || g.blinks != runBlinks) {
                if (open) out_ << QLatin1String("</span>");
                runColour = g.colour;
                runBlinks = g.blinks;
                out_ << QLatin1String(runBlinks ? "<span class=\"bl\"" : "<span") << QLatin1String(" style=\"color:")
                     << cssColour(runColour) << QLatin1String("\">");
                open = true;
            }
            glyph(g, g.col - pen);
            pen = g.col + g.cells;
        }
        if (open) out_ << QLatin1String("</span>");
        out_ << QLatin1String("</div>\n");
        out_.spill();
    }

private:
    void glyph(const LcdGlyph& g, int64_t offset) {
        const int code = g.text.size() == 1 ? pictographCode(g.text[0].unicode()) : -1;
        QString cls, style, title, text;
        if (g.cells > 2) {
            cls = QStringLiteral("cn");
            style += QStringLiteral("width:calc(var(--cw)*%1);").arg(g.cells);
        }
        if (offset != 0) style += QStringLiteral("margin-left:calc(var(--cw)*%1);").arg(offset);
        if (code >= 0) {
            const PictographEquivalent& p = pictographEquivalent(code);
            cls = joined(cls, QStringLiteral("p ") + assets_.pictograph(code, g.colour));
            title = escapeHtml(p.tag);
            text = escapeHtml(style_.fallback == PictographFallback::Emoji ? p.unicode : u'[' + p.name + u']');
        } else if (g.text.size() == 1 && isPrivateUse(g.text[0].unicode())) {
            const char16_t ch = g.text[0].unicode();
            text = unknownPictographText(ch);
            title = text.mid(1, text.size() - 2);
            // A one-cell mark is half as wide as the square a pictograph fills.
            cls = joined(cls, QStringLiteral("p ") + assets_.mark(ch, g.colour) + (g.cells == 1 ? " h" : ""));
        } else {
            text = escapeHtml(g.text);
        }
        const QLatin1String tag(g.cells == 1 ? "i" : g.cells == 2 ? "b" : "span");
        out_ << u'<' << tag;
        if (!cls.isEmpty()) out_ << QLatin1String(" class=\"") << cls << u'"';
        if (!title.isEmpty()) out_ << QLatin1String(" title=\"") << title << u'"';
        if (!style.isEmpty()) out_ << QLatin1String(" style=\"") << style << u'"';
        out_ << u'>' << text << QLatin1String("</") << tag << u'>';
    }

    static QString joined(const QString& a, const QString& b) { return a.isEmpty() ? b : a + u' ' + b; }

    const LcdScreen& screen_;
    const LcdStyle& style_;
    ArchiveAssets& assets_;
    HtmlOut& out_;
};

void writeLcdOpen(const LcdScreen& screen, const PageModel& m, const LcdStyle& style, HtmlOut& out) {
    const double s = style.scale;
    const double cw = twipsToPixels(m.charWidth) * s, lh = twipsToPixels(m.lineHeight) * s;
    // The window's dot face size, for the letters and the pictographs alike,
    // so that rows never touch here either.
    const int fontPx = lcdDotSize(m.charWidth, m.lineHeight) * style.scale;
    out << QStringLiteral(
               "<div class=\"lcd\" style=\"width:%1;height:%2;background:%3;color:%4;"
               "--cw:%5;--lh:%6;--pd:%7;--fw:%8;font-size:%9px\">\n")
               .arg(px(screen.widthPx * s), px(screen.heightPx * s), cssColour(screen.background),
                    cssColour(screen.textColour), px(cw), px(lh), px(fontPx), px(s))
               .arg(fontPx);
    out << QStringLiteral("<div class=\"rows\" style=\"left:%1;top:%2\">\n")
               .arg(px(twipsToPixels(kTextLeft - kLcdLeft) * s), px(twipsToPixels(kTextTop - kLcdTop) * s));
}

void writeLcdClose(const LcdScreen& screen, const LcdStyle& style, HtmlOut& out) {
    const double s = style.scale;
    out << QLatin1String("</div>\n");
    for (const LcdPicture& p : screen.pictures) {
        const auto found = style.pictures.find(p.slot);
        if (found == style.pictures.end() || found->second.file.isEmpty()) continue;
        const LcdStyle::Picture& file = found->second;
        out << QStringLiteral("<img class=\"pic\" src=\"%1\" alt=\"\" style=\"left:%2;top:%3;width:%4;height:%5\">\n")
                   .arg(escapeHtml(file.file), px(p.x * s), px(p.y * s), px(file.width * s), px(file.height * s));
        out.spill();
    }
    out << QLatin1String("</div>\n");
}

}  // namespace

QString escapeHtml(const QString& text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&': out += QStringLiteral("&amp;"); break;
        case u'<': out += QStringLiteral("&lt;"); break;
        case u'>': out += QStringLiteral("&gt;"); break;
        case u'"': out += QStringLiteral("&quot;"); break;
        case u'\t':
        case u'\n':
        case u'\r': out += c; break;
        default:
            if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0)) out += QChar(0xFFFD);
            else out += c;
        }
    }
    return out;
}

void HtmlOut::spill() {
    if (file_ && text_.size() >= (qsizetype(1) << 17)) finish();
}

bool HtmlOut::finish() {
    if (!file_) return true;
    const QByteArray bytes = text_.toUtf8();
    failed_ = failed_ || file_->write(bytes) != bytes.size();
    text_.clear();
    return !failed_;
}

void writeLcdHtml(LcdScreenReader& reader, const PageModel& model, const LcdStyle& style, ArchiveAssets& assets,
                  HtmlOut& out) {
    writeLcdOpen(reader.screen(), model, style, out);
    RowWriter rows(reader.screen(), style, assets, out);
    reader.readRows([&rows](std::vector<LcdGlyph>& row) { rows.write(row); });
    writeLcdClose(reader.screen(), style, out);
}

QString lcdHtml(LcdScreenReader& reader, const PageModel& model, const LcdStyle& style, ArchiveAssets& assets) {
    HtmlOut out;
    writeLcdHtml(reader, model, style, assets, out);
    return out.text();
}

// The attachments as the download menu lists them.
static void writeDownloads(const std::vector<ExportDownload>& downloads, HtmlOut& out) {
    if (downloads.empty()) return;
    out << QStringLiteral("<ul class=\"downloads\" title=\"ダウンロード\">\n");
    for (const ExportDownload& d : downloads) {
        out << QLatin1String("<li><a download href=\"") << escapeHtml(d.href) << QLatin1String("\">");
        if (!d.icon.isEmpty())
            out << QLatin1String("<img alt=\"\" src=\"") << escapeHtml(d.icon) << QLatin1String("\">");
        out << escapeHtml(d.name) << QLatin1String("</a></li>\n");
    }
    out << QLatin1String("</ul>\n");
}

void writePageHtml(const HtmlPageParts& parts, HtmlOut& out) {
    out << documentHead(parts.title, parts.assetsHref);
    out << QLatin1String("<body>\n<header>\n<nav><a href=\"") << escapeHtml(parts.indexHref)
        << QStringLiteral("\">一覧</a></nav>\n<dl>\n");
    out << QStringLiteral("<dt>アドレス</dt><dd class=\"sender\">") << escapeHtml(parts.sender)
        << QLatin1String("</dd>\n");
    out << QStringLiteral("<dt>タイトル</dt><dd class=\"title\">") << escapeHtml(parts.caption)
        << QLatin1String("</dd>\n</dl>\n</header>\n<main>\n");
    if (parts.lcd) parts.lcd(out);
    if (!parts.links.empty()) {
        out << QLatin1String("<ol class=\"links\">\n");
        for (const ExportLink& l : parts.links) {
            out << QLatin1String("<li><span class=\"key\">") << escapeHtml(l.key) << QLatin1String("</span> ");
            if (!l.missing.isEmpty())
                out << QLatin1String("<a class=\"missing\" title=\"") << escapeHtml(l.missing)
                    << QLatin1String("\" href=\"") << escapeHtml(l.href) << QLatin1String("\">")
                    << escapeHtml(l.address) << QLatin1String("</a>");
            else if (l.href.isEmpty())
                out << QLatin1String("<span>") << escapeHtml(l.address) << QLatin1String("</span>");
            else
                out << QLatin1String("<a href=\"") << escapeHtml(l.href) << QLatin1String("\">")
                    << escapeHtml(l.address) << QLatin1String("</a>");
            out << QLatin1String("</li>\n");
            out.spill();
        }
        out << QLatin1String("</ol>\n");
    }
    writeDownloads(parts.downloads, out);
    out << QStringLiteral("<details>\n<summary>ページのテキスト</summary>\n<pre>");
    out.spill();
    for (qsizetype at = 0; at < parts.source.size(); at += 1 << 16) {
        out << escapeHtml(parts.source.mid(at, 1 << 16));
        out.spill();
    }
    out << QLatin1String("</pre>\n</details>\n</main>\n</body>\n</html>\n");
}

QString relativeLink(const QString& path) {
    QStringList names = path.split(u'/');
    for (QString& name : names)
        if (name != QLatin1String("..") && name != QLatin1String("."))
            name = QString::fromLatin1(QUrl::toPercentEncoding(name));
    const QString joined = names.join(u'/');
    return joined.startsWith(QLatin1String("../")) || joined.startsWith(QLatin1String("./"))
               ? joined
               : QStringLiteral("./") + joined;
}

QString indexItemHtml(const IndexEntry& e) {
    QString out = QStringLiteral("<li><a href=\"") + escapeHtml(e.href) + QStringLiteral("\">\n") + e.lcd;
    out += QStringLiteral("<span class=\"name\">") + escapeHtml(e.title.isEmpty() ? e.name : e.title) +
           QStringLiteral("</span>\n");
    out += QStringLiteral("<span class=\"sender\">") + escapeHtml(e.sender) + QStringLiteral("</span>\n");
    out += QStringLiteral("<span class=\"file\">") + escapeHtml(e.name) + QStringLiteral("</span></a></li>\n");
    return out;
}

QString documentHead(const QString& title, const QString& assetsHref) {
    return QString::fromUtf16(kHead) + QStringLiteral("<title>") + escapeHtml(title) +
           QStringLiteral("</title>\n<link rel=\"stylesheet\" href=\"") + escapeHtml(assetsHref) +
           QStringLiteral("sumire.css\">\n</head>\n");
}

QString indexHtml(const std::vector<IndexEntry>& entries, const QString& assetsHref) {
    QString out = documentHead(QStringLiteral("一覧"), assetsHref);
    out += QStringLiteral("<body>\n<h1>一覧</h1>\n<ul class=\"pages\">\n");
    for (const IndexEntry& e : entries) out += indexItemHtml(e);
    out += QStringLiteral("</ul>\n</body>\n</html>\n");
    return out;
}

}  // namespace sumire
