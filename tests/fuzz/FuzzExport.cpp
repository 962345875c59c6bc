// The export's writer over an arbitrary page and page name (the first line
// of the input): every link it writes is a percent-encoded path inside the
// archive or an http address, and it writes nothing outside its folder nor
// over the page.

#include "export/ArchiveExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUrl>

namespace {

void check(bool holds) {
    if (!holds) __builtin_trap();
}

// A file name of the first line: no folder separator, no NUL, and short
// enough in UTF-8 (4 bytes a character at most) for any file system.
QString pageName(const QByteArray& line) {
    QString name = QString::fromUtf8(line).left(60).remove(u'\0').replace(u'/', u'_');
    if (name.isEmpty() || name == u"." || name == u"..") name = QStringLiteral("page");
    return name + QStringLiteral(".txt");
}

// A link that a browser follows inside the archive or to an http address.
bool safeLink(const QString& link, const QString& fromFolder, const QString& top) {
    if (link.startsWith(QLatin1String("http://")) || link.startsWith(QLatin1String("https://"))) return true;
    if (!link.startsWith(QLatin1String("./")) && !link.startsWith(QLatin1String("../"))) return false;
    const QString path = QDir::cleanPath(fromFolder + u'/' + QUrl::fromPercentEncoding(link.toUtf8()));
    return path.startsWith(top + u'/') && !link.contains(u'"');
}

void checkLinks(const QString& out) {
    static const QRegularExpression link(QStringLiteral("(?:src|href)=\"([^\"]*)\""));
    QDirIterator it(out, {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        QFile html(file);
        check(html.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(html.readAll());
        for (auto m = link.globalMatch(text); m.hasNext();)
            check(safeLink(m.next().captured(1), QFileInfo(file).absolutePath(), out));
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sumire;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype end = bytes.indexOf('\n');
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("pages/") + pageName(bytes.left(end < 0 ? 0 : end)));
    const QByteArray text = end < 0 ? bytes : bytes.mid(end + 1);
    QDir().mkpath(dir.filePath(QStringLiteral("pages")));
    QFile file(page);
    check(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    file.close();
    ExportOptions o;
    o.pages = {dir.filePath(QStringLiteral("pages"))};
    o.out = dir.filePath(QStringLiteral("out"));
    QString errors;
    QTextStream err(&errors);
    runExport(o, err);
    checkLinks(QDir(o.out).canonicalPath());
    // Nothing beside the two folders, and the page as it was.
    check(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size() == 2);
    check(file.open(QIODevice::ReadOnly) && file.readAll() == text);
    return 0;
}
