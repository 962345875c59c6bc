// cmake --install into a new prefix: the program, its data folder, the
// desktop entry and icon; the installed program keeps its working folder in
// the user's data folder and finds its handset pictures and samples beside
// itself.

#include "ProgramRun.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

using test::ProgramResult;
using test::RunSetup;

class Installed : public testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix_ = new QTemporaryDir;
        RunSetup setup;
        setup.program = "cmake";
        const ProgramResult install =
            test::runProgram({"--install", SUMIRE_BUILD_DIR, "--prefix", prefix_->path()}, setup);
        ASSERT_EQ(install.exitCode, 0) << install.out.constData() << install.err.constData();
    }
    static void TearDownTestSuite() {
        delete prefix_;
        prefix_ = nullptr;
    }

    static QString path(const QString& relative) { return QDir(prefix_->path()).filePath(relative); }

    // The installed program as a user without a display runs it.
    ProgramResult run(const QStringList& arguments) const {
        RunSetup setup;
        setup.program = path("bin/sumire");
        setup.environment = test::headlessUser(home.path());
        setup.environment.insert("QT_QPA_PLATFORM", "offscreen");
        setup.workingDirectory = home.path();
        return test::runProgram(arguments, setup);
    }

    QTemporaryDir home;
    static QTemporaryDir* prefix_;
};

QTemporaryDir* Installed::prefix_ = nullptr;

TEST_F(Installed, FilesAreWhereADesktopFindsThem) {
    for (const char* file :
         {"bin/sumire", "share/sumire/phone_01.jpg", "share/sumire/phone_02.jpg", "share/sumire/phone_03.jpg",
          "share/sumire/samples/index.txt", "share/sumire/samples/photo.bmp",
          "share/applications/jp.sumire.sumire.desktop", "share/metainfo/jp.sumire.sumire.metainfo.xml",
          "share/man/man1/sumire.1.gz", "share/man/ja/man1/sumire.1.gz", "share/sumire/readme-en.txt",
          "share/doc/sumire/copyright", "share/doc/sumire/changelog.gz"})
        EXPECT_TRUE(QFileInfo(path(file)).isFile()) << file;
    EXPECT_TRUE(QFileInfo(path("bin/sumire")).isExecutable());
    // The guide as the tree has it: UTF-8, with each pictograph's Unicode character.
    QFile guide(path("share/sumire/readme.txt")), source(SUMIRE_SOURCE_DIR "/readme.txt");
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly) && source.open(QIODevice::ReadOnly));
    const QByteArray installedGuide = guide.readAll();
    EXPECT_EQ(installedGuide, source.readAll());
    EXPECT_TRUE(installedGuide.contains(QString::fromUtf8("<#HEART>       U+2764    ❤  ハート").toUtf8()));
    for (int size : {16, 32, 48, 128, 256})
        EXPECT_EQ(QImage(path(QStringLiteral("share/icons/hicolor/%1x%1/apps/sumire.png").arg(size))).size(),
                  QSize(size, size));

    QSettings entry(path("share/applications/jp.sumire.sumire.desktop"), QSettings::IniFormat);
    entry.beginGroup("Desktop Entry");
    EXPECT_EQ(entry.value("Type").toString(), QString("Application"));
    EXPECT_EQ(entry.value("Exec").toString(), QString("sumire %u"));       // "Open with" hands over the page
    EXPECT_EQ(entry.value("MimeType").toString(), QString("text/plain"));  // QSettings reads the ";" as a comment
    EXPECT_EQ(entry.value("Icon").toString(), QString("sumire"));
}

TEST_F(Installed, WorksInTheUsersDataFolderWithPicturesFromBesideItself) {
    const QString script = home.filePath("script.txt");
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("click Phone001\ndump\n");
    f.close();
    const ProgramResult r = run({"--script", script});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject dump = QJsonDocument::fromJson(r.out).object();
    const QString userDir = home.filePath("data/Sumire");
    EXPECT_TRUE(dump["attachFolder"].toString().startsWith(userDir)) << qPrintable(dump["attachFolder"].toString());
    EXPECT_TRUE(QFileInfo(userDir + "/download").isDir());
    EXPECT_EQ(dump["Form1"].toObject()["picture"], QJsonValue("phone_02.jpg"));
    EXPECT_FALSE(QFileInfo::exists(path("bin/download")));
}

// The English texts are inside the program; the English guide beside it.
TEST_F(Installed, SpeaksEnglishOnAnEnglishDesktopAndOpensTheEnglishGuide) {
    const QString bin = home.filePath("bin");
    QDir().mkpath(bin);
    test::writeProgram(bin + "/xdg-open", "#!/bin/sh\nexit 0\n");
    QFile script(home.filePath("help.txt"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("click help001\nclick help003\ndump\n");
    script.close();
    RunSetup setup;
    setup.program = path("bin/sumire");
    setup.environment = test::headlessUser(home.path());
    setup.environment.insert("QT_QPA_PLATFORM", "offscreen");
    setup.environment.insert("LANG", "en_GB.UTF-8");
    setup.environment.insert("PATH", bin);
    const ProgramResult r = test::runProgram({"--script", script.fileName()}, setup);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject dump = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(dump["frmAbout"].toObject()["caption"], QJsonValue("About Sumire"));
    EXPECT_EQ(dump["book000"].toArray(), QJsonArray({"(none)"}));
    EXPECT_EQ(dump["started"].toArray(), QJsonArray({bin + "/xdg-open " + path("share/sumire/readme-en.txt")}));
}

TEST_F(Installed, RendersAndServesItsOwnSamples) {
    const ProgramResult version = run({"--version"});
    EXPECT_EQ(version.out, QByteArray("sumire 1.0.0\n"));
    const ProgramResult rendered =
        run({"render", path("share/sumire/samples/index.txt"), "--model", "0", "-o", "i.png"});
    ASSERT_EQ(rendered.exitCode, 0) << rendered.err.constData();
    EXPECT_EQ(QImage(home.filePath("i.png")).size(), QSize(634, 457));

    const QString script = home.filePath("demo.txt");
    QFile f(script);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("dump\n");
    f.close();
    const ProgramResult demo = run({"--demo", "--script", script});
    ASSERT_EQ(demo.exitCode, 0) << demo.err.constData();
    const QJsonObject dump = QJsonDocument::fromJson(demo.out).object();
    EXPECT_GE(dump["model"].toObject()["linkCount"].toInt(), 6);
}

}  // namespace
}  // namespace sumire
