#include "export/ArchiveExport.h"

#include "export/ArchiveAssets.h"
#include "export/FileWrite.h"
#include "export/HtmlPage.h"
#include "export/LcdScreen.h"
#include "export/OutputFiles.h"
#include "export/PageNames.h"
#include "page/AttachmentFolder.h"
#include "page/HttpFetcher.h"
#include "text/Interruption.h"
#include "text/ProgressLine.h"

#include <QBuffer>
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
        : o_(o), err_(err), dir_(QDir(o.out).absolutePath()), entries_(plannedEntries(o)), out_(dir_, localPages()) {
        if (progress) progress_.emplace(*progress);
    }
    int run();

private:
    void exportGuarded(const ExportEntry& entry, PageLoader& loader);
    bool exportPage(const ExportEntry& entry, PageLoader& loader);
    void writeHtml(const ExportEntry& entry, const LoadedPage& page);
    void writePictures(const ExportEntry& entry, const LoadedPage& page, const LcdScreen& screen,
                       std::map<int, LcdStyle::Picture>* files);
    std::vector<ExportLink> links(const ExportEntry& entry, const PageModel& m) const;
    QString relativeHref(const ExportEntry& from, const QString& output) const;
    QStringList localPages() const;
    bool write(const QString& relative, const QByteArray& bytes, const QString& page);
    bool write(const QString& relative, const FileFiller& fill, const QString& page);
    void showProgress(size_t done, size_t total, const QElapsedTimer& clock);
    void fail(const QString& why);

    const ExportOptions& o_;
    QTextStream& err_;
    std::optional<ProgressLine> progress_;
    QString dir_;
    std::vector<ExportEntry> entries_;
    OutputFiles out_;                      // every file goes through it
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

bool Exporter::write(const QString& relative, const QByteArray& bytes, const QString& page) {
    QString error;
    if (out_.write(out_.path(relative), bytes, &error)) return true;
    fail(page + QStringLiteral(": ") + error);
    return false;
}

bool Exporter::write(const QString& relative, const FileFiller& fill, const QString& page) {
    QString error;
    if (out_.write(out_.path(relative), fill, &error)) return true;
    fail(page + QStringLiteral(": ") + error);
    return false;
}

std::vector<ExportLink> Exporter::links(const ExportEntry& entry, const PageModel& m) const {
    std::vector<ExportLink> out;
    for (int64_t i = 0; i < m.storedLinkCount(); ++i) {
        ExportLink l{m.linkKeys[size_t(i)], m.linkTargets[size_t(i)], {}};
        const auto target = outputOf_.find(targetIdentity(l.address, entry.page));
        if (target != outputOf_.end()) l.href = relativeHref(entry, target->second);
        else if (isNetworkAddress(l.address)) l.href = l.address;
        out.push_back(l);
    }
    return out;
}

// The picture of each slot the LCD copies, as its first copy shows it,
// beside the page's HTML; `files` gets each slot's file relative to DIR.
void Exporter::writePictures(const ExportEntry& entry, const LoadedPage& page, const LcdScreen& screen,
                             std::map<int, LcdStyle::Picture>* files) {
    const QString base = withoutExtension(entry.output);
    std::map<int, LcdStyle::Picture>& written = *files;
    for (const LcdPicture& p : screen.pictures) {
        auto it = written.find(p.slot);
        if (it == written.end()) {
            const QImage inner = page.pictures.innerImage(p.slot);
            LcdStyle::Picture file;
            const QRect copied(0, 0, int(std::min<int64_t>(p.width, inner.width())),
                               int(std::min<int64_t>(p.height, inner.height())));
            if (!inner.isNull() && !copied.isEmpty()) {
                file = {QStringLiteral("%1-%2.png").arg(base).arg(p.slot), copied.width(), copied.height()};
                const QByteArray png = pngBytes(inner.copy(copied));
                if (png.isEmpty())
                    fail(entry.page + QStringLiteral(": cannot write %1: the PNG encoder failed").arg(file.file));
                if (png.isEmpty() || !write(file.file, png, entry.page)) file = {};
            }
            written.emplace(p.slot, file);
        }
    }
}

void Exporter::writeHtml(const ExportEntry& entry, const LoadedPage& page) {
    const int depth = int(entry.output.count(u'/'));
    const QString up = QStringLiteral("../").repeated(depth);
    LcdStyle style;
    style.fallback = o_.fallback;
    style.assetsHref = relativeLink(up + QLatin1String(kAssetsFolder)) + u'/';
    LcdScreenReader whole(page.model, page.pictures, ScreenExtent::WholePage);
    std::map<int, LcdStyle::Picture> files;
    writePictures(entry, page, whole.screen(), &files);
    for (auto [slot, file] : files) {
        if (!file.file.isEmpty()) file.file = relativeHref(entry, file.file);
        style.pictures.emplace(slot, file);
    }

    HtmlPageParts parts;
    parts.sender = page.sender;
    parts.caption = page.title;
    parts.title = page.title.trimmed().isEmpty() ? pageName(entry.page) : page.title.trimmed();
    parts.lcd = [&](HtmlOut& out) { writeLcdHtml(whole, page.model, style, assets_, out); };
    parts.links = links(entry, page.model);
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
    const LcdScreen first = readLcdScreen(page.model, page.pictures, ScreenExtent::FirstScreen);
    LcdStyle small = style;
    small.scale = 1;
    small.assetsHref = relativeLink(QLatin1String(kAssetsFolder)) + u'/';
    // The same picture files, named from DIR.
    small.pictures.clear();
    for (auto [slot, file] : files) {
        if (!file.file.isEmpty()) file.file = relativeLink(file.file);
        small.pictures.emplace(slot, file);
    }
    index_.push_back({relativeLink(entry.output), entry.output, page.sender.trimmed(), parts.title,
                      lcdHtml(first, page.model, small, assets_)});
}

bool Exporter::exportPage(const ExportEntry& entry, PageLoader& loader) {
    const std::unique_ptr<LoadedPage> page = loader.load(entry.page);
    if (!page->error.isEmpty()) {
        fail(entry.page + QStringLiteral(": ") + page->error);
        return false;
    }
    // The page is still written; each attachment it lacks is named.
    if (progress_ && !page->failedAttachments.isEmpty()) progress_->clear();
    for (const QString& failed : page->failedAttachments)
        err_ << "sumire: export: " << entry.page << ": attachment " << failed << Qt::endl;
    if (!o_.text) {
        writeHtml(entry, *page);
        return true;
    }
    QString text = QStringLiteral("アドレス: %1\nタイトル: %2\n\n").arg(page->sender.trimmed(), page->title.trimmed());
    text += displayText(page->model, page->pictures, o_.fallback) + u'\n';
    const PageModel& m = page->model;
    if (m.storedLinkCount() > 0) text += u'\n';
    for (int64_t i = 0; i < m.storedLinkCount(); ++i)
        text += m.linkKeys[size_t(i)] + QStringLiteral(": ") + m.linkTargets[size_t(i)] + u'\n';
    return write(entry.output, text.toUtf8(), entry.page);
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
    HttpFetcher fetcher;
    PageLoader loader(fetcher, work.path(), o_.width);
    const bool showing = progress_ && entries_.size() > 3;
    QElapsedTimer clock;
    clock.start();
    for (size_t i = 0; i < entries_.size(); ++i) {
        exportGuarded(entries_[i], loader);
        if (showing) showProgress(i + 1, entries_.size(), clock);
    }
    if (o_.text) return status_;
    QString error;
    if (!assets_.writeAll(out_, out_.path(QLatin1String(kAssetsFolder)), &error)) {
        fail(error);
    }
    write(kIndexFile, indexHtml(index_, relativeLink(QLatin1String(kAssetsFolder)) + u'/').toUtf8(), kIndexFile);
    return status_;
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
