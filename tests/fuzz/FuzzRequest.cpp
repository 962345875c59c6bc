// A whole page request over arbitrary page bytes, then DrawLcd at every
// display width and a few scroll positions. Files and fetches stay inside a
// temporary folder.

#include "display/DiscardingCanvas.h"
#include "display/LcdRenderer.h"
#include "page/LocalFetcher.h"
#include "page/PageRequest.h"
#include "page/TextCodec.h"
#include "support/FakeWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {

QTemporaryDir& workDir() {
    static QTemporaryDir dir;
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace sumire;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    test::FakeHost host;
    host.folder = workDir().filePath("site");
    host.text1 = workDir().filePath("site/page.txt");
    host.text2 = decodePageBytes(bytes);
    test::FakeSlots pictures;
    DiscardingCanvas canvas;
    LocalFetcher fetcher(64 * 1024);
    AttachmentFolder folder(workDir().filePath("attachments"));
    PageModel model;
    PageServices services{host, pictures, fetcher, folder, canvas};
    runPageRequest(model, services);
    for (const DisplayWidth& width : kDisplayWidths) {
        model.setDisplayWidth(width);
        for (int64_t top : {int64_t(0), int64_t(7), int64_t(-12), model.lcdRow}) {
            model.scrollTop = top;
            DrawLcd(model, pictures, canvas);
        }
    }
    folder.removeWritten();
    // Whatever the page names, nothing may be written outside the folder.
    if (!QDir(workDir().path()).entryList(QDir::Files).isEmpty()) __builtin_trap();
    return 0;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    QDir().mkpath(workDir().filePath("site"));
    return 0;
}
