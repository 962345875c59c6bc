// The demo server: the sample pages and their attachments on 127.0.0.1 and
// nothing else; a window that follows a link through it with the keypad; and
// the program's --demo.

#include "app/Form1.h"
#include "ProgramRun.h"
#include "TestFiles.h"
#include "app/SystemActions.h"
#include "cli/DemoServer.h"
#include "store/ProgramFiles.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::samplePath;

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << qPrintable(path);
    return f.readAll();
}

struct Response {
    int status = 0;
    QByteArray contentType, body;
};

// Sends `request` as written, byte for byte, and reads one response while the
// event loop runs (the server lives on this thread).
Response exchange(quint16 port, const QByteArray& request) {
    QTcpSocket socket;
    QByteArray received;
    QEventLoop loop;
    auto complete = [&] {
        const qsizetype end = received.indexOf("\r\n\r\n");
        if (end < 0) return false;
        const QRegularExpression length("(?im)^content-length:\\s*(\\d+)");
        const auto m = length.match(QString::fromLatin1(received.left(end)));
        return m.hasMatch() && received.size() >= end + 4 + m.captured(1).toLongLong();
    };
    QObject::connect(&socket, &QTcpSocket::connected, [&] { socket.write(request); });
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] {
        received += socket.readAll();
        if (complete()) loop.quit();
    });
    QObject::connect(&socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    socket.connectToHost("127.0.0.1", port);
    loop.exec();

    Response r;
    const qsizetype end = received.indexOf("\r\n\r\n");
    if (end < 0) return r;
    const QList<QByteArray> lines = received.left(end).split('\n');
    r.status = lines.value(0).split(' ').value(1).toInt();
    for (const QByteArray& line : lines)
        if (line.toLower().startsWith("content-type:")) r.contentType = line.mid(13).trimmed();
    r.body = received.mid(end + 4);
    return r;
}

Response get(quint16 port, const QByteArray& target) {
    return exchange(port, "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
}

// A copy of the samples in a folder with a file beside it and a subfolder in it.
class DemoServerTest : public testing::Test {
protected:
    void SetUp() override {
        samples = dir.filePath("samples");
        ASSERT_TRUE(QDir().mkpath(samples + "/sub"));
        for (const QString& name : QDir(samplePath("")).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(samplePath(name), QDir(samples).filePath(name)));
        ASSERT_TRUE(QFile::copy(samplePath("index.txt"), samples + "/sub/page.txt"));
        ASSERT_TRUE(QFile::copy(samplePath("index.txt"), dir.filePath("outside.txt")));
        server = std::make_unique<DemoServer>(samples);
        ASSERT_TRUE(server->start());
    }

    QTemporaryDir dir;
    QString samples;
    std::unique_ptr<DemoServer> server;
};

TEST_F(DemoServerTest, ServesPagesWithTheirBaseReplacedAndAttachmentsAsTheyAre) {
    ASSERT_NE(server->port(), 0);
    EXPECT_EQ(server->url(), QString("http://127.0.0.1:%1").arg(server->port()));

    const Response index = get(server->port(), "/index.txt");
    EXPECT_EQ(index.status, 200);
    EXPECT_EQ(index.contentType, QByteArray("text/plain; charset=Shift_JIS"));
    QByteArray expected = fileBytes(samplePath("index.txt"));
    ASSERT_TRUE(expected.contains("{BASE}/mail.txt"));
    expected.replace("{BASE}", server->url().toLatin1());
    EXPECT_EQ(index.body, expected);
    EXPECT_TRUE(index.body.contains(server->url().toLatin1() + "/mail.txt"));

    const Response photo = get(server->port(), "/photo.bmp");
    EXPECT_EQ(photo.status, 200);
    EXPECT_EQ(photo.contentType, QByteArray("application/octet-stream"));
    EXPECT_EQ(photo.body, fileBytes(samplePath("photo.bmp")));
    const Response memo = get(server->port(), "/memo.dat?x=1");
    EXPECT_EQ(memo.body, fileBytes(samplePath("memo.dat")));
}

TEST_F(DemoServerTest, AnswersNothingElse) {
    const QByteArray targets[] = {"/missing.txt",
                                  "/",
                                  "/sub",
                                  "/sub/",
                                  "/sub/page.txt",
                                  "/../outside.txt",
                                  "/%2e%2e/outside.txt",
                                  "/..%2Foutside.txt",
                                  "/sub%2Fpage.txt",
                                  "/.",
                                  "/..",
                                  "//index.txt",
                                  "/index.txt/",
                                  "http://127.0.0.1/../outside.txt"};
    for (const QByteArray& target : targets) {
        const Response r = get(server->port(), target);
        EXPECT_EQ(r.status, 404) << target.constData();
        EXPECT_FALSE(r.body.contains("SEL=")) << target.constData();
    }
    for (const QByteArray method : {"POST", "PUT", "DELETE", "HEAD"}) {
        const Response r = exchange(server->port(), method +
                                                        " /index.txt HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                                                        "Content-Length: 0\r\n\r\n");
        EXPECT_EQ(r.status, 404) << method.constData();
    }
}

TEST_F(DemoServerTest, ListensOnLoopbackOnly) {
    const QList<QTcpServer*> listening = server->servers();
    ASSERT_EQ(listening.size(), 1);
    EXPECT_EQ(listening[0]->serverAddress(), QHostAddress(QHostAddress::LocalHost));
}

// The window in this process against the server: the index, then a link
// chosen with the keypad, then a page whose attachments are fetched from it.
TEST_F(DemoServerTest, WindowFollowsLinksWithTheKeypad) {
    QTemporaryDir work;
    Form1Options options;
    options.workDir = work.path();
    options.scriptMode = true;
    RecordingActions recorded;
    Form1 form(options, recorded);
    form.Form_Load();
    form.showCentred();
    form.controls().text1->setText(server->indexUrl());
    form.Command1_Click();
    ASSERT_EQ(form.controls().fetchStatus->text(), QString());
    ASSERT_GE(form.session().model().linkCount, 6);
    EXPECT_EQ(form.session().model().linkTargets[0], server->url("/mail.txt"));

    form.Command5_Click(1);
    form.Command4_Click();
    EXPECT_EQ(form.controls().text1->text(), server->url("/mail.txt"));
    EXPECT_EQ(form.controls().fetchStatus->text(), QString());
    EXPECT_FALSE(form.controls().label1[6]->text().isEmpty());
    EXPECT_FALSE(form.session().model().lcdText.isEmpty());

    form.Command5_Click(0);
    form.Command4_Click();
    EXPECT_EQ(form.controls().text1->text(), server->indexUrl());
    form.Command5_Click(6);
    form.Command4_Click();
    EXPECT_EQ(form.controls().text1->text(), server->url("/attach.txt"));
    ASSERT_EQ(form.session().model().attachCount, 4);
    // The fetched attachments are the samples' own bytes.
    for (int i = 0; i < 4; ++i) {
        const QString name = form.session().model().attachNames[i];
        if (name == "embed.bmp") continue;  // decoded from the page's Base64 text
        EXPECT_EQ(fileBytes(QDir(form.session().attachments().path()).filePath(name)), fileBytes(samplePath(name)))
            << qPrintable(name);
    }
}

// sumire --demo with a script: the index is loaded from the program's own
// server before the first line runs, and a link is followed with the keypad.
TEST(DemoProgram, StartsOnTheIndexAndFollowsALink) {
    QTemporaryDir dir;
    const QString script = dir.filePath("script.txt");
    test::writeFile(script, "dump\nclick Command5(1)\nclick Command4\ndump\n");
    ASSERT_FALSE(HasFatalFailure());
    test::RunSetup setup;
    setup.environment = test::headlessUser(dir.path());
    setup.environment.insert("QT_QPA_PLATFORM", "offscreen");
    const test::ProgramResult run =
        test::runProgram({"--demo", "--script", script, "--workdir", dir.filePath("work")}, setup);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2) << run.out.constData();
    const QJsonObject first = QJsonDocument::fromJson(lines[0]).object();
    const QJsonObject second = QJsonDocument::fromJson(lines[1]).object();

    const QString address = first["Text1"].toObject()["text"].toString();
    const QRegularExpression demoIndex("^http://127\\.0\\.0\\.1:\\d+/index\\.txt$");
    EXPECT_TRUE(demoIndex.match(address).hasMatch()) << qPrintable(address);
    const QString base = address.chopped(QString("/index.txt").size());
    const QJsonArray targets = first["model"].toObject()["linkTargets"].toArray();
    ASSERT_FALSE(targets.isEmpty());
    EXPECT_EQ(targets[0].toString(), base + "/mail.txt");
    EXPECT_EQ(first["checked"].toObject()["Menu002"], QJsonValue(true));  // network mode

    EXPECT_EQ(second["Text1"].toObject()["text"].toString(), base + "/mail.txt");
    EXPECT_FALSE(second["Label1(6)"].toString().isEmpty());
    EXPECT_FALSE(second["model"].toObject()["lcdText"].toString().isEmpty());
}

}  // namespace
}  // namespace sumire
