// The connection layer through the real driver manager and drivers.
#include "TestSql.h"

#include "data_access/DatabaseError.h"
#include "data_access/OdbcConnection.h"
#include "data_access/Oracle.h"
#include "data_access/Sybase.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using namespace tallowmere::testing;

namespace {

std::vector<int> adoTypes(Connection& connection, const std::string& query) {
    auto result = connection.openRecordset(query);
    std::vector<int> types;
    for (int i = 0; i < result->fieldCount(); ++i)
        types.push_back(result->fieldInfo(i).adoType);
    return types;
}

std::string sqliteString() {
    return SqlAnywhereConnectionString(sqlAnywhereOnlySettings());
}

const std::string kTricky = "O'Brien \\ C:\\new\nline\ttab \xd0\x9c\xd0\xbe\xd1\x81\xd0\xba\xd0\xb2"
                            "\xd0\xb0 \xe6\x9d\xb1\xe4\xba\xac \xf0\x9f\x98\x80";

std::string oneMegabyte() {
    std::string text;
    for (int i = 0; text.size() < (1u << 20); ++i)
        text += "line " + std::to_string(i) + " \xc3\xa9\xc3\xa8\n";
    return text;
}

} // namespace

TEST(OdbcConnectionTest, OpensTheDataSourceThroughTheBridgeWithOrWithoutProvider) {
    SqliteDatabase database;
    for (const char* provider : {"MSDASQL", ""}) {
        OdbcConnection connection;
        connection.setProvider(provider);
        connection.open(sqliteString());
        EXPECT_TRUE(connection.isOpen());
        connection.close();
        EXPECT_FALSE(connection.isOpen());
    }
}

TEST(OdbcConnectionTest, FailuresCarryNumberStateAndTheDatabasesText) {
    OdbcConnection missing;
    try {
        missing.open("Data Source=NoSuchDataSource");
        FAIL() << "opened a data source that does not exist";
    } catch (const DatabaseError& error) {
        EXPECT_EQ(error.state(), "IM002");
        EXPECT_NE(error.description().find("Data source name not found"), std::string::npos);
    }

    SqliteDatabase database;
    OdbcConnection connection;
    connection.open(sqliteString());
    try {
        connection.execute("SELECT * FROM no_such_table");
        FAIL() << "a bad statement passed";
    } catch (const DatabaseError& error) {
        EXPECT_NE(error.native(), 0);
        EXPECT_NE(error.description().find("no such table"), std::string::npos);
    }
    EXPECT_THROW(connection.setProvider("SQLOLEDB"), DatabaseError);
}

TEST(OdbcConnectionTest, ResultCountIsKnownBeforeTheFirstRowAndFieldsReadByPositionAndName) {
    SqliteDatabase database;
    database.exec("CREATE TABLE t(id INTEGER, name TEXT)");
    database.exec("INSERT INTO t VALUES(1, 'a'), (2, NULL), (3, '')");
    OdbcConnection connection;
    connection.open(sqliteString());
    auto result = connection.openRecordset("SELECT id, name FROM t ORDER BY id");
    ASSERT_EQ(result->recordCount(), 3);
    ASSERT_EQ(result->fieldCount(), 2);
    EXPECT_EQ(result->fieldInfo(1).name, "name");
    EXPECT_EQ(result->value("id"), FieldValue("1"));
    EXPECT_EQ(result->value(1), FieldValue("a"));
    result->moveNext();
    EXPECT_EQ(result->value("name"), std::nullopt);
    result->moveNext();
    EXPECT_EQ(result->value("name"), FieldValue(""));
    result->moveNext();
    EXPECT_TRUE(result->eof());
    EXPECT_THROW(result->value(0), DatabaseError);
}

TEST(OdbcConnectionTest, SqliteValuesComeBackExactlyIncludingOneMegabyte) {
    SqliteDatabase database;
    const std::string big = oneMegabyte();
    OdbcConnection connection;
    connection.open(sqliteString());
    connection.execute("CREATE TABLE t(v TEXT)");
    std::string tricky = kTricky;
    std::string literal;
    for (char c : tricky)
        literal += c == '\'' ? std::string("''") : std::string(1, c);
    connection.execute("INSERT INTO t VALUES('" + literal + "')");
    connection.execute("INSERT INTO t VALUES('" + big + "')");
    auto result = connection.openRecordset("SELECT v FROM t ORDER BY rowid");
    EXPECT_EQ(result->value(0), FieldValue(kTricky));
    result->moveNext();
    EXPECT_EQ(result->value(0)->size(), big.size());
    EXPECT_EQ(result->value(0), FieldValue(big));
}

TEST(OdbcConnectionTest, SqliteReportsAdoTypesAndDriverTextForms) {
    SqliteDatabase database;
    database.exec("CREATE TABLE t(i INTEGER, d DECIMAL(10,2), f DOUBLE, s VARCHAR(20), "
                  "l TEXT, dt DATE, ts TIMESTAMP, b BIT, bin BLOB)");
    database.exec("INSERT INTO t VALUES(42, 3.25, 0.5, 'abc', 'long', '2024-02-29', "
                  "'2024-02-29 13:14:15', 1, x'00ff10')");
    OdbcConnection connection;
    connection.open(sqliteString());
    // SQLite's driver names types by the declared text: DECIMAL arrives as
    // SQL_VARCHAR, TEXT as SQL_LONGVARCHAR and BLOB as SQL_BINARY.
    const std::vector<int> expected{3, 200, 5, 200, 201, 133, 135, 11, 128};
    EXPECT_EQ(adoTypes(connection, "SELECT * FROM t"), expected);

    auto row = connection.openRecordset("SELECT * FROM t");
    EXPECT_EQ(row->value(1), FieldValue("3.25"));
    EXPECT_EQ(row->value(2), FieldValue("0.5"));
    EXPECT_EQ(row->value(5), FieldValue("2024-02-29"));
    EXPECT_EQ(row->value(6), FieldValue("2024-02-29 13:14:15"));
    EXPECT_EQ(row->value(8), FieldValue("00FF10"));
}

TEST(OdbcConnectionTest, PostgresReportsAdoTypesAndDriverTextForms) {
    TALLOWMERE_REQUIRE_POSTGRES();
    OracleAccount oracle;
    oracle.exec("CREATE TABLE t(i INTEGER, d DECIMAL(10,2), f DOUBLE PRECISION, "
                "s VARCHAR(20), l TEXT, dt DATE, ts TIMESTAMP, b BOOLEAN, bin BYTEA, "
                "si SMALLINT, bi BIGINT, r REAL)");
    oracle.exec("INSERT INTO t VALUES(42, 3.25, 0.5, 'abc', 'long', '2024-02-29', "
                "'2024-02-29 13:14:15', true, '\\x00ff10', 7, 9000000000, 1.5)");
    OdbcConnection connection;
    connection.open(OracleConnectionString(workingSettings(oracle)));
    const std::vector<int> types = adoTypes(connection, "SELECT * FROM t");
    // Booleans arrive as text (the driver's BoolsAsChar default) and bytea
    // as long binary.
    const std::vector<int> expected{3, 131, 5, 202, 203, 133, 135, 200, 205, 2, 20, 4};
    EXPECT_EQ(types, expected);

    auto row = connection.openRecordset("SELECT * FROM t");
    EXPECT_EQ(row->value(1), FieldValue("3.25"));
    EXPECT_EQ(row->value(5), FieldValue("2024-02-29"));
    EXPECT_EQ(row->value(6), FieldValue("2024-02-29 13:14:15"));
    EXPECT_EQ(row->value(8), FieldValue("00FF10"));
    EXPECT_EQ(row->value(10), FieldValue("9000000000"));
}

TEST(OdbcConnectionTest, PostgresValuesComeBackExactlyIncludingOneMegabyte) {
    TALLOWMERE_REQUIRE_POSTGRES();
    OracleAccount oracle;
    const std::string big = oneMegabyte();
    OdbcConnection connection;
    connection.open(OracleConnectionString(workingSettings(oracle)));
    connection.execute("CREATE TABLE t(n SERIAL, v TEXT)");
    connection.execute("INSERT INTO t(v) VALUES(" + literal(kTricky) + ")");
    connection.execute("INSERT INTO t(v) VALUES('" + big + "')");
    auto result = connection.openRecordset("SELECT v FROM t ORDER BY n");
    EXPECT_EQ(result->value(0), FieldValue(kTricky));
    result->moveNext();
    EXPECT_EQ(result->value(0), FieldValue(big));
}

TEST(ProbeTest, BothSidesOpenWithWorkingSettingsAndFailSilentlyOtherwise) {
    TALLOWMERE_REQUIRE_POSTGRES();
    SqliteDatabase database;
    OracleAccount oracle;
    OdbcConnectionFactory connections;
    ConnectionSettings settings = workingSettings(oracle);
    EXPECT_TRUE(ConnectionCheckPasses(connections, FixedConnectionFields(settings)));

    ConnectionSettings wrongPassword = settings;
    wrongPassword.oraclePassword += "x";
    EXPECT_TRUE(CanConnectSqlAnywhere(connections, FixedConnectionFields(wrongPassword)));
    EXPECT_FALSE(CanConnectOracle(connections, FixedConnectionFields(wrongPassword)));
    EXPECT_FALSE(ConnectionCheckPasses(connections, FixedConnectionFields(wrongPassword)));

    ConnectionSettings wrongSource = settings;
    wrongSource.dataSourceName = "NoSuchDataSource";
    EXPECT_FALSE(ConnectionCheckPasses(connections, FixedConnectionFields(wrongSource)));
    wrongSource.dataSourceName = kBrokenDriverDataSource;
    EXPECT_FALSE(CanConnectSqlAnywhere(connections, FixedConnectionFields(wrongSource)));
}

TEST(ProbeTest, FirstRunWithNothingStoredFailsTheCheck) {
    OdbcConnectionFactory connections;
    const FixedConnectionFields empty(ConnectionSettings{});
    EXPECT_FALSE(CanConnectSqlAnywhere(connections, empty));
    EXPECT_FALSE(CanConnectOracle(connections, empty));
}
