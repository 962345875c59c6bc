// The fetchers against a local HTTP server and temporary files.

#include "TestFiles.h"
#include "TestHttpServer.h"
#include "page/HttpFetcher.h"
#include "page/LocalFetcher.h"

#include <QDir>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::TestHttpServer;
using test::writeFile;

// Short limits keep the failing cases quick.
FetchLimits quickLimits() {
    FetchLimits limits;
    limits.timeoutMs = 500;
    return limits;
}

// A fetch that failed for a reason that says `why`.
testing::AssertionResult failsWith(const FetchResult& r, const char* why) {
    if (r.ok) return testing::AssertionFailure() << "it was fetched";
    if (!r.error.contains(QLatin1String(why)))
        return testing::AssertionFailure() << "it failed: " << r.error.toStdString();
    return testing::AssertionSuccess();
}

// Every byte value twice, NUL and the bytes above 0x7F included.
QByteArray allByteValues() {
    QByteArray bytes;
    for (int round = 0; round < 2; ++round)
        for (int value = 0; value < 256; ++value) bytes.append(static_cast<char>(value));
    return bytes;
}

TEST(IsNetworkAddress, OnlyHttpAndHttpsInAnyCase) {
    EXPECT_TRUE(isNetworkAddress("http://example.net/a"));
    EXPECT_TRUE(isNetworkAddress("HTTPS://example.net/"));
    EXPECT_TRUE(isNetworkAddress("Http://x"));
    EXPECT_FALSE(isNetworkAddress("http:/x"));  // one slash: not a network address
    EXPECT_FALSE(isNetworkAddress("httpx://x"));
    EXPECT_FALSE(isNetworkAddress("ftp://x/y"));
    EXPECT_FALSE(isNetworkAddress("file:///tmp/a"));
    EXPECT_FALSE(isNetworkAddress("/tmp/http://a"));
    EXPECT_FALSE(isNetworkAddress(""));
}

class HttpFetch : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.isListening()); }
    TestHttpServer server;
};

TEST_F(HttpFetch, BodyArrivesByteForByte) {
    server.serveBytes("/bin", allByteValues(), "application/octet-stream");
    server.serveLarge("/big", 300 * 1024);  // arrives in many pieces
    HttpFetcher fetcher(quickLimits());

    const FetchResult small = fetcher.fetch(server.url("/bin"));
    ASSERT_TRUE(small.ok) << small.error.toStdString();
    EXPECT_EQ(small.body, allByteValues());
    EXPECT_TRUE(small.charset.isEmpty());
    EXPECT_TRUE(small.error.isEmpty());

    const FetchResult big = fetcher.fetch(server.url("/big"));
    ASSERT_TRUE(big.ok) << big.error.toStdString();
    EXPECT_EQ(big.body, QByteArray(300 * 1024, 'x'));
    EXPECT_EQ(server.requestedPaths(), QStringList({"/bin", "/big"}));
}

TEST_F(HttpFetch, CharsetComesFromContentTypeInLowerCase) {
    server.serveBytes("/plain", "a", "text/html; charset=UTF-8");
    server.serveBytes("/quoted", "a", "text/html; charset=\"Shift_JIS\"");
    server.serveBytes("/later", "a", "text/plain;format=flowed; Charset = EUC-JP ;x=y");
    server.serveBytes("/none", "a", "text/html");
    HttpFetcher fetcher(quickLimits());
    EXPECT_EQ(fetcher.fetch(server.url("/plain")).charset, "utf-8");
    EXPECT_EQ(fetcher.fetch(server.url("/quoted")).charset, "shift_jis");
    EXPECT_EQ(fetcher.fetch(server.url("/later")).charset, "euc-jp");
    EXPECT_EQ(fetcher.fetch(server.url("/none")).charset, "");
}

TEST_F(HttpFetch, ErrorStatusFailsWithTheStatus) {
    server.serveBytes("/broken", "oops", "text/plain", 500);
    HttpFetcher fetcher(quickLimits());

    const FetchResult missing = fetcher.fetch(server.url("/missing"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, "HTTP 404 Not Found");
    EXPECT_TRUE(missing.body.isEmpty());

    const FetchResult broken = fetcher.fetch(server.url("/broken"));
    EXPECT_FALSE(broken.ok);
    EXPECT_EQ(broken.error, "HTTP 500 Internal Server Error");
}

TEST_F(HttpFetch, FollowsRedirectToAnotherServer) {
    TestHttpServer other;
    other.serveBytes("/page", "arrived", "text/plain; charset=shift_jis");
    server.redirect("/start", other.url("/page").toUtf8(), 301);
    HttpFetcher fetcher(quickLimits());

    const FetchResult result = fetcher.fetch(server.url("/start"));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.body, "arrived");
    EXPECT_EQ(result.charset, "shift_jis");
    EXPECT_EQ(server.requestedPaths(), QStringList({"/start"}));
    EXPECT_EQ(other.requestedPaths(), QStringList({"/page"}));
}

TEST_F(HttpFetch, FollowsRelativeRedirectsUpToTheLimit) {
    server.redirect("/a/b/one", "two", 302);
    server.redirect("/a/b/two", "../c/three", 307);
    server.redirect("/a/c/three", "/done", 308);
    server.serveBytes("/done", "end of the chain");

    FetchLimits three = quickLimits();
    three.maxRedirects = 3;
    const FetchResult result = HttpFetcher(three).fetch(server.url("/a/b/one"));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.body, "end of the chain");
    EXPECT_EQ(server.requestedPaths(), QStringList({"/a/b/one", "/a/b/two", "/a/c/three", "/done"}));

    FetchLimits two = quickLimits();
    two.maxRedirects = 2;
    const FetchResult refused = HttpFetcher(two).fetch(server.url("/a/b/one"));
    EXPECT_TRUE(failsWith(refused, "redirects"));
    EXPECT_EQ(server.requestedPaths().size(), 4 + 3);  // the last redirect is not followed
}

TEST_F(HttpFetch, RedirectLoopFails) {
    server.redirect("/ping", "/pong");
    server.redirect("/pong", "/ping");
    const FetchResult result = HttpFetcher(quickLimits()).fetch(server.url("/ping"));
    EXPECT_TRUE(failsWith(result, "redirects"));
    EXPECT_EQ(server.requestedPaths().size(), FetchLimits().maxRedirects + 1);
}

TEST_F(HttpFetch, RedirectToALocalFileIsRefused) {
    QTemporaryDir dir;
    const QString secret = dir.filePath("secret.txt");
    writeFile(secret, "private");
    server.redirect("/sneaky", QUrl::fromLocalFile(secret).toEncoded());

    const FetchResult result = HttpFetcher(quickLimits()).fetch(server.url("/sneaky"));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.body.isEmpty());
    EXPECT_FALSE(result.error.isEmpty());
}

TEST_F(HttpFetch, StalledServerTimesOut) {
    server.stallBeforeHeaders("/silent");
    server.stallMidBody("/half", 1000, "only the first part");
    HttpFetcher fetcher(quickLimits());

    const FetchResult silent = fetcher.fetch(server.url("/silent"));
    EXPECT_TRUE(failsWith(silent, "timed out"));

    const FetchResult half = fetcher.fetch(server.url("/half"));
    EXPECT_TRUE(failsWith(half, "timed out"));
    EXPECT_TRUE(half.body.isEmpty());
}

// A server that keeps sending, slower than the limit allows, is still cut off:
// the limit is for the whole transfer, not for a pause between bytes.
TEST_F(HttpFetch, TimeLimitCoversTheWholeTransfer) {
    server.serveSlowly("/trickle", QByteArray(100, 't'), 20);
    FetchLimits limits = quickLimits();
    limits.timeoutMs = 300;
    const FetchResult result = HttpFetcher(limits).fetch(server.url("/trickle"));
    EXPECT_TRUE(failsWith(result, "timed out"));
}

TEST_F(HttpFetch, ConnectionFailuresGiveAReason) {
    server.resetConnection("/reset");
    HttpFetcher fetcher(quickLimits());
    const FetchResult reset = fetcher.fetch(server.url("/reset"));
    EXPECT_FALSE(reset.ok);
    EXPECT_EQ(reset.error, "the server closed the connection");

    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    const FetchResult refused = fetcher.fetch(QStringLiteral("http://127.0.0.1:%1/").arg(port));
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.error, "connection refused");
}

TEST_F(HttpFetch, BodyOverTheLimitIsRefused) {
    // Declares more than the limit, then waits: refused on the declaration alone.
    server.stallMidBody("/declared", 1025, "abc");
    server.serveLarge("/streamed", 64 * 1024, false);
    // Sends more than the limit without a length, then waits: refused as the
    // bytes arrive, not when the transfer ends.
    server.stallMidBody("/undeclared", -1, QByteArray(2048, 'u'));
    server.serveLarge("/exact", 1024, false);
    FetchLimits limits = quickLimits();
    limits.maxBytes = 1024;
    HttpFetcher fetcher(limits);

    const FetchResult declared = fetcher.fetch(server.url("/declared"));
    EXPECT_TRUE(failsWith(declared, "larger than 1024"));
    EXPECT_TRUE(declared.body.isEmpty());

    const FetchResult streamed = fetcher.fetch(server.url("/streamed"));
    EXPECT_TRUE(failsWith(streamed, "larger than 1024"));

    const FetchResult undeclared = fetcher.fetch(server.url("/undeclared"));
    EXPECT_TRUE(failsWith(undeclared, "larger than 1024"));

    const FetchResult exact = fetcher.fetch(server.url("/exact"));
    ASSERT_TRUE(exact.ok) << exact.error.toStdString();
    EXPECT_EQ(exact.body.size(), 1024);
}

TEST_F(HttpFetch, FetcherStaysUsableAfterAFailure) {
    server.stallBeforeHeaders("/silent");
    server.serveBytes("/page", "fine");
    HttpFetcher fetcher(quickLimits());
    EXPECT_FALSE(fetcher.fetch(server.url("/silent")).ok);
    for (int i = 0; i < 3; ++i) {
        const FetchResult result = fetcher.fetch(server.url("/page"));
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        EXPECT_EQ(result.body, "fine");
    }
}

TEST_F(HttpFetch, FolderRouteServesFilesAndMissesWith404) {
    QTemporaryDir dir;
    writeFile(dir.filePath("pic.bmp"), allByteValues());
    server.serveFolder("/mail/", dir.path());
    HttpFetcher fetcher(quickLimits());

    const FetchResult found = fetcher.fetch(server.url("/mail/pic.bmp"));
    ASSERT_TRUE(found.ok) << found.error.toStdString();
    EXPECT_EQ(found.body, allByteValues());
    EXPECT_EQ(fetcher.fetch(server.url("/mail/none.bmp")).error, "HTTP 404 Not Found");
}

TEST_F(HttpFetch, OtherAddressesAreReadAsLocalFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("page.txt");
    writeFile(path, "local page");
    const FetchResult result = HttpFetcher(quickLimits()).fetch(path);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.body, "local page");
    EXPECT_TRUE(server.requestedPaths().isEmpty());
}

class LocalFetch : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QTemporaryDir dir;
};

TEST_F(LocalFetch, ReadsTheWholeFileByteForByte) {
    const QString path = dir.filePath("data.dat");
    writeFile(path, allByteValues());
    const FetchResult result = LocalFetcher().fetch(path);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.body, allByteValues());
    EXPECT_TRUE(result.charset.isEmpty());

    writeFile(dir.filePath("empty.txt"), {});
    const FetchResult empty = LocalFetcher().fetch(dir.filePath("empty.txt"));
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.body.isEmpty());
}

TEST_F(LocalFetch, AcceptsFileUrls) {
    const QString path = dir.filePath("with space.txt");
    writeFile(path, "by url");
    const QString url = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    ASSERT_TRUE(url.contains("%20"));
    const FetchResult result = LocalFetcher().fetch(url);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.body, "by url");
    EXPECT_TRUE(LocalFetcher().fetch("FILE://" + path).ok);
}

TEST_F(LocalFetch, MissingFileAndFolderFail) {
    const QString missing = dir.filePath("nothing.txt");
    const FetchResult absent = LocalFetcher().fetch(missing);
    EXPECT_FALSE(absent.ok);
    EXPECT_EQ(absent.error, "cannot read " + missing + ": No such file");

    const FetchResult folder = LocalFetcher().fetch(dir.path());
    EXPECT_FALSE(folder.ok);
    EXPECT_TRUE(folder.error.startsWith("cannot read " + dir.path()));
    EXPECT_TRUE(folder.body.isEmpty());
}

TEST_F(LocalFetch, FileOverTheLimitFails) {
    writeFile(dir.filePath("ten.txt"), "0123456789");
    writeFile(dir.filePath("eleven.txt"), "0123456789A");
    LocalFetcher fetcher(10);
    EXPECT_TRUE(fetcher.fetch(dir.filePath("ten.txt")).ok);
    const FetchResult over = fetcher.fetch(dir.filePath("eleven.txt"));
    EXPECT_TRUE(failsWith(over, "larger than 10 bytes"));
    EXPECT_TRUE(over.body.isEmpty());
}

}  // namespace
}  // namespace sumire
