// Hostile pages through render, export and a script session, run from a
// folder full of canary files, beside a folder outside the pages' folder.
// The pages name files outside their folder, through links, a FIFO, a
// device and the program's own standard input; one name in the page's own
// folder stands for the attachments that must still work. No canary may
// change, and none may be read: a canary picture would show in a picture.

#include "Pixels.h"
#include "ProgramRun.h"
#include "TestFiles.h"
#include "support/FakeWindow.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace sumire {
namespace {

constexpr QRgb kCanary = qRgb(1, 254, 3);  // the colour of every canary picture
constexpr QRgb kFine = qRgb(250, 2, 4);    // the page's own picture
const QByteArray kCanaryText = "CANARY, never to be read";

// Names a page may give that must all fail, the last the one that must work.
const QStringList kHostileNames = {
    "../outside/secret.bmp", "link.bmp", "out/secret.bmp", "fifo.bmp", "stdin.bmp", "zero.bmp", ".bashrc",
    "bookmark.txt"};
const QString kFineName = QStringLiteral("sub/fine.bmp");

QByteArray hostilePage() {
    QByteArray page = "From: a stranger\r\nAppend: Name=\"\x1b[2J.bmp\"\r\n";  // cannot act on a terminal
    for (const QString& name : kHostileNames + QStringList{kFineName})
        page += "Append: Name=\"" + name.toUtf8() + "\"\r\n";
    for (const QString& name : kHostileNames + QStringList{kFineName}) page += "<IMG=\"" + name.toUtf8() + "\">";
    return page + "\r\nthe end\r\n";
}

// Unmounts at the end of the test, however it ends.
struct Unmount {
    QString folder;
    ~Unmount() { EXPECT_EQ(::umount(QFile::encodeName(folder).constData()), 0); }
};

class Canary : public testing::Test {
protected:
    void SetUp() override {
        const QByteArray canaryBmp = test::makeBmp(16, 16, qRed(kCanary), qGreen(kCanary), qBlue(kCanary));
        test::writeFile(path("outside/secret.bmp"), canaryBmp);
        test::writeFile(path("outside/secret.txt"), kCanaryText);
        // The names a page's attachments could be written under, had they
        // landed in the folder the program was started in.
        for (const char* name : {".bashrc", "bookmark.txt", "fine.bmp"})
            test::writeFile(path(QStringLiteral("cwd/") + name),
                            name == QByteArray("fine.bmp") ? canaryBmp : kCanaryText);
        test::writeFile(path("site/sub/fine.bmp"), test::makeBmp(16, 16, qRed(kFine), qGreen(kFine), qBlue(kFine)));
        test::writeFile(path("site/reach.txt"), hostilePage());
        ASSERT_EQ(::mkfifo(QFile::encodeName(path("site/fifo.bmp")).constData(), 0600), 0);
        ASSERT_TRUE(QFile::link(path("outside/secret.bmp"), path("site/link.bmp")));
        ASSERT_TRUE(QFile::link(path("outside"), path("site/out")));
        ASSERT_TRUE(QFile::link("/proc/self/fd/0", path("site/stdin.bmp")));
        ASSERT_TRUE(QFile::link("/dev/zero", path("site/zero.bmp")));
        QDir(root.path()).mkpath("home");
        canaries = listing();
    }
    // Whatever ran, no canary changed and nothing new stands among them.
    void TearDown() override { EXPECT_EQ(listing(), canaries); }

    QString path(const QString& relative) const { return root.filePath(relative); }
    QStringList listing() const { return test::treeListing(path("outside")) + test::treeListing(path("cwd")); }

    test::ProgramResult run(const QStringList& arguments) const {
        test::RunSetup setup;
        setup.workingDirectory = path("cwd");
        setup.environment = test::headlessUser(path("home"));
        setup.environment.insert("QT_QPA_PLATFORM", "offscreen");
        setup.timeoutMs = 60000;
        const test::ProgramResult r = test::runProgram(arguments, setup);
        EXPECT_FALSE(r.timedOut) << arguments.join(' ').toStdString();
        return r;
    }

    // Each hostile name is named as a failed attachment, the page's own is not.
    static void expectNamed(const QByteArray& err, const QByteArray& before = "attachment ") {
        for (const QString& name : kHostileNames)
            EXPECT_TRUE(err.contains(before + name.toUtf8() + ": ")) << name.toStdString() << "\n" << err.data();
        EXPECT_FALSE(err.contains(before + kFineName.toUtf8() + ": ")) << err.data();
        EXPECT_FALSE(err.contains(kCanaryText) || err.contains('\x1b')) << err.data();
    }

    // Pixels of the canary and of the page's own picture in every PNG below.
    static std::pair<int, int> pictureColours(const QString& folder) {
        std::pair<int, int> counts{0, 0};
        for (QDirIterator it(folder, {"*.png"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QImage image(it.next());
            counts.first += test::countPixels(image, image.rect(), kCanary);
            counts.second += test::countPixels(image, image.rect(), kFine);
        }
        return counts;
    }

    QTemporaryDir root;
    QStringList canaries;
};

TEST_F(Canary, RenderAndExportReadOnlyThePagesFolder) {
    for (const QStringList& jobs : {QStringList{"-j", "1"}, QStringList{"-j", "2"}}) {
        const QString out = path("render" + jobs[1]);
        const test::ProgramResult r =
            run(QStringList{"render", path("site/reach.txt"), path("site/reach.txt"), "-o", out} + jobs);
        EXPECT_EQ(r.exitCode, 0) << r.err.data();
        expectNamed(r.err);
        const auto [canary, fine] = pictureColours(out);
        EXPECT_EQ(canary, 0);
        EXPECT_GT(fine, 0);  // the page's own picture is shown
    }
    const test::ProgramResult r = run({"export", path("site/reach.txt"), "-o", path("export")});
    EXPECT_EQ(r.exitCode, 0) << r.err.data();
    expectNamed(r.err);
    const auto [canary, fine] = pictureColours(path("export"));
    EXPECT_EQ(canary, 0);
    EXPECT_GT(fine, 0);
}

// A session on the page downloads every attachment it lists; then, in
// archive mode, follows links to local files and out of the archive.
TEST_F(Canary, ScriptSessionsReachOnlyWhatThePageMay) {
    QStringList lines;
    for (int i = 0; i < 10; ++i) lines << QStringLiteral("click File001(%1)").arg(i);
    // The dump comes before the downloads, whose own message replaces the status line.
    test::writeFile(path("script.txt"), "dump\n" + lines.join('\n').toUtf8() + '\n');
    const test::ProgramResult r =
        run({"--script", path("script.txt"), "--workdir", path("work"), path("site/reach.txt")});
    EXPECT_EQ(r.exitCode, 0) << r.err.data();
    // The status line names the failures one after another, after ": ".
    const QByteArray firstDump = r.out.left(r.out.indexOf('\n'));
    QByteArray status = QJsonDocument::fromJson(firstDump).object().value("status").toString().toUtf8();
    expectNamed(status.replace("; ", ": "), ": ");
    EXPECT_EQ(QDir(path("work/download")).entryList(QDir::Files), QStringList{"fine.bmp"});

    const QByteArray secret = path("outside/secret.txt").toUtf8();
    test::writeFile(path("archive/site.example/index.txt"),
                    "SEL=1;file://" + secret + ">\r\n\r\nSEL=2;../outside/secret.txt>\r\n\r\nSEL=3;" + secret +
                        ">\r\n\r\nSEL=4;http://site.example/out/secret.txt>");
    ASSERT_TRUE(QFile::link(path("outside"), path("archive/site.example/out")));
    lines.clear();
    for (int key = 1; key <= 4; ++key)
        lines += QStringList{"set Text1 http://site.example/index.txt", "click Command1",
                             QStringLiteral("set Text3 %1").arg(key), "click Command4", "dump"};
    test::writeFile(path("script.txt"), lines.join('\n').toUtf8() + '\n');
    const test::ProgramResult archived =
        run({"--script", path("script.txt"), "--workdir", path("work"), "--archive", path("archive")});
    EXPECT_EQ(archived.exitCode, 0) << archived.err.data();
    EXPECT_FALSE(archived.out.contains(kCanaryText));
    EXPECT_EQ(archived.out.count("archive mode answers only http addresses"), 3) << archived.out.data();
    EXPECT_EQ(archived.out.count("not in the archive: http://site.example/out/secret.txt"), 1);
}

// A full disk as a small tmpfs (root may write anywhere, so a read-only
// folder would not stop it): the pages fail with a message, and nothing of
// theirs lands in the folder the program was started in.
TEST_F(Canary, AFullOutputFolderFailsThePageAndWritesNothingElsewhere) {
    const QString full = path("full");
    QDir().mkpath(full);
    if (::mount("tmpfs", QFile::encodeName(full).constData(), "tmpfs", 0, "size=64k,nr_inodes=16") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here";
    const Unmount unmount{full};
    QDir().mkpath(full + "/export");
    QDir().mkpath(full + "/work");
    for (int i = 0; QDir().mkdir(full + QStringLiteral("/fill%1").arg(i)); ++i) {
    }
    const test::ProgramResult exported = run({"export", path("site/reach.txt"), "-o", full + "/export"});
    EXPECT_EQ(exported.exitCode, 1);
    EXPECT_TRUE(exported.err.contains("cannot make")) << exported.err.data();
    const test::ProgramResult rendered = run({"render", path("site/reach.txt"), "-o", full + "/export/reach.png"});
    EXPECT_EQ(rendered.exitCode, 1);
    EXPECT_TRUE(rendered.err.contains("reach.txt")) << rendered.err.data();

    test::writeFile(path("script.txt"), "dump\n");
    const test::ProgramResult session =
        run({"--script", path("script.txt"), "--workdir", full + "/work", path("site/reach.txt")});
    EXPECT_EQ(session.exitCode, 0) << session.err.data();
    EXPECT_TRUE(session.out.contains("attachment folder")) << session.out.data();
}

}  // namespace
}  // namespace sumire
