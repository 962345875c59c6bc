// A saved site laid out by hand as wget --mirror writes it, exported whole:
// the files and names it gives, its links and attachments, the missing
// addresses, the limit, text, and the result in a real browser (headless
// Chromium): links followed across hosts, the search, nothing from outside.

#include "ExportFiles.h"
#include "export/SiteHtml.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using namespace exporttest;

const QByteArray kMelody("MThd\x00\x01\xff\xfe melody \r\n\x1a", 19);
// An embedded part's Base64 text is found by its "Qk", so its bytes begin "BM".
const QByteArray kSong("BM\x00\x01\xff\xfe embedded song \r\n\x1a\x80", 25);

// Page B carries kSong in its own text, its Base64 text wrapped.
QByteArray pageB() {
    const QByteArray base64 = kSong.toBase64();
    return "Subject: Page B\r\nSEL=1;http://www.example.jp/a.txt>\r\n\r\nSEL=2;http://www.example.jp/dir>\r\n\r\n"
           "SEL=3;http://www.example.jp/dir/>\r\nbanana\r\n--VOV980907\r\n"
           "Content-Type: audio/x-dxm; stream;Name=\"song.dxm\"\r\n\r\n" +
           base64.left(20) + "\r\n" + base64.mid(20) + "\r\n--VOV980907--\r\n";
}

// A page of many screens whose last word is far past its first ones, and
// wrapped by the LCD ("…dur" at a row's end, "ian" on the next).
QByteArray longPage() {
    return "Subject: CGI\r\nkiwi\r\n" + QString("ここは長いページの途中です\r\n").repeated(80).toUtf8() +
           "0123456789abcdefdurian\r\n";
}

// The mirror: "/" saved as index.html, a port, a query, a loop (a <-> top),
// a link out of the archive, three attachments fetched and one embedded, and
// a folder linked to with and without its "/".
const std::vector<std::pair<QString, QByteArray>> kMirror = {
    {"www.example.jp/index.html",
     "Subject: TOP\r\nSEL=1;http://www.example.jp/a.txt>\r\n\r\nSEL=2;http://other.example.jp:8080/sub/b.txt>\r\n\r\n"
     "SEL=3;http://www.example.jp/cgi?x=1>\r\n\r\nSEL=4;http://gone.example.jp/x.txt>\r\nwelcome top\r\n"},
    {"www.example.jp/a.txt",
     "Subject: Page A\r\nSEL=1;http://www.example.jp/>\r\nAppend: Name=\"tune.dxm\"\r\nAppend: Name=\"memo.dat\"\r\n"
     "Append: Name=\"photo.bmp\"\r\napple <#HEART>\r\n<IMG=\"photo.bmp\">\r\nafter\r\n"},
    {"www.example.jp/tune.dxm", kMelody},
    {"www.example.jp/memo.dat", "DATA"},
    {"other.example.jp:8080/sub/b.txt", pageB()},
    {"www.example.jp/cgi?x=1", longPage()},
    {"www.example.jp/dir/index.html", "Subject: DIR\r\nfig\r\n"},
};

class SiteExport : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& [name, bytes] : kMirror) writeFile(mirror(name), bytes);
        QFile::copy(SUMIRE_SOURCE_DIR "/samples/photo.bmp", mirror("www.example.jp/photo.bmp"));
    }
    QString mirror(const QString& name) const { return dir_.filePath("mirror/" + name); }
    QString out(const QString& name = {}) const { return dir_.filePath("out/" + name); }
    ExportRun run(const QStringList& starts, int maxPages = 0, bool text = false) {
        ExportOptions o;
        o.archive = dir_.filePath("mirror");
        o.pages = starts;
        o.out = out();
        o.maxPages = maxPages;
        o.text = text;
        return exportPages(o);
    }
    QStringList files() const {
        QStringList all;
        for (QDirIterator it(out(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            all << it.next().mid(out().size());
        all.sort();
        return all;
    }
    QTemporaryDir dir_;
};

TEST_F(SiteExport, MirrorBecomesPagesByAddressWithAttachmentsAndMissingAddresses) {
    const ExportRun first = run({"http://www.example.jp/"});
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    const QStringList pages{"other.example.jp_8080/sub/b.html", "www.example.jp/a.html", "www.example.jp/cgi@x=1.html",
                            "www.example.jp/index.html", "www.example.jp/dir/index.html"};
    for (const QString& p : pages) EXPECT_TRUE(files().contains(p)) << p.toStdString();
    // The loop gives each page once, the folder one page by either address.
    EXPECT_EQ(readText(out("index.html")).count("<li><a href="), 5);
    QFile melody(out("www.example.jp/tune.dxm"));
    ASSERT_TRUE(melody.open(QIODevice::ReadOnly));
    EXPECT_EQ(melody.readAll(), kMelody);
    EXPECT_EQ(readText(out("www.example.jp/memo.dat")), "DATA");
    const QString b = readText(out("other.example.jp_8080/sub/b.html"));
    EXPECT_EQ(b.count("href=\"../../www.example.jp/dir/index.html\""), 2);
    QFile song(out("other.example.jp_8080/sub/song.dxm"));
    ASSERT_TRUE(song.open(QIODevice::ReadOnly));
    EXPECT_EQ(song.readAll(), kSong);
    EXPECT_TRUE(
        readText(out("other.example.jp_8080/sub/b.html"))
            .contains("<a download href=\"./song.dxm\"><img alt=\"\" src=\"../../assets/download-melody.png\">"));

    const QString a = readText(out("www.example.jp/a.html"));
    EXPECT_TRUE(a.contains("<a href=\"./index.html\">http://www.example.jp/</a>"));
    EXPECT_TRUE(a.contains("<a download href=\"./tune.dxm\"><img alt=\"\" src=\"../assets/download-melody.png\">"));
    EXPECT_TRUE(a.contains("<a download href=\"./memo.dat\"><img alt=\"\" src=\"../assets/download-data.png\">"));
    const QString top = readText(out("www.example.jp/index.html"));
    EXPECT_TRUE(top.contains("href=\"../other.example.jp_8080/sub/b.html\""));
    EXPECT_TRUE(top.contains("href=\"./cgi%40x%3D1.html\""));
    EXPECT_TRUE(
        top.contains("<a class=\"missing\" title=\"アーカイブにないページ\" href=\"http://gone.example.jp/x.txt\">"));
    const QString missing = readText(out("missing.html"));
    EXPECT_TRUE(
        missing.contains("<dt>http://gone.example.jp/x.txt</dt>\n<dd><a href=\"./www.example.jp/index.html\">"));
    EXPECT_TRUE(first.err.contains("5 pages, 4 attachments, 1 address missing from the archive"))
        << first.err.toStdString();

    // Again, from every page of the mirror: the same names, written over.
    const QStringList before = files();
    const ExportRun again = run({});
    ASSERT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_EQ(files(), before);
}

TEST_F(SiteExport, LimitTextPlaceholdersAndStartsOutsideTheArchive) {
    const ExportRun limited = run({"http://www.example.jp/"}, 2);
    EXPECT_EQ(limited.status, 0);
    EXPECT_TRUE(limited.err.contains("stopped at 2 pages (--max-pages); 2 more pages")) << limited.err.toStdString();
    EXPECT_EQ(readText(out("index.html")).count("<li><a href="), 2);
    EXPECT_TRUE(readText(out("www.example.jp/index.html")).contains("class=\"missing\" title=\"ページ数の上限"));

    QDir(out()).removeRecursively();
    const ExportRun text = run({"http://www.example.jp/a.txt"}, 0, true);
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_EQ(readText(out("www.example.jp/a.txt")),
              "アドレス: \nタイトル: A\n\n\napple ❤\n\n[画像 photo.bmp]\n\n\n\nafter\n\n1: http://www.example.jp/\n\n"
              "添付ファイル:\ntune.dxm\nmemo.dat\nphoto.bmp\n");
    EXPECT_TRUE(QFileInfo::exists(out("www.example.jp/index.txt")));
    EXPECT_TRUE(readText(out("other.example.jp_8080/sub/b.txt")).endsWith("\n添付ファイル:\nsong.dxm\n"));
    EXPECT_TRUE(QFileInfo::exists(out("other.example.jp_8080/sub/song.dxm")));

    EXPECT_EQ(run({"http://nowhere.example.jp/", "http://www.example.jp/../../etc/passwd"}).status, 1);
}

// More pages than one index page holds: the index links to one per host,
// numbered when a host has more.
TEST_F(SiteExport, ManyPagesGetAnIndexPerHost) {
    const int pages = int(kIndexPageLimit) + 100;
    for (int i = 0; i < pages; ++i)
        writeFile(mirror(QStringLiteral("many.example.jp/p%1.txt").arg(i, 4, 10, QChar(u'0'))), "x");
    const ExportRun many = run({});  // every page of the mirror
    ASSERT_EQ(many.status, 0) << many.err.toStdString();
    const QString index = readText(out("index.html"));
    EXPECT_TRUE(index.contains("<a href=\"./index-many.example.jp.html\">一覧: many.example.jp (1–2000)</a>"));
    EXPECT_TRUE(index.contains("<a href=\"./index-many.example.jp-2.html\">一覧: many.example.jp (2001–2100)</a>"));
    EXPECT_EQ(readText(out("index-many.example.jp.html")).count("<li><a href="), 2000);
    EXPECT_EQ(readText(out("index-many.example.jp-2.html")).count("<li><a href="), 100);
    EXPECT_TRUE(index.contains(QStringLiteral("<p class=\"counts\">ページ %1、").arg(pages + 5)));
}

// Chromium as root, headless, with a profile of its own each run.
QByteArray chromium(const QStringList& arguments) {
    QTemporaryDir profile;
    QProcess p;
    p.start(QStandardPaths::findExecutable("chromium"),
            QStringList{"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                        "--disable-background-networking", "--disable-component-update",
                        "--host-resolver-rules=MAP * ~NOTFOUND", "--user-data-dir=" + profile.path()} +
                arguments);
    EXPECT_TRUE(p.waitForFinished(90000));
    return p.readAllStandardOutput();
}

QString dom(const QString& file, const QStringList& more = {}) {
    return QString::fromUtf8(chromium(more + QStringList{"--dump-dom", QUrl::fromLocalFile(file).toString()}));
}

// The file the first link whose content holds `text` leads to from `file`,
// as the browser reads it; empty when there is none.
QString follow(const QString& file, const QString& text) {
    static const QRegularExpression link("<a (?:[^>]* )?href=\"([^\"]+)\"[^>]*>(.*?)</a>",
                                         QRegularExpression::DotMatchesEverythingOption);
    for (auto m = link.globalMatch(dom(file)); m.hasNext();) {
        const QRegularExpressionMatch one = m.next();
        if (!one.captured(2).contains(text)) continue;
        const QUrl target = QUrl::fromLocalFile(file).resolved(QUrl(one.captured(1)));
        return target.isLocalFile() ? target.toLocalFile() : QString();
    }
    ADD_FAILURE() << file.toStdString() << " has no link " << text.toStdString();
    return {};
}

TEST_F(SiteExport, BrowserFollowsLinksAcrossHostsSearchesAndLoadsNothingOutside) {
    if (QStandardPaths::findExecutable("chromium").isEmpty()) GTEST_SKIP() << "chromium is not installed (deps.txt)";
    ASSERT_EQ(run({"http://www.example.jp/"}).status, 0);
    const QString top = follow(out("index.html"), "www.example.jp/index.html");
    const QString b = follow(top, "http://other.example.jp:8080/sub/b.txt");
    const QString a = follow(b, "http://www.example.jp/a.txt");
    EXPECT_EQ(QFileInfo(a).canonicalFilePath(), QFileInfo(out("www.example.jp/a.html")).canonicalFilePath());
    EXPECT_TRUE(readText(a).contains("<dd class=\"title\"> A</dd>"));
    EXPECT_EQ(follow(top, "http://gone.example.jp/x.txt"), QString());  // kept as an address
    EXPECT_TRUE(readText(top).contains("class=\"missing\" title=\"アーカイブにないページ\""));
    const QString missing = follow(out("index.html"), "アーカイブにないアドレス 1");
    EXPECT_EQ(missing, out("missing.html"));
    EXPECT_TRUE(readText(missing).contains("<dt>http://gone.example.jp/x.txt</dt>"));

    // Queries typed into the search box by a script beside the index; each
    // one's results are kept in the page.
    const QStringList queries{"banana", "❤", "heart", "ハート", "kiwi apple", "APPLE", "durian"};
    writeFile(out("assets/query.js"),
              "var q=document.getElementById('search'),all='';" +
                  QJsonDocument(QJsonArray::fromStringList(queries)).toJson(QJsonDocument::Compact) +
                  ".forEach(function(w){q.value=w;q.dispatchEvent(new Event('input'));"
                  "all+=w+'='+document.getElementById('results').textContent+';';});"
                  "document.body.setAttribute('data-found',all);");
    QString html = readText(out("index.html"));
    writeFile(out("query.html"),
              html.replace("</body>", "<script src=\"./assets/query.js\"></script></body>").toUtf8());
    static const QRegularExpression found("data-found=\"([^\"]*)\"");
    EXPECT_EQ(found.match(dom(out("query.html"))).captured(1),
              "banana=B;❤=A;heart=A;ハート=A;kiwi apple=;APPLE=A;durian=CGI;");

    // The browser's network log holds no request of these pages.
    const QString log = dir_.filePath("net.json");
    for (const QString& page : {out("index.html"), a}) {
        QFile::remove(log);
        dom(page, {"--log-net-log=" + log});
        QFile file(log);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        for (const QJsonValue event : QJsonDocument::fromJson(file.readAll())["events"].toArray()) {
            const QJsonObject params = event["params"].toObject();
            if (params["network_isolation_key"].toString().contains("file://"))
                ADD_FAILURE() << page.toStdString() << " requested " << params["url"].toString().toStdString();
        }
    }
}

}  // namespace
}  // namespace sumire
