#include "TestFiles.h"
#include "store/HelpAbout.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire {
namespace {

// An executable stand-in for an installed program.
void installFake(const QTemporaryDir& dir, const QString& name) {
    test::writeProgram(dir.filePath(name), "#!/bin/sh\n");
}

TEST(Help, OpensReadmeWithTheDesktopOpenerOrAnEditor) {
    QTemporaryDir bin;
    EXPECT_FALSE(helpEditorFor("/w/readme.txt", {bin.path()}).has_value());
    installFake(bin, "mousepad");
    auto start = helpEditorFor("/w/readme.txt", {bin.path()});
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->commandLine(), bin.filePath("mousepad") + " /w/readme.txt");
    installFake(bin, "xdg-open");
    start = helpEditorFor("/w/readme.txt", {bin.path()});
    EXPECT_EQ(start->program, bin.filePath("xdg-open"));
}

TEST(About, TheKeyOfTheSystemInformationToolNamesAnInstalledProgram) {
    QTemporaryDir bin;
    const QString key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    QString value = "stale";
    SystemKeys none({bin.path()});
    EXPECT_FALSE(none.GetKeyValue(KeyRoot::LocalMachine, key, "PATH", &value));
    EXPECT_TRUE(value.isEmpty());
    EXPECT_FALSE(systemInfoProgram(none).has_value());

    installFake(bin, "hardinfo");
    SystemKeys keys({bin.path()});
    EXPECT_TRUE(keys.GetKeyValue(KeyRoot::LocalMachine, key, "PATH", &value));
    EXPECT_EQ(value, bin.filePath("hardinfo"));
    EXPECT_EQ(systemInfoProgram(keys), bin.filePath("hardinfo"));
    // Other roots, keys and values are not there.
    EXPECT_FALSE(keys.GetKeyValue(KeyRoot::CurrentUser, key, "PATH", &value));
    EXPECT_FALSE(keys.GetKeyValue(KeyRoot::LocalMachine, key, "Path2", &value));
    EXPECT_FALSE(
        keys.GetKeyValue(KeyRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", &value));
}

}  // namespace
}  // namespace sumire
