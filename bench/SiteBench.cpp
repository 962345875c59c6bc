// `sumire export --archive` of a generated saved site of 10,000 pages on
// three hosts (one with a port): each page two screens and more long, linking
// to the next and to one far away; every fifth shows a picture, every tenth
// links to an address the archive lacks. One run is one process; pages_per_s is its pages a second
// of wall-clock time (the goal: 200), peak_MiB its peak resident memory
// (the goal: 500), index_bytes_per_page the search index's size a page (the
// goal: under 1024), and query_ms the slowest of a few searches in headless
// Chromium when it is installed (the goal: 100). SUMIRE_BENCH_SITE_PAGES
// sets another number of pages.

#include "PageInputs.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <benchmark/benchmark.h>

namespace sumire::bench {
namespace {

int sitePages() {
    const int n = qEnvironmentVariableIntValue("SUMIRE_BENCH_SITE_PAGES");
    return n > 0 ? n : 10000;
}

QString address(int i, int pages) {
    const int page = i % pages;
    const QString host =
        page % 3 == 2 ? QStringLiteral("h2.example.jp:8080") : QStringLiteral("h%1.example.jp").arg(page % 3);
    return QStringLiteral("http://%1/d%2/p%3.txt").arg(host).arg(page / 100).arg(page);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QString fileOf(const QString& dir, const QString& address) { return dir + u'/' + address.mid(7); }

// Two screens and more of a saved page: lines of news, the menu every page
// of the site repeats, and a word of the page's own at the end.
QString body(int i) {
    static const QStringList kLines{
        QStringLiteral("今日は朝から雨が降っています。"),
        QStringLiteral("新しい着メロを3曲追加しました!"),
        QStringLiteral("駅前の店が来週オープンするそうです。"),
        QStringLiteral("PHSで読めるニュースを毎日お届け"),
        QStringLiteral("週末は花見に行きませんか?"),
        QStringLiteral("Daily news for your handset, 10 lines"),
        QStringLiteral("待ち受け画像のプレゼントは月末まで"),
        QStringLiteral("メールの返事は明日までにください。"),
        QStringLiteral("天気予報: 晴れのち曇り、降水確率20%"),
    };
    QString text;
    for (int k = 0; k < 6; ++k) text += kLines[(i + k * 4) % kLines.size()] + QStringLiteral("\r\n");
    text += QStringLiteral("<#NOTE>バックナンバー <#MAIL>ご意見 <#HOME>トップへ\r\n");
    return text + QStringLiteral("end%1\r\n").arg(i);
}

void makeSite(const QString& dir, int pages) {
    const QByteArray photo = [] {
        QFile f(SUMIRE_SOURCE_DIR "/samples/photo.bmp");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    for (int i = 0; i < pages; ++i) {
        QString text = QStringLiteral("From: 送り主%1\r\nSubject: ページ%1\r\nSEL=1;%2>\r\n\r\nSEL=2;%3>\r\n")
                           .arg(i)
                           .arg(address(i + 1, pages), address(i * 7 + 3, pages));
        if (i % 10 == 0) text += QStringLiteral("\r\nSEL=3;http://gone.example.jp/%1.txt>\r\n").arg(i);
        if (i % 5 == 0) text += QStringLiteral("Append: Name=\"photo.bmp\"\r\n");
        text +=
            QStringLiteral("こんにちは、すみれです。word%1 <#HEART><#SUN>\r\n<C=CC0000>赤い字</C>と<BL>点滅</BL>\r\n")
                .arg(i);
        if (i % 5 == 0) text += QStringLiteral("<IMG=\"photo.bmp\">\r\n");
        text += body(i);
        const QString file = fileOf(dir, address(i, pages));
        writeFile(file, text.toUtf8());
        if (i % 5 == 0 && !QFile::exists(QFileInfo(file).dir().filePath("photo.bmp")))
            writeFile(QFileInfo(file).dir().filePath("photo.bmp"), photo);
    }
}

// The slowest of a few queries typed into the index's search box, in ms.
double slowestQuery(const QString& out) {
    const QString chromium = QStandardPaths::findExecutable("chromium");
    if (chromium.isEmpty()) return -1;
    writeFile(out + "/assets/query.js",
              "var q=document.getElementById('search'),worst=0;"
              "['word4242','end4242','すみれ','heart','❤','zzz','ページ9'].forEach(function(w){var t=performance.now();"
              "q.value=w;q.dispatchEvent(new Event('input'));worst=Math.max(worst,performance.now()-t);});"
              "document.body.setAttribute('data-ms',worst.toFixed(1));");
    QFile index(out + "/index.html");
    if (!index.open(QIODevice::ReadOnly)) return -1;
    QByteArray html = index.readAll();
    html.replace("</body>", "<script src=\"./assets/query.js\"></script></body>");
    writeFile(out + "/query.html", html);
    QTemporaryDir profile;
    QProcess p;
    p.start(chromium,
            {"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
             "--disable-component-update", "--user-data-dir=" + profile.path(), "--dump-dom",
             QUrl::fromLocalFile(out + "/query.html").toString()});
    p.waitForFinished(120000);
    static const QRegularExpression ms("data-ms=\"([0-9.]+)\"");
    const QRegularExpressionMatch m = ms.match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

void BM_ExportSite(benchmark::State& state) {
    QTemporaryDir dir;
    const int pages = sitePages();
    makeSite(dir.filePath("mirror"), pages);
    Run run;
    for (auto _ : state) {
        QDir(dir.filePath("out")).removeRecursively();
        run =
            runMeasured({"export", "--archive", dir.filePath("mirror"), address(0, pages), "-o", dir.filePath("out")});
        if (run.status != 0) return state.SkipWithError("the export failed");
    }
    // Every page is reached from the first.
    qsizetype written = 0;
    for (QDirIterator it(dir.filePath("out"), {"p*.html"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();
         it.next())
        ++written;
    if (written != pages) return state.SkipWithError("the crawl missed pages");
    state.counters["pages_per_s"] = pages / run.seconds;
    state.counters["peak_MiB"] = run.peakMiB;
    state.counters["index_bytes_per_page"] =
        double(QFileInfo(dir.filePath("out/assets/search-index.js")).size()) / pages;
    state.counters["query_ms"] = slowestQuery(dir.filePath("out"));
}
BENCHMARK(BM_ExportSite)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace sumire::bench

BENCHMARK_MAIN();
