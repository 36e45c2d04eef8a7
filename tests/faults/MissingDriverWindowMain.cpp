// Entry point of the missing-driver window tests: the offscreen platform, the
// private ODBC configuration with its drivers broken before any ODBC call.
#include "BrokenDrivers.h"
#include "support/TestDatabases.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tallowmere::testing::installPrivateEnvironment();
    tallowmere::faults::breakDrivers();
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
