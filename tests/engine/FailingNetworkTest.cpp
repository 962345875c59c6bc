// Page requests against a server that misbehaves in every way a server can:
// each request ends within its time limit, the go button comes back, and the
// page shown before stays as it was, its attachment files included.

#include "page/HttpFetcher.h"
#include "page/PageRequest.h"
#include "support/FakeWindow.h"
#include "support/TestHttpServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

constexpr int kTimeLimitMs = 700;

class FailingNetworkTest : public ::testing::Test {
protected:
    FailingNetworkTest() {
        host.network = true;
        server.serveBytes("/good/page.txt",
                          "From: me\r\nSubject: hi\r\nSEL=1;next.txt>\r\nAppend:Name=\"a.dat\"\r\nbody");
        server.serveBytes("/good/a.dat", "attachment bytes");
        server.stallBeforeHeaders("/stall-headers");
        server.stallMidBody("/stall-body", 1000, "From: x\r\n");
        server.resetConnection("/reset");
        server.serveBytes("/404", "gone", "text/plain", 404);
        server.serveBytes("/500", "oops", "text/plain", 500);
        server.redirect("/loop-a", "/loop-b");
        server.redirect("/loop-b", "/loop-a");
        server.serveLarge("/large", 4096);
        server.serveBytes("/slow/page.txt",
                          "Append:Name=\"1.dat\"\r\nAppend:Name=\"2.dat\"\r\nAppend:Name=\"3.dat\"\r\nbody");
        for (const char* name : {"/slow/1.dat", "/slow/2.dat", "/slow/3.dat"}) server.stallBeforeHeaders(name);
        server.serveBytes("/invalid", QByteArray("\xff\xfe\x81\x00<#HEART>\xf0\x7f\x80", 12));
    }
    RequestOutcome request(const QString& path) {
        host.text1 = server.url(path);
        PageServices services{host, pictures, fetcher, folder, canvas};
        return runPageRequest(model, services);
    }

    test::TestHttpServer server;
    QTemporaryDir dir;
    test::FakeHost host;
    test::FakeSlots pictures;
    test::RecordingCanvas canvas;
    HttpFetcher fetcher{FetchLimits{kTimeLimitMs, 5, 2048}};
    AttachmentFolder folder{dir.filePath("attachments")};
    PageModel model;
};

TEST_F(FailingNetworkTest, EveryFailureEndsTheRequestAndKeepsThePreviousPage) {
    for (const char* path :
         {"/stall-headers", "/stall-body", "/reset", "/404", "/500", "/loop-a", "/large", "/nothing-here"}) {
        ASSERT_FALSE(request("/good/page.txt").fetchFailed);
        ASSERT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"a.dat"}));
        model.scrollTop = 3;
        const PageModel before = model;
        const QString text2 = host.text2;
        canvas.ops.clear();

        QElapsedTimer clock;
        clock.start();
        const RequestOutcome outcome = request(path);
        EXPECT_LT(clock.elapsed(), 20 * kTimeLimitMs) << path;  // bounded, not a timing test
        EXPECT_TRUE(outcome.fetchFailed) << path;
        EXPECT_FALSE(outcome.error.isEmpty()) << path;
        EXPECT_TRUE(host.goEnabled) << path;
        EXPECT_EQ(host.text1, server.url(path)) << path;  // the address typed stays, to be corrected
        // Nothing was scanned or drawn: the page, its labels, links, text and
        // attachment files are those of the page before.
        EXPECT_EQ(model.lcdText, before.lcdText) << path;
        EXPECT_EQ(model.linkCount, 1) << path;
        EXPECT_EQ(model.linkTargets[0], before.linkTargets[0]) << path;
        EXPECT_EQ(model.attachCount, 1) << path;
        EXPECT_EQ(model.scrollTop, 3) << path;
        EXPECT_EQ(host.sender, QString(" me")) << path;
        EXPECT_EQ(host.title, QString(" hi")) << path;
        EXPECT_EQ(host.text2, text2) << path;
        EXPECT_TRUE(canvas.ops.empty()) << path;
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"a.dat"})) << path;
        EXPECT_EQ(host.menuCaptions[0], QString("a.dat")) << path;
    }
}

// The page and its attachments share one time limit: once it has run out, the
// attachments left fail at once, each named.
TEST_F(FailingNetworkTest, ARequestHasOneDeadlineForThePageAndAllItsAttachments) {
    const RequestOutcome outcome = request("/slow/page.txt");
    EXPECT_FALSE(outcome.fetchFailed);
    EXPECT_EQ(model.lcdText, QString("\r\nbody"));
    ASSERT_EQ(outcome.failedAttachments.size(), 3) << outcome.failedAttachments.join('\n').toStdString();
    EXPECT_EQ(outcome.failedAttachments[0], QString("1.dat: timed out after 700 ms"));
    for (const char* late : {"2.dat: the request's time ran out", "3.dat: the request's time ran out"})
        EXPECT_TRUE(outcome.failedAttachments.contains(late)) << late;
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(FailingNetworkTest, InvalidBytesAreShownAsWellAsTheyDecode) {
    const RequestOutcome outcome = request("/invalid");
    EXPECT_FALSE(outcome.fetchFailed);
    EXPECT_TRUE(host.goEnabled);
    // The pictograph tag survives the broken bytes around it.
    EXPECT_TRUE(model.lcdText.contains(QChar(0xE000)));
}

}  // namespace
}  // namespace sumire
