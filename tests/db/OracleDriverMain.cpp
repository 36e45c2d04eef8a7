// Entry point of the Oracle driver registration tests: the private ODBC
// configuration with "Microsoft ODBC for Oracle" registered for a link named
// TALLOWMERE_ORACLE_DRIVER_FILE to the PostgreSQL driver, and the driver
// manager's trace on, both before any ODBC call.
#include "support/TestDatabases.h"

#include <QCoreApplication>

#include <filesystem>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    using namespace tallowmere::testing;
    installPrivateEnvironment();
    const std::string link = privateFolder() + "/" + TALLOWMERE_ORACLE_DRIVER_FILE;
    std::filesystem::create_symlink(postgresDriverLibrary(), link);
    registerOracleDriver(link);
    traceDriverManager(driverManagerTrace());
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
