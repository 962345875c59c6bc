// Attachments with real files: fetched over HTTP from a local server and from
// a local folder, embedded as Base64, and names that try to leave the folder.

#include "page/Attachments.h"
#include "page/HttpFetcher.h"
#include "support/FakeWindow.h"
#include "support/TestFiles.h"
#include "support/TestHttpServer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::FakeHost;
using test::FakeSlots;
using test::readFile;
using test::RecordingCanvas;

QByteArray randomBytes(int size, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray b(size, Qt::Uninitialized);
    for (char& c : b) c = char(random.bounded(256));
    return b;
}

// Every file below `dir`, relative to it.
QStringList filesBelow(const QString& dir) {
    QStringList out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) out << QDir(dir).relativeFilePath(it.next());
    out.sort();
    return out;
}

QString wrapped(const QString& text, int width, const QString& lineEnd) {
    QString out;
    for (qsizetype i = 0; i < text.size(); i += width) out += text.mid(i, width) + lineEnd;
    return out;
}

class AttachmentsTest : public ::testing::Test {
protected:
    AttachmentsTest() : folder(work.filePath("attachments")) {
        host.folder = work.filePath("site");
        QDir().mkpath(host.folder);
    }
    RequestOutcome request(const QString& page) {
        host.text2 = page;
        PageServices services{host, pictures, fetcher, folder, canvas};
        return runPageRequest(model, services);
    }
    void putSiteFile(const QString& name, const QByteArray& bytes) {
        QFile f(work.filePath("site/" + name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir work;
    FakeHost host;
    FakeSlots pictures;
    RecordingCanvas canvas;
    HttpFetcher fetcher{FetchLimits{5000, 5, 16 * 1024 * 1024}};
    AttachmentFolder folder;
    PageModel model;
};

TEST_F(AttachmentsTest, FetchedOverHttpFromThePagesFolderByteForByte) {
    test::TestHttpServer server;
    const QByteArray picture = test::makeBmp(30, 20);
    const QByteArray melody = randomBytes(3000, 1);
    const QString page = "From: a http://x\r\nAppend: Name=\"pic.bmp\"\r\nAppend:name=\"tune.dxm\"\r\nbody";
    server.serveBytes("/mail/page.txt", page.toUtf8());
    server.serveBytes("/mail/pic.bmp", picture, "image/bmp");
    server.serveBytes("/mail/tune.dxm", melody);
    host.network = true;
    host.text1 = server.url("/mail/page.txt");
    EXPECT_FALSE(request(QString()).fetchFailed);

    EXPECT_EQ(readFile(folder.path() + "/pic.bmp"), picture);
    EXPECT_EQ(readFile(folder.path() + "/tune.dxm"), melody);
    EXPECT_EQ(server.requestedPaths(), QStringList({"/mail/page.txt", "/mail/pic.bmp", "/mail/tune.dxm"}));
    // The picture fills slot 0 and takes its size; the melody shows its icon.
    EXPECT_TRUE(pictures.boxes[0].picture);
    EXPECT_EQ(pictures.boxes[0].width, 30 * 15);
    EXPECT_EQ(pictures.boxes[1].loadedFrom, QString("melody-icon"));
    EXPECT_EQ(host.menuCaptions[1], QString("tune.dxm"));
    EXPECT_TRUE(host.menuEnabled[1]);
    // The handler stops on the carriage return, where the body then starts.
    EXPECT_EQ(model.lcdText, QString("\r\nbody"));
    EXPECT_EQ(host.text2, page);  // the source box shows the fetched text
}

TEST_F(AttachmentsTest, OfflineFetchesFromTheLocalFolderAndTheNextRequestDeletes) {
    const QByteArray data = randomBytes(5000, 2);
    putSiteFile("a.dat", data);
    host.text1 = work.filePath("site/page.txt");
    request("Append:Name=\"a.dat\"\r\nAppend:Name=\"gone.dat\"\r\n");
    EXPECT_EQ(readFile(folder.path() + "/a.dat"), data);
    // A fetch that fails writes no file, but the attachment is still listed.
    EXPECT_EQ(filesBelow(folder.path()), QStringList({"a.dat"}));
    EXPECT_EQ(model.attachCount, 2);
    EXPECT_EQ(pictures.boxes[0].loadedFrom, QString("data-icon"));

    request("no attachments");
    EXPECT_TRUE(filesBelow(folder.path()).isEmpty());
    EXPECT_EQ(host.menuCaptions[0], QString("ファイルがありません"));
    EXPECT_FALSE(host.menuEnabled[0]);
}

TEST_F(AttachmentsTest, EmbeddedBase64DecodesTheSameAtAnyLineLength) {
    const QByteArray picture = test::makeBmp(61, 7, 1, 2, 3) + randomBytes(777, 3);
    const QString base64 = QString::fromLatin1(picture.toBase64());
    for (int width : {2, 3, 4, 57, 60, 76, 1000, 100000}) {
        for (const char* lineEnd : {"\r\n", "\n"}) {
            const QString page = "Content-Type: image/bmp; stream;name=\"w.bmp\"\r\nX-Other: 1\r\n\r\n" +
                                 wrapped(base64, width, QString(lineEnd)) + "--VOV980907--\r\n";
            request(page);
            ASSERT_EQ(readFile(folder.path() + "/w.bmp"), picture) << "width " << width;
            EXPECT_TRUE(pictures.boxes[0].picture);
            EXPECT_EQ(model.attachNames[0], QString("w.bmp"));
            EXPECT_EQ(model.lcdText, page.left(page.indexOf("--VOV")));
        }
    }
}

TEST_F(AttachmentsTest, BrokenEmbeddedPartsWriteNothingAndTheScanEnds) {
    request("stream;name=\"a.bmp\" no base64 start here\r\nSEL=1;x>\r\n");
    EXPECT_TRUE(filesBelow(folder.path()).isEmpty());
    EXPECT_EQ(model.attachCount, 1);
    EXPECT_EQ(model.linkCount, 1);

    request("stream;name=\"b.bmp\"\r\nQkJD but no boundary\r\n");
    EXPECT_TRUE(filesBelow(folder.path()).isEmpty());

    // A character outside the alphabet fails the decoding: no file.
    request("stream;name=\"c.bmp\"\r\nQk*D\r\n--VOV980907");
    EXPECT_TRUE(filesBelow(folder.path()).isEmpty());
    EXPECT_EQ(model.attachCount, 1);
}

TEST_F(AttachmentsTest, NamesThatTryToLeaveTheFolderStayInside) {
    const QStringList hostile = {"../bookmark.txt",  "../../etc/x.dat",  "/tmp/abs.dat", "..\\win.dat",
                                 "C:\\x\\drive.dat", "sub/dir/deep.dat", "..",           "*.dat",
                                 "a\x01\x02.dat"};
    QString page;
    for (const QString& name : hostile) {
        page += "stream;name=\"" + name + "\"\r\nQkJD\r\n--VOV980907\r\n";
        putSiteFile("../" + QString::number(page.size()) + ".keep", "x");  // files outside to watch
    }
    const QStringList before = filesBelow(work.path());
    request(page);

    const QStringList written = filesBelow(folder.path());
    EXPECT_EQ(written,
              QStringList({".dat", "a.dat", "abs.dat", "bookmark.txt", "deep.dat", "drive.dat", "win.dat", "x.dat"}));
    QStringList outside = filesBelow(work.path()).filter(QRegularExpression("^(?!attachments/)"));
    EXPECT_EQ(outside, before);
    // The page's own names are kept as it gave them.
    EXPECT_EQ(model.attachNames[0], QString("../bookmark.txt"));
    EXPECT_EQ(model.attachNames[6], QString(".."));

    request("");
    EXPECT_TRUE(filesBelow(folder.path()).isEmpty());
    EXPECT_EQ(filesBelow(work.path()), before);
}

TEST_F(AttachmentsTest, AnEleventhAttachmentGetsNoSlotMenuItemOrFile) {
    QString page;
    for (int i = 0; i < 12; ++i) page += "stream;name=\"f" + QString::number(i) + ".dxm\"\r\nQkJD\r\n--VOV980907\r\n";
    request(page);
    EXPECT_EQ(model.attachCount, 12);
    EXPECT_EQ(filesBelow(folder.path()).size(), 10);
    EXPECT_FALSE(QFile::exists(folder.path() + "/f10.dxm"));
    EXPECT_EQ(model.attachNames[10], QString("f10.dxm"));
    EXPECT_EQ(pictures.boxes[10].loadedFrom, QString("melody-icon"));
    EXPECT_EQ(pictures.boxes[11].loadedFrom, QString("data-icon"));
    EXPECT_EQ(host.menuCaptions[9], QString("f9.dxm"));
}

TEST(BaseAddress, UpToTheLastSlashOrBackslash) {
    EXPECT_EQ(baseAddress("http://h/a/b.txt"), QString("http://h/a/"));
    EXPECT_EQ(baseAddress("C:\\x\\y/z\\p.txt"), QString("C:\\x\\y/z\\"));
    EXPECT_EQ(baseAddress("page.txt"), QString());
}

}  // namespace
}  // namespace sumire
