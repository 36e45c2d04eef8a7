// A test run once against each stand-in: the Oracle side's PostgreSQL and
// the SQL Anywhere side's SQLite, with the connection string that reaches it.
#pragma once

#include "data_access/ConnectionSettings.h"
#include "data_access/Side.h"
#include "support/TestDatabases.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tallowmere::testing {

class EitherSideTest : public ::testing::TestWithParam<Side> {
protected:
    void SetUp() override {
        if (GetParam() == Side::Oracle) {
            TALLOWMERE_REQUIRE_POSTGRES();
            oracle = std::make_unique<OracleAccount>();
            connectionString = OracleConnectionString(workingSettings(*oracle));
        } else {
            sqlite = std::make_unique<SqliteDatabase>();
            connectionString = SqlAnywhereConnectionString(sqlAnywhereOnlySettings());
        }
    }

    std::unique_ptr<OracleAccount> oracle;
    std::unique_ptr<SqliteDatabase> sqlite;
    std::string connectionString;
};

} // namespace tallowmere::testing
