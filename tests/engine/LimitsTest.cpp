// The model at and past its limits: more links than the table holds, rows
// past 32767, NUL bytes and a page of many megabytes, a file-size limit
// while attachments are written.

#include "display/LcdRenderer.h"
#include "page/LocalFetcher.h"
#include "page/PageRequest.h"
#include "page/TextCodec.h"
#include "support/FakeWindow.h"

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace sumire {
namespace {

class LimitsTest : public ::testing::Test {
protected:
    void request(const QString& page) {
        host.text1 = dir.filePath("page.txt");
        host.text2 = page;
        PageServices services{host, pictures, fetcher, folder, canvas};
        runPageRequest(model, services);
    }
    QTemporaryDir dir;
    test::FakeHost host;
    test::FakeSlots pictures;
    test::RecordingCanvas canvas;
    LocalFetcher fetcher;
    AttachmentFolder folder{dir.filePath("attachments")};
    PageModel model;
};

TEST_F(LimitsTest, LinksPastTheThousandthAreCountedButNotStored) {
    QString page;
    for (int i = 0; i < 1001; ++i) page += "SEL=" + QString::number(i) + ";t" + QString::number(i) + ">\r\n.";
    page += "end";
    request(page);
    EXPECT_EQ(model.linkCount, 1001);
    EXPECT_EQ(model.storedLinkCount(), 1000);
    EXPECT_EQ(model.linkKeys[999], QString("999"));
    EXPECT_EQ(model.linkTargets[999], QString("t999"));
    // The 1001st link's key and target stay in the text after it.
    EXPECT_EQ(model.lcdText, QString("1000;t1000>\r\n.end"));
}

TEST_F(LimitsTest, RowsPast32767KeepTheirPlaces) {
    QString page;
    for (int i = 0; i < 40000; ++i) page += "row " + QString::number(i) + "\r\n";
    request(page);
    EXPECT_EQ(model.lcdRow, 40000 - 10);
    model.scrollTop = 39000;
    canvas.ops.clear();
    DrawLcd(model, pictures, canvas);
    ASSERT_GE(canvas.ops.size(), 3u);
    const test::DrawOp first = canvas.ops[2];  // after the box and its frame
    EXPECT_EQ(first, (test::DrawOp{"text", {400, 1000, u'r', 0}}));
    EXPECT_TRUE(canvas.drawnText().startsWith("row 39000"));
}

TEST_F(LimitsTest, NulBytesAndBrokenTextAreJustCharacters) {
    const QString page = decodePageBytes(QByteArray("a\0b\x81\x00\xff<#HEART>\xef\xbb", 14));
    request(page);
    EXPECT_TRUE(model.lcdText.startsWith(QString("a") + QChar(0) + "b"));
    EXPECT_TRUE(model.lcdText.contains(QChar(0xE000)));
    EXPECT_TRUE(host.goEnabled);
}

TEST_F(LimitsTest, ASixteenMegabytePageIsShown) {
    const QString line = QString::fromUtf8("０１２３４５６７８<C=FF0000>赤</C>\r\n");
    const QString page = line.repeated(16 * 1024 * 1024 / line.size());
    request(page);
    EXPECT_EQ(model.colorIdx, page.size() / line.size());
    EXPECT_GT(model.lcdRow, 500000);
    EXPECT_TRUE(host.goEnabled);
}

// RLIMIT_FSIZE stops a write even for root; the signal it raises is ignored so
// that the write fails instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(LimitsTest, AnAttachmentCutShortByAFullDiskLeavesNoFile) {
    const QString base64 = QString::fromLatin1(test::makeBmp(100, 100).toBase64());
    const QString page = "stream;name=\"big.bmp\"\r\n" + base64 +
                         "\r\n--VOV980907\r\n"
                         "stream;name=\"small.dat\"\r\nQkJD\r\n--VOV980907\r\n";
    {
        FileSizeLimit limit(1000);
        request(page);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"small.dat"}));
    EXPECT_FALSE(pictures.boxes[0].picture);
    EXPECT_EQ(model.attachCount, 2);
}

}  // namespace
}  // namespace sumire
