#include "export/ArchiveExport.h"

#include "export/ArchiveAssets.h"
#include "export/HtmlPage.h"
#include "export/LcdScreen.h"
#include "export/OutputFiles.h"
#include "export/PageNames.h"
#include "export/SiteExport.h"
#include "page/ArchiveFetcher.h"
#include "page/HttpFetcher.h"
#include "text/Interruption.h"
#include "text/ProgressLine.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUrl>
#include <map>
#include <new>
#include <optional>

namespace sumire {
namespace {

const QString kIndexFile = QStringLiteral("index.html");

QString withoutExtension(const QString& relative) {
    const QFileInfo info(relative);
    const QString dir = info.path();
    return dir == QStringLiteral(".") ? info.completeBaseName() : dir + u'/' + info.completeBaseName();
}

// Where a page is, for matching link targets with exported pages.
QString identity(const QString& page) {
    if (isNetworkAddress(page)) return QUrl(page).adjusted(QUrl::NormalizePathSegments).toString();
    const QString path = page.startsWith(QLatin1String("file:"), Qt::CaseInsensitive) ? QUrl(page).toLocalFile() : page;
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
}

// A link target as a page address. The viewer opens a relative path as it
// stands, from the current folder; one that names no file there is taken
// from the linking page's folder.
QString targetIdentity(const QString& target, const QString& fromPage) {
    if (isNetworkAddress(target) || target.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return identity(target);
    if (isNetworkAddress(fromPage)) return identity(QUrl(fromPage).resolved(QUrl(target)).toString());
    if (QDir::isRelativePath(target) && !QFileInfo::exists(target))
        return identity(QFileInfo(fromPage).absoluteDir().filePath(target));
    return identity(target);
}

class Exporter {
public:
    Exporter(const ExportOptions& o, QTextStream& err, QTextStream* progress)
        : o_(o),
          err_(err),
          dir_(QDir(o.out).absolutePath()),
          entries_(o.archive.isEmpty() ? plannedEntries(o) : std::vector<ExportEntry>{}),
          out_(dir_, localPages()) {
        if (progress) progress_.emplace(*progress);
        if (o.archive.isEmpty()) {
            fetcher_ = std::make_unique<HttpFetcher>();
        } else {
            auto archive = std::make_unique<ArchiveFetcher>(o.archive);
            site_.emplace(o, *archive, std::bind_front(&Exporter::relativeHref, this));
            fetcher_ = std::move(archive);
        }
    }
    int run();

private:
    void exportGuarded(const ExportEntry& entry, PageLoader& loader);
    void exportPage(const ExportEntry& entry, PageLoader& loader);
    void writeHtml(const ExportEntry& entry, const LoadedPage& page);
    std::map<int, LcdStyle::Picture> writePictures(const ExportEntry& entry, const LoadedPage& page,
                                                   const LcdScreen& screen);
    std::vector<ExportDownload> copyAttachments(const ExportEntry& entry, const LoadedPage& page);
    std::vector<ExportLink> links(const ExportEntry& entry, const PageModel& m);
    const std::vector<ExportEntry>& entries() const { return site_ ? site_->pages() : entries_; }
    bool writeAll();
    void writeText(const ExportEntry& entry, const LoadedPage& page);
    void summary(const QElapsedTimer& clock);
    QString relativeHref(const ExportEntry& from, const QString& output) const;
    QStringList localPages() const;
    // `content`: the bytes, or what fills the file.
    template <typename Content>
    bool write(const QString& relative, const Content& content, const QString& page) {
        QString error;
        if (out_.write(out_.path(relative), content, &error)) return true;
        fail(page + QStringLiteral(": ") + error);
        return false;
    }
    void showProgress(size_t done, size_t total, const QElapsedTimer& clock);
    void fail(const QString& why);

    const ExportOptions& o_;
    QTextStream& err_;
    std::optional<ProgressLine> progress_;
    QString dir_;
    std::vector<ExportEntry> entries_;
    OutputFiles out_;  // every file goes through it
    std::unique_ptr<Fetcher> fetcher_;
    std::optional<SiteExport> site_;       // a saved site
    std::map<QString, QString> outputOf_;  // page identity -> output
    ArchiveAssets assets_;
    std::vector<IndexEntry> index_;
    int status_ = 0;
};

QString Exporter::relativeHref(const ExportEntry& from, const QString& output) const {
    const QDir fromDir(QFileInfo(QDir(dir_).filePath(from.output)).absolutePath());
    return relativeLink(fromDir.relativeFilePath(QDir(dir_).filePath(output)));
}

QStringList Exporter::localPages() const {
    QStringList pages;
    for (const ExportEntry& e : entries_)
        if (!isNetworkAddress(e.page)) pages << e.page;
    return pages;
}

std::vector<ExportLink> Exporter::links(const ExportEntry& entry, const PageModel& m) {
    std::vector<ExportLink> out;
    for (int64_t i = 0; i < m.storedLinkCount(); ++i)
        out.push_back({m.linkKeys[size_t(i)], m.linkTargets[size_t(i)], {}, {}});
    if (site_) {
        site_->resolveLinks(entry, out);
        return out;
    }
    for (ExportLink& l : out) {
        const auto target = outputOf_.find(targetIdentity(l.address, entry.page));
        if (target != outputOf_.end()) l.href = relativeHref(entry, target->second);
        else if (isNetworkAddress(l.address)) l.href = l.address;
    }
    return out;
}

// The picture of each slot the LCD copies, as its first copy shows it,
// beside the page's HTML; each slot's file is relative to DIR.
std::map<int, LcdStyle::Picture> Exporter::writePictures(const ExportEntry& entry, const LoadedPage& page,
                                                         const LcdScreen& screen) {
    const QString base = withoutExtension(entry.output);
    std::map<int, LcdStyle::Picture> written;
    for (const LcdPicture& p : screen.pictures) {
        if (written.contains(p.slot)) continue;
        LcdStyle::Picture& file = written[p.slot];
        const QImage inner = page.pictures.innerImage(p.slot);
        const QRect copied(0, 0, int(std::min<int64_t>(p.width, inner.width())),
                           int(std::min<int64_t>(p.height, inner.height())));
        if (inner.isNull() || copied.isEmpty()) continue;
        QString name = QStringLiteral("%1-%2.png").arg(base).arg(p.slot);
        if (site_) name = site_->claim(name);  // not over an attachment copied beside it
        const QByteArray png = pngBytes(inner.copy(copied));
        if (png.isEmpty()) fail(entry.page + QStringLiteral(": cannot write %1: the PNG encoder failed").arg(name));
        if (!png.isEmpty() && write(name, png, entry.page)) file = {name, copied.width(), copied.height()};
    }
    return written;
}

// The pictures with each file named by `link`.
std::map<int, LcdStyle::Picture> linked(std::map<int, LcdStyle::Picture> pictures,
                                        const std::function<QString(const QString&)>& link) {
    for (auto& [slot, file] : pictures)
        if (!file.file.isEmpty()) file.file = link(file.file);
    return pictures;
}

// A saved site's attachments of the page, copied beside it.
std::vector<ExportDownload> Exporter::copyAttachments(const ExportEntry& entry, const LoadedPage& page) {
    if (!site_) return {};
    QStringList errors;
    std::vector<ExportDownload> downloads = site_->copyAttachments(entry, page, out_, &errors);
    for (const QString& e : errors) fail(entry.page + QStringLiteral(": attachment ") + e);
    return downloads;
}

void Exporter::writeHtml(const ExportEntry& entry, const LoadedPage& page) {
    const int depth = int(entry.output.count(u'/'));
    const QString up = QStringLiteral("../").repeated(depth);
    LcdStyle style;
    style.fallback = o_.fallback;
    style.assetsHref = relativeLink(up + QLatin1String(kAssetsFolder)) + u'/';
    LcdScreenReader whole(page.model, page.pictures, ScreenExtent::WholePage);
    const std::map<int, LcdStyle::Picture> files = writePictures(entry, page, whole.screen());
    style.pictures = linked(files, [&](const QString& file) { return relativeHref(entry, file); });

    HtmlPageParts parts;
    parts.sender = page.sender;
    parts.caption = page.title;
    parts.title = page.title.trimmed().isEmpty() ? pageName(entry.page) : page.title.trimmed();
    parts.lcd = [&](HtmlOut& out) { writeLcdHtml(whole, page.model, style, assets_, out); };
    parts.links = links(entry, page.model);
    parts.downloads = copyAttachments(entry, page);
    parts.source = page.source;
    parts.assetsHref = style.assetsHref;
    parts.indexHref = relativeLink(up + kIndexFile);
    const auto fill = [&parts](QIODevice& file) {
        HtmlOut out(&file);
        writePageHtml(parts, out);
        return out.finish();
    };
    if (!write(entry.output, fill, entry.page)) return;

    // The index shows the first screen, as the window does at the page's top.
    LcdScreenReader first(page.model, page.pictures, ScreenExtent::FirstScreen);
    LcdStyle small = style;
    small.scale = 1;
    small.assetsHref = relativeLink(QLatin1String(kAssetsFolder)) + u'/';
    small.pictures = linked(files, relativeLink);  // the same picture files, named from DIR
    const IndexEntry item{relativeLink(entry.output), entry.output, page.sender.trimmed(), parts.title,
                          lcdHtml(first, page.model, small, assets_)};
    if (site_) site_->indexed(item, entry, page);
    else index_.push_back(item);
}

void Exporter::exportPage(const ExportEntry& entry, PageLoader& loader) {
    const std::unique_ptr<LoadedPage> page = loader.load(entry.page);
    if (!page->shown()) {
        fail(entry.page + QStringLiteral(": ") + page->error);
        return;
    }
    // The page is still written; each attachment it lacks is named.
    if (progress_ && !page->failedAttachments.isEmpty()) progress_->clear();
    for (const QString& failed : page->failedAttachments)
        err_ << "sumire: export: " << entry.page << ": attachment " << failed << Qt::endl;
    if (o_.text) writeText(entry, *page);
    else writeHtml(entry, *page);
}

void Exporter::writeText(const ExportEntry& entry, const LoadedPage& page) {
    QString text = QStringLiteral("アドレス: %1\nタイトル: %2\n\n").arg(page.sender.trimmed(), page.title.trimmed());
    text += displayText(page.model, page.pictures, o_.fallback, PictureText::Placeholder) + u'\n';
    const PageModel& m = page.model;
    if (m.storedLinkCount() > 0) text += u'\n';
    for (const ExportLink& l : links(entry, m)) text += l.key + QStringLiteral(": ") + l.address + u'\n';
    if (m.storedAttachCount() > 0) text += QStringLiteral("\n添付ファイル:\n");
    for (int64_t i = 0; i < m.storedAttachCount(); ++i) text += m.attachNames[size_t(i)] + u'\n';
    copyAttachments(entry, page);
    write(entry.output, text.toUtf8(), entry.page);
}

// A page too large for the memory left fails alone.
void Exporter::exportGuarded(const ExportEntry& entry, PageLoader& loader) {
    try {
        exportPage(entry, loader);
    } catch (const std::bad_alloc&) {
        fail(entry.page + QStringLiteral(": not enough memory"));
    }
}

void Exporter::showProgress(size_t done, size_t total, const QElapsedTimer& clock) {
    progress_->show(QStringLiteral("sumire: export: %1/%2, %3 pages/s")
                        .arg(done)
                        .arg(total)
                        .arg(perSecond(qint64(done), double(clock.nsecsElapsed()) / 1e9), 0, 'f', 0));
    if (done == total) progress_->end();
}

// A failure on a row of its own, not after the progress line.
void Exporter::fail(const QString& why) {
    if (progress_) progress_->clear();
    err_ << "sumire: export: " << why << Qt::endl;
    status_ = 1;
}

int Exporter::run() {
    if (!QDir().mkpath(dir_) || !QFileInfo(dir_).isDir()) {
        err_ << "sumire: export: cannot make the folder " << o_.out << Qt::endl;
        return 1;
    }
    for (const ExportEntry& e : entries_) outputOf_.emplace(identity(e.page), e.output);
    // The attachment files of each page live inside DIR while it is read.
    QTemporaryDir work(QDir(dir_).filePath(QStringLiteral(".sumire-export-XXXXXX")));
    if (!work.isValid()) {
        err_ << "sumire: export: cannot make a temporary folder in " << dir_ << ": " << work.errorString() << Qt::endl;
        return 1;
    }
    const RemovedOnInterrupt workRemoved(work.path());
    PageLoader loader(*fetcher_, work.path(), o_.width);
    if (site_)
        for (const QString& lacking : site_->queueStarts()) fail(lacking + QStringLiteral(": not in the archive"));
    QElapsedTimer clock;
    clock.start();
    // A crawl's queue grows while it is walked, so each entry is copied.
    for (size_t i = 0; i < entries().size(); ++i) {
        const ExportEntry entry = entries()[i];
        exportGuarded(entry, loader);
        if (progress_ && entries().size() > 3) showProgress(i + 1, entries().size(), clock);
    }
    if (!o_.text && !writeAll()) return status_;
    if (site_) summary(clock);
    return status_;
}

bool Exporter::writeAll() {
    QString error;
    if (!assets_.writeAll(out_, out_.path(QLatin1String(kAssetsFolder)), &error)) fail(error);
    if (!site_)
        return write(kIndexFile, indexHtml(index_, relativeLink(QLatin1String(kAssetsFolder)) + u'/').toUtf8(),
                     kIndexFile);
    if (site_->writeReports(out_, &error)) return true;
    fail(error);
    return false;
}

// What a crawl reached, and what it left out.
void Exporter::summary(const QElapsedTimer& clock) {
    const SiteCounts c = site_->counts();
    if (progress_) progress_->clear();
    const auto count = [](qsizetype n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    err_ << "sumire: export: " << count(c.pages, "page", "pages") << ", "
         << count(c.attachments, "attachment", "attachments") << ", " << count(c.missing, "address", "addresses")
         << " missing from the archive";
    if (c.missing > 0 && !o_.text) err_ << " (" << QDir(o_.out).filePath(QStringLiteral("missing.html")) << ')';
    err_ << QStringLiteral(", %1 s").arg(double(clock.elapsed()) / 1000.0, 0, 'f', 1) << Qt::endl;
    if (c.beyond > 0)
        err_ << QStringLiteral(
                    "sumire: export: stopped at %1 pages (--max-pages); %2 more pages reached were not "
                    "exported and their links keep their addresses")
                    .arg(o_.maxPages)
                    .arg(c.beyond)
             << Qt::endl;
}

}  // namespace

std::vector<ExportEntry> plannedEntries(const ExportOptions& o) {
    const QString ext = o.text ? QStringLiteral(".txt") : QStringLiteral(".html");
    UniqueNames names;
    if (!o.text) names.reserve(kIndexFile);
    std::vector<ExportEntry> entries;
    for (NamedPage& named : expandPages(o.pages)) {
        // The shared assets have the top folder of their name to themselves.
        const QString assets = QLatin1String(kAssetsFolder);
        if (!o.text && named.name.section(u'/', 0, 0).compare(assets, Qt::CaseInsensitive) == 0)
            named.name = assets + QStringLiteral("-pages") + named.name.mid(assets.size());
        entries.push_back({named.page, names.take(named.name, ext)});
    }
    return entries;
}

int runExport(const ExportOptions& options, QTextStream& err, QTextStream* progress) {
    return Exporter(options, err, progress).run();
}

}  // namespace sumire
