// Entry point of the window tests: the offscreen platform, a private ODBC
// configuration and settings folder, then a widgets application.
#include "support/TestDatabases.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tallowmere::testing::installPrivateEnvironment();
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
