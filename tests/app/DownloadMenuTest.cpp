// The download menu through the script interface: keeping a page's
// attachment in the working folder's download folder, twice, emptying the
// folder, and copies that fail.

#include "OfflinePage.h"
#include "ScriptRun.h"
#include "TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

using test::readFile;

// A bitmap's first bytes; its Base64 text begins with "Qk".
const QByteArray kPicture = QByteArray("BM") + QByteArray(30, '\x01') + "end";

QString pageWithAttachment() {
    return "Subject: pic\r\nsee it\r\n--VOV980907\r\nContent-Type: image/bmp; stream;name=\"a.bmp\"\r\n\r\n" +
           QString::fromLatin1(kPicture.toBase64()) + "\r\n--VOV980907--\r\n";
}

TEST(DownloadMenu, KeepsTheAttachmentTwiceAndEmptiesTheFolder) {
    Sandbox box;
    QDir(box.workDir()).mkpath("download/kept-folder");
    box.write("download/a.bmp", "an older copy");
    box.write("download/other.txt", "x");
    QStringList lines = showOffline(pageWithAttachment());
    lines += QStringList{"click File001(0)", "click File001(0)", "click File001(1)", "dump", "click file002", "dump"};
    const ScriptResult r = box.run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();

    const QJsonObject d = r.dump(0);
    ASSERT_EQ(d["model"].toObject()["attachNames"].toArray(), QJsonArray({"a.bmp"}));
    // The disabled second item did nothing; each keep says so in the same words.
    EXPECT_EQ(d["messages"].toArray(), QJsonArray({"a.bmpをダウンロードしました。", "a.bmpをダウンロードしました。"}));
    // The temporary file stays; the folder is emptied of files only, silently.
    const QString temporary = QDir(d["attachFolder"].toString()).filePath("a.bmp");
    EXPECT_EQ(readFile(temporary), kPicture);
    EXPECT_EQ(r.dump(1)["messages"].toArray(), QJsonArray());
    EXPECT_EQ(QDir(box.path("download")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"kept-folder"});
}

TEST(DownloadMenu, KeptCopyHasTheAttachmentsBytes) {
    Sandbox box;
    QDir(box.workDir()).mkpath("download");
    box.write("download/a.bmp", "an older copy");
    QStringList lines = showOffline(pageWithAttachment());
    lines << "click File001(0)";
    ASSERT_EQ(box.run(lines).exitCode, 0);
    EXPECT_EQ(readFile(box.path("download/a.bmp")), kPicture);
}

// No folder to copy into, or no temporary file to copy: the user is told, and
// nothing claims the file was kept.
TEST(DownloadMenu, ACopyThatFailsIsToldInsteadOfSuccess) {
    struct Case {
        const char* what;
        const char* fileInTheWay;  // a plain file where a folder should be
    };
    for (const Case c : {Case{"no download folder", "download"}, Case{"no temporary file", "attachments"}}) {
        Sandbox box;
        box.write(c.fileInTheWay, "a file, not a folder");
        QStringList lines = showOffline(pageWithAttachment());
        lines += QStringList{"dump", "click File001(0)", "dump"};
        const ScriptResult r = box.run(lines);
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_EQ(r.dump(0)["File001"].toArray()[0].toObject()["enabled"], QJsonValue(true)) << c.what;
        const QJsonArray messages = r.dump(1)["messages"].toArray();
        ASSERT_EQ(messages.size(), 1) << c.what;
        const QString message = messages[0].toString();
        EXPECT_TRUE(message.startsWith("a.bmpをダウンロードできませんでした。\n")) << qPrintable(message);
        EXPECT_GT(message.size(), QString("a.bmpをダウンロードできませんでした。\n").size()) << c.what;
        EXPECT_EQ(readFile(box.path(c.fileInTheWay)), "a file, not a folder") << c.what;
    }
}

}  // namespace
}  // namespace sumire::apptest
