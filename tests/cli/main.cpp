// The command-line tests: in-process tests of the command line, the demo
// server and the page renderer under a QApplication, and runs of the built
// (and installed) program. All run headless; per-user settings and data go to
// temporary folders.

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
    QApplication app(argc, argv);
    QApplication::setApplicationName("Sumire");
    return RUN_ALL_TESTS();
}
