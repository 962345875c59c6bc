#include "export/SiteHtml.h"

#include "export/ArchiveAssets.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

namespace sumire {
namespace {

const QString kAssets = QStringLiteral("./assets/");

const char kSearchScript[] = R"js(// Finds pages by their display text in the index written beside this file.
(function () {
  'use strict';
  var pages = (window.sumireSearchIndex || []).map(function (p) {
    return { href: p[0], title: p[1], text: (p[1] + ' ' + p[2]).normalize('NFKC').toLowerCase() };
  });
  var box = document.getElementById('search');
  var list = document.getElementById('results');
  if (!box || !list) return;
  function show() {
    var words = box.value.normalize('NFKC').toLowerCase().split(/\s+/).filter(Boolean);
    list.textContent = '';
    if (!words.length) return;
    var found = pages.filter(function (p) {
      return words.every(function (w) { return p.text.indexOf(w) >= 0; });
    });
    var status = document.getElementById('found');
    status.textContent = found.length + ' 件';
    found.slice(0, 500).forEach(function (p) {
      var a = document.createElement('a');
      a.href = p.href;
      a.textContent = p.title || p.href;
      var li = document.createElement('li');
      li.appendChild(a);
      list.appendChild(li);
    });
  }
  box.addEventListener('input', show);
  show();
})();
)js";

QString countsHtml(const SiteCounts& c) {
    QString out = QStringLiteral("<p class=\"counts\">ページ %1、添付ファイル %2、").arg(c.pages).arg(c.attachments);
    out += QStringLiteral("<a href=\"./missing.html\">アーカイブにないアドレス %1</a>").arg(c.missing);
    if (c.beyond > 0) out += QStringLiteral("、上限で書き出さなかったページ %1").arg(c.beyond);
    return out + QStringLiteral("</p>\n");
}

QString searchHtml() {
    return QStringLiteral(
        "<form class=\"search\" role=\"search\" onsubmit=\"return false\"><input id=\"search\" type=\"search\" "
        "placeholder=\"検索\" aria-label=\"検索\"> <output id=\"found\"></output></form>\n"
        "<ol class=\"results\" id=\"results\"></ol>\n"
        "<script src=\"./assets/search-index.js\"></script>\n<script src=\"./assets/search.js\"></script>\n");
}

QString listHtml(const std::vector<SiteIndexEntry>& entries, size_t from, size_t to) {
    QString out = QStringLiteral("<ul class=\"pages\">\n");
    for (size_t i = from; i < to; ++i) out += indexItemHtml(entries[i].entry);
    return out + QStringLiteral("</ul>\n");
}

QString hostOf(const SiteIndexEntry& e) { return e.entry.name.section(u'/', 0, 0); }

// The index pages may run the search's script, from the archive alone.
QByteArray document(const QString& title, const QString& body) {
    QString head = documentHead(title, kAssets);
    head.replace(QLatin1String("default-src 'none';"), QLatin1String("default-src 'none'; script-src 'self' file:;"));
    return (head + QStringLiteral("<body>\n") + body + QStringLiteral("</body>\n</html>\n")).toUtf8();
}

}  // namespace

std::vector<SiteFile> siteIndexFiles(std::vector<SiteIndexEntry> entries, const SiteCounts& counts) {
    // The start pages in the order given, then every other page by address; of
    // more start pages than an index page holds, the rest go with the others.
    auto rest = std::stable_partition(entries.begin(), entries.end(), [](const auto& e) { return e.start; });
    if (rest - entries.begin() > kIndexPageLimit) rest = entries.begin() + kIndexPageLimit;
    std::sort(rest, entries.end(), [](const auto& a, const auto& b) { return a.address < b.address; });
    const size_t starts = size_t(rest - entries.begin());
    QString body = QStringLiteral("<h1>一覧</h1>\n") + countsHtml(counts) + searchHtml();
    std::vector<SiteFile> files;
    if (entries.size() <= size_t(kIndexPageLimit)) {
        body += listHtml(entries, 0, entries.size());
        files.push_back({QStringLiteral("index.html"), document(QStringLiteral("一覧"), body)});
        return files;
    }
    body += QStringLiteral("<h2>最初のページ</h2>\n") + listHtml(entries, 0, starts);
    body += QStringLiteral("<h2>ホスト</h2>\n<ul class=\"hosts\">\n");
    for (size_t at = starts; at < entries.size();) {
        const QString host = hostOf(entries[at]);
        size_t end = at;
        while (end < entries.size() && hostOf(entries[end]) == host) ++end;
        for (size_t part = 0, from = at; from < end; ++part, from += size_t(kIndexPageLimit)) {
            const size_t to = std::min(end, from + size_t(kIndexPageLimit));
            const QString name =
                QStringLiteral("index-%1%2.html").arg(host, part ? QStringLiteral("-%1").arg(part + 1) : QString());
            const QString title = QStringLiteral("一覧: %1 (%2–%3)").arg(host).arg(from - at + 1).arg(to - at);
            files.push_back(
                {name,
                 document(title, QStringLiteral("<nav><a href=\"./index.html\">一覧</a></nav>\n<h1>") +
                                     escapeHtml(title) + QStringLiteral("</h1>\n") + listHtml(entries, from, to))});
            body += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n")
                        .arg(escapeHtml(relativeLink(name)), escapeHtml(title));
        }
        at = end;
    }
    body += QStringLiteral("</ul>\n");
    files.insert(files.begin(), {QStringLiteral("index.html"), document(QStringLiteral("一覧"), body)});
    return files;
}

QByteArray missingHtml(const std::map<QString, std::vector<ExportEntry>>& missing) {
    QString body = QStringLiteral("<nav><a href=\"./index.html\">一覧</a></nav>\n<h1>アーカイブにないアドレス</h1>\n");
    body += QStringLiteral("<p class=\"counts\">%1 件</p>\n<dl class=\"missing\">\n").arg(missing.size());
    for (const auto& [address, pages] : missing) {
        body += QStringLiteral("<dt>") + escapeHtml(address) + QStringLiteral("</dt>\n");
        for (const ExportEntry& p : pages)
            body += QStringLiteral("<dd><a href=\"") + escapeHtml(relativeLink(p.output)) + QStringLiteral("\">") +
                    escapeHtml(p.page) + QStringLiteral("</a></dd>\n");
    }
    return document(QStringLiteral("アーカイブにないアドレス"), body + QStringLiteral("</dl>\n"));
}

QByteArray searchIndexScript(const std::vector<SiteIndexEntry>& entries) {
    QJsonArray all;
    for (const SiteIndexEntry& e : entries) {
        const QString title = e.entry.title.isEmpty() ? e.entry.name : e.entry.title;
        all.append(QJsonArray{e.entry.href, title, e.search});
    }
    return "window.sumireSearchIndex=" + QJsonDocument(all).toJson(QJsonDocument::Compact) + ";\n";
}

QByteArray searchScript() { return QByteArray(kSearchScript); }

}  // namespace sumire
