// The engine tests run under a QCoreApplication: the fetchers and the test
// HTTP server need an event loop, and nothing here needs a window system.

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
