// Answering addresses from a saved copy of the sites: the names a mirroring
// download gives the files, and no way out of the folder, onto the network
// or into a write.

#include "TestFiles.h"
#include "page/ArchiveFetcher.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

TEST(ArchiveName, HostPortPathAndQueryAsTheMirrorNamesThem) {
    const struct {
        const char* address;
        const char* name;
    } cases[] = {
        {"http://www.example.jp/mail/a.txt", "www.example.jp/mail/a.txt"},
        {"http://WWW.Example.JP/Mail.TXT", "www.example.jp/Mail.TXT"},  // the host is not case-sensitive, the path is
        {"http://127.0.0.1:8080/index.txt", "127.0.0.1:8080/index.txt"},
        {"http://host:80/a.txt", "host/a.txt"},  // the scheme's own port is not written
        {"https://host:443/a.txt", "host/a.txt"},
        {"https://host:80/a.txt", "host:80/a.txt"},
        {"http://host:443/a.txt", "host:443/a.txt"},
        {"http://host/cgi?x=1&y=2", "host/cgi?x=1&y=2"},
        {"http://host/dir/", "host/dir/index.html"},
        {"http://host/dir/?p=3", "host/dir/index.html?p=3"},
        {"http://host", "host/index.html"},
        {"http://host/", "host/index.html"},
        {"http://host/a//b.txt", "host/a/b.txt"},
        {"http://host/a%20b.txt", "host/a b.txt"},
        {"http://host/%E3%81%82.txt", "host/\u3042.txt"},
        {"http://host/a%2Fb.txt", "host/a%2Fb.txt"},  // an escaped "/" makes no folder
        {"http://host/a%00b%0A.txt", "host/a%00b%0A.txt"},
        {"http://host/q?path=/etc/passwd", "host/q?path=%2Fetc%2Fpasswd"},
        {"http://host/file.txt#part", "host/file.txt"},
    };
    for (const auto& c : cases) {
        const std::optional<QString> name = archiveName(QString::fromUtf8(c.address));
        ASSERT_TRUE(name.has_value()) << c.address;
        EXPECT_EQ(*name, QString::fromUtf8(c.name)) << c.address;
    }
}

TEST(ArchiveName, NoNameLeavesTheFolder) {
    for (const char* address :
         {"http://host/../x.txt", "http://host/a/../../x.txt", "http://host/%2e%2e/x.txt", "http://host/%2E%2E/x.txt",
          "http://host/./x.txt", "http://host/a/..", "http:///etc/passwd", "http://../x.txt", "http://./x.txt",
          "file:///etc/passwd", "/etc/passwd", "ftp://host/x.txt", ""}) {
        EXPECT_FALSE(archiveName(QString::fromUtf8(address)).has_value()) << address;
    }
}

class Archive : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath("site/host/dir"));
        ASSERT_TRUE(QDir(root.path()).mkpath("site/127.0.0.1:8080"));
        write("site/host/page.txt", "the page");
        write("site/host/cgi?x=1", "the query's answer");
        write("site/host/index.html", "the host's index");
        write("site/host/dir/index.html", "the folder's index");
        write("site/127.0.0.1:8080/index.txt", "on a port");
        write("outside.txt", "a file beside the archive");
    }
    void write(const QString& relative, const QByteArray& bytes) {
        QFile f(root.filePath(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << qPrintable(f.fileName());
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    QString site() const { return root.filePath("site"); }
    // Every name, size and time of change in the archive.
    QStringList listing() const { return test::treeListing(site()); }

    QTemporaryDir root;
};

TEST_F(Archive, AnswersFromTheSavedFiles) {
    ArchiveFetcher archive(site());
    const struct {
        const char* address;
        const char* body;
    } cases[] = {
        {"http://host/page.txt", "the page"},
        {"http://HOST/page.txt", "the page"},
        {"http://host/cgi?x=1", "the query's answer"},
        {"http://host/", "the host's index"},
        {"http://host", "the host's index"},
        {"http://host/dir/", "the folder's index"},
        {"http://host/dir", "the folder's index"},  // the address a server would have sent on to "dir/"
        {"http://127.0.0.1:8080/index.txt", "on a port"},
    };
    for (const auto& c : cases) {
        const FetchResult r = archive.fetch(QString::fromUtf8(c.address));
        EXPECT_TRUE(r.ok) << c.address << ": " << qPrintable(r.error);
        EXPECT_EQ(r.body, QByteArray(c.body)) << c.address;
        EXPECT_TRUE(r.charset.isEmpty());
    }
}

TEST_F(Archive, AMissingAddressFailsAndSaysItIsNotInTheArchive) {
    ArchiveFetcher archive(site());
    for (const char* address : {"http://host/missing.txt", "http://host/cgi?x=2", "http://host/cgi",
                                "http://127.0.0.1/index.txt", "http://127.0.0.1:8081/index.txt", "http://other/"}) {
        const FetchResult r = archive.fetch(QString::fromUtf8(address));
        EXPECT_FALSE(r.ok) << address;
        EXPECT_TRUE(r.body.isEmpty()) << address;
        EXPECT_EQ(r.error, QStringLiteral("not in the archive: %1").arg(QString::fromUtf8(address)));
    }
}

TEST_F(Archive, NamesThatTryToLeaveTheFolderFail) {
    // A link out of the archive, one to a file inside it, and one to a folder outside.
    ASSERT_TRUE(QFile::link(root.filePath("outside.txt"), root.filePath("site/host/link-out.txt")));
    ASSERT_TRUE(QFile::link(root.filePath("site/host/page.txt"), root.filePath("site/host/link-in.txt")));
    ASSERT_TRUE(QFile::link(root.path(), root.filePath("site/host/up")));
    ASSERT_TRUE(QFile::link(root.path(), root.filePath("site/escape")));
    ArchiveFetcher archive(site());
    for (const char* address :
         {"http://host/../outside.txt", "http://host/%2e%2e/outside.txt", "http://host/dir/../../outside.txt",
          "http://host/link-out.txt", "http://host/up/outside.txt", "http://escape/outside.txt", "http://host/up/",
          "http://host/%2Fetc%2Fpasswd", "http:///etc/passwd"}) {
        const FetchResult r = archive.fetch(QString::fromUtf8(address));
        EXPECT_FALSE(r.ok) << address;
        EXPECT_TRUE(r.body.isEmpty()) << address;
        EXPECT_TRUE(r.error.startsWith("not in the archive: ")) << qPrintable(r.error);
    }
    const FetchResult inside = archive.fetch("http://host/link-in.txt");
    EXPECT_TRUE(inside.ok) << qPrintable(inside.error);
    EXPECT_EQ(inside.body, "the page");
}

TEST_F(Archive, AnArchiveGivenThroughALinkStillAnswers) {
    ASSERT_TRUE(QFile::link(site(), root.filePath("site-link")));
    ArchiveFetcher archive(root.filePath("site-link"));
    const FetchResult r = archive.fetch("http://host/page.txt");
    EXPECT_TRUE(r.ok) << qPrintable(r.error);
    EXPECT_EQ(r.body, "the page");
    EXPECT_FALSE(archive.fetch("http://host/../outside.txt").ok);
}

TEST_F(Archive, AFolderThatIsGoneAnswersNothing) {
    ArchiveFetcher archive(root.filePath("no-such-folder"));
    EXPECT_FALSE(archive.fetch("http://host/page.txt").ok);
}

TEST_F(Archive, OtherAddressesAreRefused) {
    ArchiveFetcher archive(site());
    for (const QString& address : {root.filePath("outside.txt"), "file://" + root.filePath("outside.txt")}) {
        const FetchResult r = archive.fetch(address);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.body.isEmpty());
        EXPECT_EQ(r.error, "archive mode answers only http addresses: " + address);
    }
}

TEST_F(Archive, LargerFilesThanTheLimitAreRefused) {
    write("site/host/big.txt", QByteArray(2000, 'x'));
    ArchiveFetcher archive(site(), 1000);
    EXPECT_FALSE(archive.fetch("http://host/big.txt").ok);
    EXPECT_TRUE(archive.fetch("http://host/page.txt").ok);
}

// The server of the archived address listens the whole time and is never
// called; the archive's files stay as they were.
TEST_F(Archive, NeitherTheNetworkNorAWrite) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    const QString host = QStringLiteral("127.0.0.1:%1").arg(server.serverPort());
    ASSERT_TRUE(QDir(site()).mkpath(host));
    write("site/" + host + "/index.txt", "saved");
    const QStringList before = listing();

    ArchiveFetcher archive(site());
    const QString base = QStringLiteral("http://") + host;
    EXPECT_EQ(archive.fetch(base + "/index.txt").body, "saved");
    EXPECT_FALSE(archive.fetch(base + "/missing.txt").ok);
    EXPECT_FALSE(archive.fetch(base + "/").ok);
    EXPECT_FALSE(archive.fetch(base + "/../outside.txt").ok);

    EXPECT_FALSE(server.waitForNewConnection(200));
    EXPECT_FALSE(server.hasPendingConnections());
    EXPECT_EQ(listing(), before);
}

}  // namespace
}  // namespace sumire
