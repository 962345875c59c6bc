// Archive mode through the built program: a saved site laid out as a
// mirroring download leaves it, with a port in the host's folder name, and a
// server listening at the archived address that must never be called.

#include "ScriptRun.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

QByteArray allByteValues() {
    QByteArray bytes;
    for (int value = 0; value < 256; ++value) bytes.append(char(value));
    return bytes;
}

class ArchiveMode : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
        host = QStringLiteral("127.0.0.1:%1").arg(server.serverPort());
        base = QStringLiteral("http://") + host;
        ASSERT_TRUE(QDir(root.path()).mkpath("site/" + host + "/sub"));
        save("index.txt", "From: saved\r\nSubject: top\r\nSEL=1;" + base.toUtf8() +
                              "/sub/next.txt>\r\nAppend: Name=\"memo.dat\"\r\nthe top page\r\n");
        save("memo.dat", allByteValues());
        save("sub/next.txt", "the next page\n");
        save("kept.txt", "the bookmarked page\n");
        save("cgi?x=1", "the query's page\n");
        ASSERT_TRUE(QFile::link(root.filePath("outside.txt"), site(host + "/link.txt")));
        QFile outside(root.filePath("outside.txt"));
        ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
        outside.write("SECRET\n");
        outside.close();
        box.write("bookmark.txt", "\"kept\",\"" + base.toUtf8() + "/kept.txt\"\r\n");
    }
    void TearDown() override {
        // Not one connection in the whole run.
        EXPECT_FALSE(server.waitForNewConnection(100));
        EXPECT_FALSE(server.hasPendingConnections());
    }
    QString site(const QString& relative = {}) const { return root.filePath("site/" + relative); }
    void save(const QString& relative, const QByteArray& bytes) const {
        QFile f(site(host + "/" + relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(f.fileName());
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QStringList listing() const { return test::treeListing(site()); }
    ScriptResult run(const QStringList& lines, const QString& page = {}) const {
        QStringList arguments{"--archive", site()};
        if (!page.isEmpty()) arguments << page;
        return box.run(lines, arguments);
    }
    QStringList request(const QString& address) const { return {"set Text1 " + address, "click Command1", "dump"}; }

    QTemporaryDir root;
    QTcpServer server;
    QString host, base;
    Sandbox box;
};

QString lcdText(const QJsonObject& d) { return d["model"].toObject()["lcdText"].toString(); }
QString status(const QJsonObject& d) { return d["status"].toString(); }

TEST_F(ArchiveMode, ThePageItsLinkItsAttachmentAndABookmarkComeFromTheArchive) {
    const QStringList before = listing();
    const ScriptResult r = run({"dump", "click File001(0)", "click Command5(1)", "click Command4", "dump",
                                "click book000(0)", "dump", "set Text1 " + base + "/cgi?x=1", "click Command1", "dump"},
                               base + "/index.txt");
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();

    const QJsonObject top = r.dump(0);
    EXPECT_EQ(top["archive"], QJsonValue(site().chopped(1)));
    EXPECT_EQ(top["Text1"].toObject()["text"], QJsonValue(base + "/index.txt"));  // the page's own address
    EXPECT_EQ(lcdText(top), QString("\r\nthe top page\r\n"));
    EXPECT_EQ(top["Label1(6)"], QJsonValue(" top"));
    EXPECT_EQ(top["model"].toObject()["attachNames"], QJsonValue(QJsonArray{"memo.dat"}));
    EXPECT_EQ(top["File001"].toArray()[0].toObject()["enabled"], QJsonValue(true));
    EXPECT_TRUE(status(top).contains(QStringLiteral("アーカイブ"))) << qPrintable(status(top));
    EXPECT_TRUE(status(top).contains(site().chopped(1))) << qPrintable(status(top));
    // The attachment as kept from the download menu.
    QFile attachment(box.path("download/memo.dat"));
    ASSERT_TRUE(attachment.open(QIODevice::ReadOnly)) << qPrintable(attachment.fileName());
    EXPECT_EQ(attachment.readAll(), allByteValues());

    EXPECT_EQ(r.dump(1)["Text1"].toObject()["text"], QJsonValue(base + "/sub/next.txt"));
    EXPECT_EQ(lcdText(r.dump(1)), QString("the next page\n"));
    EXPECT_EQ(r.dump(2)["Text1"].toObject()["text"], QJsonValue(base + "/kept.txt"));
    EXPECT_EQ(lcdText(r.dump(2)), QString("the bookmarked page\n"));
    EXPECT_EQ(lcdText(r.dump(3)), QString("the query's page\n"));
    EXPECT_EQ(r.dump(3)["history"], QJsonValue(QJsonObject{{"back", 3}, {"forward", 0}}));
    EXPECT_EQ(listing(), before);  // nothing written into the archive
}

TEST_F(ArchiveMode, AnAddressNotInTheArchiveFailsLikeAMissingPage) {
    const ScriptResult r = run(request(base + "/missing.txt") + request(base + "/index.txt"));
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject miss = r.dump(0);
    EXPECT_EQ(lcdText(miss), QString());
    EXPECT_EQ(miss["Text2"].toObject()["text"], QJsonValue(""));
    EXPECT_EQ(miss["Text1"].toObject()["text"], QJsonValue(base + "/missing.txt"));
    EXPECT_TRUE(status(miss).contains("not in the archive: " + base + "/missing.txt")) << qPrintable(status(miss));
    EXPECT_TRUE(status(miss).startsWith(QStringLiteral("ページを取得できませんでした: "))) << qPrintable(status(miss));
    EXPECT_EQ(miss["enabled"].toObject()["Command1"], QJsonValue(true));
    // The next page clears the message; archive mode is still said.
    EXPECT_EQ(lcdText(r.dump(1)), QString("\r\nthe top page\r\n"));
    EXPECT_FALSE(status(r.dump(1)).contains("not in the archive")) << qPrintable(status(r.dump(1)));
    EXPECT_TRUE(status(r.dump(1)).contains(QStringLiteral("アーカイブ")));
}

TEST_F(ArchiveMode, NoAddressReachesOutsideTheArchive) {
    QStringList lines;
    for (const char* path : {"/../outside.txt", "/%2e%2e/outside.txt", "/sub/../../outside.txt", "/link.txt"})
        lines << request(base + QString::fromLatin1(path));
    lines << request("http://127.0.0.1:" + QString::number(server.serverPort() + 1) + "/index.txt");
    const ScriptResult r = run(lines);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    ASSERT_EQ(r.dumps.size(), 5);
    for (const QJsonObject& d : r.dumps) {
        EXPECT_EQ(lcdText(d), QString());
        EXPECT_FALSE(d["Text2"].toObject()["text"].toString().contains("SECRET"));
        EXPECT_TRUE(status(d).contains("not in the archive")) << qPrintable(status(d));
    }
}

TEST_F(ArchiveMode, BackAndForwardRequestTheArchivedAddressesAgain) {
    const ScriptResult r = run({"click Command5(1)", "click Command4", "key Alt+Left", "dump", "key Alt+Right", "dump"},
                               base + "/index.txt");
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["Text1"].toObject()["text"], QJsonValue(base + "/index.txt"));
    EXPECT_EQ(lcdText(r.dump(0)), QString("\r\nthe top page\r\n"));
    EXPECT_EQ(r.dump(0)["history"], QJsonValue(QJsonObject{{"back", 0}, {"forward", 1}}));
    EXPECT_EQ(lcdText(r.dump(1)), QString("the next page\n"));
    EXPECT_EQ(r.dump(1)["history"], QJsonValue(QJsonObject{{"back", 1}, {"forward", 0}}));
}

TEST_F(ArchiveMode, AFolderThatIsNotThereOrHoldsTheWorkingFolderIsRefused) {
    const ScriptResult missing = box.run({"dump"}, {"--archive", root.filePath("nowhere")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains("--archive")) << missing.err.constData();
    EXPECT_TRUE(missing.dumps.isEmpty());
    // The working folder is written; an archive that holds it would be too.
    const ScriptResult holding = box.run({"dump"}, {"--archive", QFileInfo(box.workDir()).absolutePath()});
    EXPECT_EQ(holding.exitCode, 2);
    EXPECT_TRUE(holding.err.contains("inside the archive")) << holding.err.constData();
}

}  // namespace
}  // namespace sumire::apptest
