// Archive mode's answer to an arbitrary address. The saved site holds a page,
// a link to a file outside it and a link to a folder outside it; beside it
// lies a file no address may reach. Whatever the address, the answer is a
// file of the site or a refusal, and a name the archive gives never climbs;
// nor does the name an export gives it, which holds no hidden or overlong part.

#include "export/SiteLayout.h"
#include "page/ArchiveFetcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QByteArray kSecret = "outside the archive";
const QByteArray kPage = "a saved page";

QTemporaryDir& root() {
    static QTemporaryDir dir;
    return dir;
}

void put(const QString& relative, const QByteArray& bytes) {
    QFile file(root().filePath(relative));
    if (!QDir().mkpath(QFileInfo(file).path()) || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        __builtin_trap();
}

bool climbs(const QString& name) {
    if (name.startsWith(u'/')) return true;
    for (const QString& part : name.split(u'/'))
        if (part.isEmpty() || part == u"." || part == u"..") return true;
    return false;
}

bool plainOutput(const QString& name) {
    for (const QString& part : name.split(u'/'))
        if (part.startsWith(u'.') || part.toUtf8().size() > 200 || part.contains(u'\\') || part.contains(u':'))
            return false;
    return !climbs(name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sumire;
    const QString address = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QString> name = archiveName(address);
    if (name &&
        (climbs(*name) || !plainOutput(siteOutputName(*name, true)) || !plainOutput(siteOutputName(*name, false))))
        __builtin_trap();
    ArchiveFetcher fetcher(root().filePath("site"), 1024);
    const FetchResult result = fetcher.fetch(address);
    if (result.ok && (result.body != kPage || !isNetworkAddress(address))) __builtin_trap();
    if (!result.ok && result.error.isEmpty()) __builtin_trap();
    if (fetcher.answers(address) != result.ok) __builtin_trap();
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    put("outside/secret.txt", kSecret);
    put("site/site.example/index.txt", kPage);
    put("site/site.example/a/index.html", kPage);
    put("site/site.example:8080/cgi?x=1", kPage);
    if (!QFile::link(root().filePath("outside/secret.txt"), root().filePath("site/site.example/secret.txt")) ||
        !QFile::link(root().filePath("outside"), root().filePath("site/site.example/out")))
        __builtin_trap();
    return 0;
}
