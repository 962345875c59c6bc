// Page requests in network mode against a local HTTP server, through the
// script interface: the page's sender, title, links, colours and a fetched
// attachment; the keypad following a link; a failed fetch.

#include "ScriptRun.h"
#include "support/FakeWindow.h"
#include "support/TestHttpServer.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

using test::TestHttpServer;

const QByteArray kUtf8Text = "text/plain; charset=utf-8";

QString firstPage(const TestHttpServer& server) {
    return QStringLiteral(
               "From: Taro http://example.jp/taro\r\n"
               "Subject: Greetings\r\n"
               "\r\n"
               "SEL=1;%1>\r\n"
               "\r\n"
               "SEL=2;%2>\r\n"
               "\r\n"
               "Append: Name=\"pic.bmp\"\r\n"
               "<BODY=0000FF BG=FFFF00>\r\n"
               "Hello<IMG=\"pic.bmp\">\r\n"
               "<C=FF0000>red</C>\r\n")
        .arg(server.url("/mail/other.txt"), server.url("/mail/page2.txt"));
}

class PageRequest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.isListening());
        page1 = firstPage(server);
        picture = test::makeBmp(40, 60, 0, 128, 255);
        server.serveBytes("/mail/page1.txt", page1.toUtf8(), kUtf8Text);
        server.serveBytes("/mail/pic.bmp", picture, "image/bmp");
        server.serveBytes("/mail/page2.txt", QByteArray("Subject: Second\r\nbody two"), kUtf8Text);
    }

    TestHttpServer server;
    Sandbox box;
    QString page1;
    QByteArray picture;
};

TEST_F(PageRequest, ShowsSenderTitleLinksColoursAndAFetchedAttachment) {
    const ScriptResult r = box.run({"set Text1 " + server.url("/mail/page1.txt"), "click Command1", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject d = r.dump(0);
    const QJsonObject m = r.model(0);

    EXPECT_EQ(d["Label1(3)"], QJsonValue("http://example.jp/taro"));
    EXPECT_EQ(d["Label1(6)"], QJsonValue(" Greetings"));
    EXPECT_EQ(d["Text2"].toObject()["text"], QJsonValue(page1));  // the raw text, line breaks as sent
    EXPECT_EQ(d["enabled"].toObject()["Command1"], QJsonValue(true));
    EXPECT_EQ(m["linkCount"], QJsonValue(2));
    EXPECT_EQ(m["linkKeys"].toArray(), QJsonArray({"1", "2"}));
    EXPECT_EQ(m["linkTargets"].toArray(), QJsonArray({server.url("/mail/other.txt"), server.url("/mail/page2.txt")}));
    EXPECT_EQ(m["textBlue"], QJsonValue(255));
    EXPECT_EQ(m["backRed"], QJsonValue(255));
    EXPECT_EQ(m["backGreen"], QJsonValue(255));
    EXPECT_EQ(m["backBlue"], QJsonValue(0));
    EXPECT_EQ(m["lcdText"], QJsonValue(QString::fromUtf8("Hello\x01"
                                                         "0\r\n\x02red\x03\r\n")));

    // The attachment: fetched from the page's folder, saved, shown, listed.
    EXPECT_EQ(m["attachNames"].toArray(), QJsonArray({"pic.bmp"}));
    EXPECT_EQ(d["File001"].toArray()[0].toObject(), QJsonObject({{"caption", "pic.bmp"}, {"enabled", true}}));
    EXPECT_EQ(d["File001"].toArray()[1].toObject()["enabled"], QJsonValue(false));
    const QJsonObject slot0 = d["Picture1"].toArray()[0].toObject();
    EXPECT_EQ(slot0["picture"], QJsonValue(true));
    // Sized to the picture, with the box's 2-pixel border on each side.
    EXPECT_EQ(slot0["width"], QJsonValue((40 + 4) * 15));
    EXPECT_EQ(slot0["height"], QJsonValue((60 + 4) * 15));
    QFile saved(QFileInfo(d["attachFolder"].toString() + "/pic.bmp").filePath());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), picture);
    EXPECT_EQ(server.requestedPaths(), QStringList({"/mail/page1.txt", "/mail/pic.bmp"}));

    // The drawing: yellow box, blue text, the picture below "Hello", red text.
    EXPECT_EQ(drawOps(d, "box").value(0).at(5), QJsonValue(255 + 256 * 255));
    const QList<QJsonArray> texts = drawOps(d, "text");
    ASSERT_GE(texts.size(), 8);
    EXPECT_EQ(texts[0], QJsonArray({"text", 400, 1000, int('H'), 0xFF0000}));
    EXPECT_EQ(drawnText(d).left(5), QString("Hello"));
    const QList<QJsonArray> blts = drawOps(d, "blt");
    ASSERT_EQ(blts.size(), 1);
    EXPECT_EQ(blts[0], QJsonArray({"blt", 0, 48, 68, 660, 960}));
    bool redSeen = false;
    for (const QJsonArray& t : texts)
        if (t[3].toInt() == 'r') redSeen = t[4].toInt() == 255;
    EXPECT_TRUE(redSeen);
}

TEST_F(PageRequest, KeypadFollowsTheLinkWhoseKeyIsTyped) {
    const ScriptResult r = box.run({
        "set Text1 " + server.url("/mail/page1.txt"),
        "click Command1",
        "dump",
        "click Command5(1)",
        "click Command5(0)",
        "dump",
        "click Command4",  // "10": no such link
        "dump",
        "click Command5(2)",
        "click Command5(5)",
        "click Command6",
        "dump",
        "click Command4",
        "dump",
    });
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    ASSERT_EQ(r.dumps.size(), 5);
    const QString savedPicture = r.dump(0)["attachFolder"].toString() + "/pic.bmp";
    EXPECT_EQ(r.dump(1)["Text3"], QJsonValue("10"));
    EXPECT_EQ(r.dump(2)["Text3"], QJsonValue(""));
    EXPECT_EQ(r.dump(2)["Text1"].toObject()["text"], QJsonValue(server.url("/mail/page1.txt")));
    EXPECT_EQ(r.dump(3)["Text3"], QJsonValue("2"));
    const QJsonObject followed = r.dump(4);
    EXPECT_EQ(followed["Text1"].toObject()["text"], QJsonValue(server.url("/mail/page2.txt")));
    EXPECT_EQ(followed["Text3"], QJsonValue(""));
    EXPECT_EQ(followed["Label1(6)"], QJsonValue(" Second"));
    EXPECT_EQ(followed["model"].toObject()["lcdText"], QJsonValue("\nbody two"));
    EXPECT_EQ(followed["model"].toObject()["attachCount"], QJsonValue(0));
    EXPECT_EQ(followed["File001"].toArray()[0].toObject()["enabled"], QJsonValue(false));
    EXPECT_FALSE(QFile::exists(savedPicture));  // the previous page's file is gone
    EXPECT_EQ(server.requestedPaths().count("/mail/page2.txt"), 1);
    EXPECT_EQ(server.requestedPaths().count("/mail/other.txt"), 0);
}

TEST_F(PageRequest, AddressWithTwoLeadingSlashesIsCompleted) {
    const QString address = server.url("/mail/page2.txt").mid(QStringLiteral("http:").size());
    const ScriptResult r = box.run({"set Text1 " + address, "click Command1", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["Text1"].toObject()["text"], QJsonValue(server.url("/mail/page2.txt")));
    EXPECT_EQ(r.model(0)["lcdText"], QJsonValue("\nbody two"));
}

TEST_F(PageRequest, FailedFetchKeepsThePageShownAndEndsWithTheGoButtonEnabled) {
    const ScriptResult r = box.run({
        "set Text1 " + server.url("/mail/page1.txt"),
        "click Command1",
        "dump",
        "set Text1 " + server.url("/mail/missing.txt"),
        "click Command1",
        "dump",
    });
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject before = r.dump(0), d = r.dump(1);
    EXPECT_EQ(d["enabled"].toObject()["Command1"], QJsonValue(true));
    EXPECT_FALSE(before["model"].toObject()["lcdText"].toString().isEmpty());
    for (const char* key : {"Text2", "Label1(3)", "Label1(6)", "model", "draw", "File001"})
        EXPECT_EQ(d[key], before[key]) << key;
    EXPECT_EQ(d["messages"], QJsonValue(QJsonArray()));  // no box for it
    EXPECT_TRUE(d["status"].toString().contains("404")) << qPrintable(d["status"].toString());
}

}  // namespace
}  // namespace sumire::apptest
