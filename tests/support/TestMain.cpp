// Entry point of the headless test programs: a private ODBC configuration and
// settings folder first, then the tests.
#include "TestDatabases.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    tallowmere::testing::installPrivateEnvironment();
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
