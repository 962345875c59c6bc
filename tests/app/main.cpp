// The window tests: in-process tests of Form1 under a QApplication, and runs
// of the built program through its script interface. Both run headless; the
// per-user settings of the in-process tests go to a temporary folder.

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
