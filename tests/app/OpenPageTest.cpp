// Opening a page as a desktop viewer does, through the built program: a file
// or an address on the command line, the same dropped onto the window, and
// what a file that cannot be read or an address that cannot be fetched does.

#include "ScriptRun.h"
#include "support/TestHttpServer.h"

#include <QDir>
#include <QTcpServer>
#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

using test::TestHttpServer;

const QByteArray kFilePage = "Subject: filepage\r\nSEL=1;http://127.0.0.1:1/next.txt>\r\nthe file's body\r\n";
const QByteArray kNetPage = "Subject: netpage\r\nthe server's body\r\n";

bool offline(const QJsonObject& d) {
    return d["checked"].toObject()["Menu003"].toBool() && !d["checked"].toObject()["Menu002"].toBool();
}

QString text1(const QJsonObject& d) { return d["Text1"].toObject()["text"].toString(); }
QString lcdText(const QJsonObject& d) { return d["model"].toObject()["lcdText"].toString(); }
QJsonObject history(int back, int forward) { return {{"back", back}, {"forward", forward}}; }

// An address nothing listens on.
QString unreachableAddress() {
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1/page.txt").arg(port);
}

// The file's text in the page box and its path in the address box, in
// offline mode, as the file browser's O.K leaves them; then shown.
void expectFileShown(const QJsonObject& d, const QString& path) {
    EXPECT_TRUE(offline(d));
    EXPECT_EQ(text1(d), path);
    EXPECT_EQ(d["Text2"].toObject()["text"].toString(), QString::fromUtf8(kFilePage));
    EXPECT_EQ(d["Label1(6)"].toString(), QString(" filepage"));
    EXPECT_EQ(lcdText(d), QString("the file's body\r\n"));
    EXPECT_EQ(d["model"].toObject()["linkCount"].toInt(), 1);
    EXPECT_EQ(d["file"].toObject()["Dir1"].toString(), QFileInfo(path).absolutePath());
}

void expectNetShown(const QJsonObject& d, const QString& address) {
    EXPECT_FALSE(offline(d));
    EXPECT_EQ(text1(d), address);
    EXPECT_EQ(d["Text2"].toObject()["text"].toString(), QString::fromUtf8(kNetPage));
    EXPECT_EQ(d["Label1(6)"].toString(), QString(" netpage"));
    EXPECT_EQ(lcdText(d), QString("\nthe server's body\r\n"));  // the body starts on the LF
}

TEST(OpenPage, AFileOnTheCommandLineIsOpenedAsTheFileBrowserOpensItAndShown) {
    Sandbox box;
    ASSERT_TRUE(QDir().mkpath(box.path("pages")));
    box.write("pages/hello.txt", kFilePage);
    const ScriptResult r = box.run({"dump"}, {box.path("pages/hello.txt")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    expectFileShown(r.dump(0), box.path("pages/hello.txt"));
    EXPECT_EQ(r.dump(0)["status"], QJsonValue(""));
    EXPECT_EQ(r.dump(0)["archive"], QJsonValue(QJsonValue::Null));
    EXPECT_EQ(r.dump(0)["history"], QJsonValue(history(0, 0)));
    EXPECT_EQ(r.dump(0)["messages"], QJsonValue(QJsonArray()));
}

TEST(OpenPage, AFileAddressOnTheCommandLineOpensTheFile) {
    Sandbox box;
    box.write("hello.txt", kFilePage);
    const ScriptResult r = box.run({"dump"}, {QUrl::fromLocalFile(box.path("hello.txt")).toString()});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    expectFileShown(r.dump(0), box.path("hello.txt"));
}

TEST(OpenPage, AnAddressOnTheCommandLineIsRequestedInNetworkMode) {
    TestHttpServer server;
    server.serveBytes("/page.txt", kNetPage, "text/plain; charset=utf-8");
    Sandbox box;
    const ScriptResult r = box.run({"dump"}, {server.url("/page.txt")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    expectNetShown(r.dump(0), server.url("/page.txt"));
    EXPECT_EQ(r.dump(0)["status"], QJsonValue(""));
    EXPECT_EQ(server.requestedPaths(), QStringList{"/page.txt"});
}

TEST(OpenPage, AMissingFileKeepsTheWindowAsItWasAndSaysWhy) {
    Sandbox box;
    const QString missing = box.path("no such page.txt");
    const ScriptResult r = box.run({"dump", "set Text1 still typed", "dump"}, {missing});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject d = r.dump(0);
    const QString status = d["status"].toString();
    EXPECT_TRUE(status.startsWith(QStringLiteral("ページを開けませんでした: "))) << qPrintable(status);
    EXPECT_TRUE(status.contains(missing)) << qPrintable(status);
    EXPECT_FALSE(offline(d));
    EXPECT_EQ(text1(d), QString());
    EXPECT_EQ(d["Text2"].toObject()["text"], QJsonValue(""));
    EXPECT_EQ(d["Form1"].toObject()["enabled"], QJsonValue(true));
    EXPECT_EQ(d["shown"].toObject()["file"], QJsonValue(false));
    EXPECT_EQ(d["history"], QJsonValue(history(0, 0)));
    EXPECT_EQ(d["messages"], QJsonValue(QJsonArray()));
    EXPECT_EQ(text1(r.dump(1)), QString("still typed"));  // the window goes on taking input
}

TEST(OpenPage, AnUnreachableAddressKeepsTheWindowAndSaysWhy) {
    Sandbox box;
    const QString address = unreachableAddress();
    const ScriptResult r = box.run({"dump"}, {address});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject d = r.dump(0);
    const QString status = d["status"].toString();
    EXPECT_TRUE(status.startsWith(QStringLiteral("ページを取得できませんでした: "))) << qPrintable(status);
    EXPECT_TRUE(status.contains("connection refused")) << qPrintable(status);
    EXPECT_FALSE(offline(d));
    EXPECT_EQ(text1(d), address);
    EXPECT_EQ(lcdText(d), QString());
    EXPECT_EQ(d["enabled"].toObject()["Command1"], QJsonValue(true));
}

TEST(DropPage, FilesAndAddressesDroppedOnTheWindowOpenAsOnTheCommandLine) {
    TestHttpServer server;
    server.serveBytes("/page.txt", kNetPage, "text/plain; charset=utf-8");
    Sandbox box;
    box.write("hello.txt", kFilePage);
    const QString missing = box.path("gone.txt");
    const ScriptResult r = box.run({"drop " + box.path("hello.txt"), "dump", "drop " + server.url("/page.txt"), "dump",
                                    "drop " + missing, "dump", "drop " + box.path("hello.txt"), "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    expectFileShown(r.dump(0), box.path("hello.txt"));
    expectNetShown(r.dump(1), server.url("/page.txt"));
    EXPECT_EQ(r.dump(1)["history"], QJsonValue(history(1, 0)));
    // A file that cannot be read leaves the page shown as it was.
    const QJsonObject failed = r.dump(2);
    expectNetShown(failed, server.url("/page.txt"));
    EXPECT_TRUE(failed["status"].toString().contains(missing)) << qPrintable(failed["status"].toString());
    EXPECT_EQ(failed["history"], QJsonValue(history(1, 0)));
    // From network mode back to offline, and the status line cleared.
    expectFileShown(r.dump(3), box.path("hello.txt"));
    EXPECT_EQ(r.dump(3)["status"], QJsonValue(""));
    EXPECT_EQ(server.requestedPaths(), QStringList{"/page.txt"});
}

TEST(DropPage, ARelativePathIsTheScriptRunnersFile) {
    Sandbox box;
    box.write("hello.txt", kFilePage);
    const ScriptResult r = box.run({"drop " + QDir::current().relativeFilePath(box.path("hello.txt")), "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    expectFileShown(r.dump(0), box.path("hello.txt"));
}

TEST(DropPage, NothingIsTakenWhileAnotherWindowHasTheInput) {
    Sandbox box;
    box.write("hello.txt", kFilePage);
    const ScriptResult r = box.run({"click Command19", "drop " + box.path("hello.txt"), "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.dump(0)["shown"].toObject()["Form2"], QJsonValue(true));
    EXPECT_FALSE(offline(r.dump(0)));
    EXPECT_EQ(lcdText(r.dump(0)), QString());
}

TEST(ScriptLines, KeyAndDropRefuseWhatCannotBePerformed) {
    Sandbox box;
    const struct {
        const char* line;
        const char* reason;
    } cases[] = {
        {"key", "line 1: missing keys"},
        {"key Alt+Nowhere", "line 1: not a key sequence: Alt+Nowhere"},
        {"key Ctrl+", "line 1: not a key sequence"},
        {"drop", "line 1: missing file or address"},
    };
    for (const auto& c : cases) {
        const ScriptResult r = box.run({c.line, "dump"});
        EXPECT_EQ(r.exitCode, 2) << c.line;
        EXPECT_TRUE(r.err.contains(c.reason)) << c.line << ": " << r.err.constData();
        EXPECT_TRUE(r.dumps.isEmpty()) << c.line;
    }
}

TEST(ScriptLines, KeysGoToTheControlWithTheFocus) {
    Sandbox box;
    // The address box has the focus at start.
    const ScriptResult r = box.run({"key 1", "key 2", "key Shift+A", "key Backspace", "key Left", "key 3", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(text1(r.dump(0)), QString("132"));
}

}  // namespace
}  // namespace sumire::apptest
