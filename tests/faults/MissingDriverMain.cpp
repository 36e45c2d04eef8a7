// Entry point of the headless missing-driver tests: the private ODBC
// configuration with its drivers broken before any ODBC call.
#include "BrokenDrivers.h"
#include "support/TestDatabases.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    tallowmere::testing::installPrivateEnvironment();
    tallowmere::faults::breakDrivers();
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
