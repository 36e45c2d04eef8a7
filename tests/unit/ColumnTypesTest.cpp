// The command line's mapping table both ways, the columns it widens or
// shortens by their values, the statements of a whole table, and the ISO
// texts dates and timestamps are bound from.
#include "data_access/DateTimeText.h"
#include "data_access/SqlColumnTypes.h"

#include <gtest/gtest.h>
#include <sqlext.h>
#include <sqlucode.h>

namespace tallowmere {
namespace {

struct MappingRow {
    ColumnDescription source; // as the catalogue describes it
    const char* toOracle;
    const char* toSqlAnywhere;
    BoundForm form;
};

const MappingRow kMapping[] = {
    {{"c", SQL_BIT, "bit"}, "NUMERIC(1)", "BIT", BoundForm::Text},
    {{"c", SQL_TINYINT, "tinyint"}, "NUMERIC(3)", "SMALLINT", BoundForm::Text},
    {{"c", SQL_SMALLINT, "int2"}, "NUMERIC(5)", "SMALLINT", BoundForm::Text},
    {{"c", SQL_INTEGER, "int4"}, "NUMERIC(10)", "INTEGER", BoundForm::Text},
    {{"c", SQL_BIGINT, "int8"}, "NUMERIC(19)", "BIGINT", BoundForm::Text},
    {{"c", SQL_DECIMAL, "numeric", 7, 2}, "NUMBER", "NUMERIC(7,2)", BoundForm::Text},
    {{"c", SQL_REAL, "float4"}, "BINARY_FLOAT", "REAL", BoundForm::Single},
    {{"c", SQL_FLOAT, "float8"}, "BINARY_DOUBLE", "DOUBLE", BoundForm::Double},
    {{"c", SQL_TYPE_DATE, "date"}, "DATE", "DATE", BoundForm::Date},
    {{"c", SQL_TYPE_TIMESTAMP, "timestamp"}, "TIMESTAMP", "TIMESTAMP", BoundForm::Timestamp},
    {{"c", SQL_TYPE_TIME, "time"}, "VARCHAR(18)", "TIME", BoundForm::Text},
    {{"c", SQL_CHAR, "bpchar", 3}, "CHAR(3)", "CHAR(3)", BoundForm::Text},
    {{"c", SQL_WVARCHAR, "varchar", 10}, "VARCHAR(10)", "VARCHAR(10)", BoundForm::Text},
    {{"c", SQL_VARCHAR, "varchar", 5000}, "VARCHAR(4000)", "VARCHAR(5000)", BoundForm::Text},
    {{"c", SQL_LONGVARCHAR, "text"}, "VARCHAR(4000)", "LONG VARCHAR", BoundForm::Text},
    {{"c", SQL_VARBINARY, "varbinary", 16}, "BLOB", "VARBINARY(16)", BoundForm::Bytes},
    {{"c", SQL_LONGVARBINARY, "bytea"}, "BLOB", "LONG BINARY", BoundForm::Bytes},
    {{"c", SQL_GUID, "uuid"}, "VARCHAR(36)", "UNIQUEIDENTIFIER", BoundForm::Text},
    {{"c", SQL_INTERVAL_DAY, "interval"}, "VARCHAR(4000)", "LONG VARCHAR", BoundForm::Text},
};

TEST(WholeColumnTypes, EachKindOfColumnGetsEachTargetsOwnType) {
    for (const MappingRow& row : kMapping) {
        SCOPED_TRACE(row.source.typeName);
        const FieldInfo read{"c"};
        const WholeColumnType oracle = WholeColumnTypeFor(Side::Oracle, row.source, read, true);
        const WholeColumnType sqlAnywhere =
            WholeColumnTypeFor(Side::SqlAnywhere, row.source, read, true);
        EXPECT_EQ(oracle.type, row.toOracle);
        EXPECT_EQ(sqlAnywhere.type, row.toSqlAnywhere);
        EXPECT_EQ(oracle.form, row.form);
        EXPECT_EQ(sqlAnywhere.form, row.form);
        EXPECT_EQ(oracle.largeObject, oracle.type == "BLOB");
    }
}

TEST(WholeColumnTypes, ValuesWidenLooseTypesAndTheChangesAreNamed) {
    struct Case {
        ColumnDescription source;
        FieldInfo read;
        bool typesBoundValues;
        Side target;
        const char* type;
        TypeChange change;
    };
    // A row a case.
    // clang-format off
    const Case cases[] = {
        // An SQLite INTEGER holds 64 bits; past BIGINT, a decimal.
        {{"c", SQL_INTEGER, "INTEGER"}, {"c", 3, 0, 0, {12, 0, 12}}, false, Side::SqlAnywhere, "BIGINT", TypeChange::Widened},
        {{"c", SQL_INTEGER, "int4"}, {"c", 3, 0, 0, {12, 0, 12}}, true, Side::SqlAnywhere, "INTEGER", TypeChange::None},
        {{"c", SQL_SMALLINT, "SMALLINT"}, {"c", 2, 0, 0, {25, 0, 25}}, false, Side::Oracle, "NUMBER", TypeChange::Widened},
        {{"c", SQL_BIGINT, "UNSIGNED BIGINT"}, {"c", 21}, true, Side::Oracle, "NUMERIC(20)", TypeChange::None},
        {{"c", SQL_BIGINT, "UNSIGNED BIGINT"}, {"c", 21}, true, Side::SqlAnywhere, "UNSIGNED BIGINT", TypeChange::None},
        {{"c", SQL_VARCHAR, "VARCHAR(3)", 3}, {"c", 200, 0, 0, {}, 8}, false, Side::Oracle, "VARCHAR(8)", TypeChange::Widened},
        // Texts past what Oracle's VARCHAR2 holds: sized by their values, or CLOB.
        {{"c", SQL_VARCHAR, "varchar", 9000}, {"c", 200, 0, 0, {}, 4001}, true, Side::Oracle, "CLOB", TypeChange::Shortened},
        {{"c", SQL_LONGVARCHAR, "text"}, {"c", 201, 0, 0, {}, 4001}, true, Side::Oracle, "CLOB", TypeChange::None},
        // Decimals sized as the window sizes them: text past the digits a number holds.
        {{"c", SQL_DECIMAL, "numeric", 38, 0}, {"c", 131, 0, 0, {1, 2, 3}}, true, Side::SqlAnywhere, "NUMERIC(38,2)", TypeChange::None},
        {{"c", SQL_DECIMAL, "NUMBER"}, {"c", 131, 0, 0, {40, 0, 40}}, true, Side::Oracle, "VARCHAR(2000)", TypeChange::NoEqual},
        {{"c", SQL_TYPE_TIME, "time"}, {"c", 134}, true, Side::Oracle, "VARCHAR(18)", TypeChange::NoEqual},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        const WholeColumnType type =
            WholeColumnTypeFor(c.target, c.source, c.read, c.typesBoundValues);
        EXPECT_EQ(type.type, c.type);
        EXPECT_EQ(type.change, c.change);
        EXPECT_EQ(type.largeObject, type.type == "CLOB");
    }
}

TEST(WholeTableText, TypesNotNullKeyAndIndexesEndAsEachSidesStatementsEnd) {
    const std::vector<WholeColumn> columns{{"id", "INTEGER", true}, {"Hire \"Date\"", "DATE"}};
    EXPECT_EQ(WholeTableText(Side::SqlAnywhere, "T", columns, {"Hire \"Date\"", "id"}),
              "CREATE TABLE \"T\"(\"id\" INTEGER NOT NULL,\"Hire \"\"Date\"\"\" DATE,"
              "PRIMARY KEY(\"Hire \"\"Date\"\"\",\"id\"));");
    EXPECT_EQ(WholeTableText(Side::Oracle, "T", columns, {}),
              "CREATE TABLE \"T\"(\"id\" INTEGER NOT NULL,\"Hire \"\"Date\"\"\" DATE)");
    const IndexDescription index{"i", true, {{"a"}, {"b", true}}};
    EXPECT_EQ(CreateIndexText(Side::Oracle, "T", index),
              "CREATE UNIQUE INDEX \"i\" ON \"T\"(\"a\",\"b\" DESC)");
    EXPECT_EQ(CreateIndexText(Side::SqlAnywhere, "T", {"j", false, {{"a"}}}),
              "CREATE INDEX \"j\" ON \"T\"(\"a\");");
}

// PostgreSQL's driver describes the Oracle stand-in's varchar(2000) as a long
// text of size 2000; its clob as 8190 and its blob as -4.
TEST(ExistingColumns, OnlyTextsLongerThanVarchar2HoldsAreLargeObjects) {
    const auto column = [](int sqlType, long size) {
        return ColumnDescription{"c", sqlType, "", size};
    };
    EXPECT_FALSE(HoldsLargeObjects(column(SQL_LONGVARCHAR, 2000)));
    EXPECT_FALSE(HoldsLargeObjects(column(SQL_VARCHAR, 0)));
    EXPECT_TRUE(HoldsLargeObjects(column(SQL_LONGVARCHAR, 8190)));
    EXPECT_TRUE(HoldsLargeObjects(column(SQL_WLONGVARCHAR, 0)));
    EXPECT_TRUE(HoldsLargeObjects(column(SQL_LONGVARBINARY, -4)));
}

TEST(DateTimeText, IsoDatesAndTimestampsAndNothingElse) {
    const auto timestamp = TimestampFromText("2024-02-29T13:14:15.1234567");
    ASSERT_TRUE(timestamp);
    EXPECT_EQ(timestamp->year, 2024);
    EXPECT_EQ(timestamp->day, 29);
    EXPECT_EQ(timestamp->hour, 13);
    EXPECT_EQ(timestamp->fraction, 123456700u);
    EXPECT_EQ(TimestampFromText("1999-12-31 23:59")->minute, 59);
    EXPECT_EQ(TimestampFromText("0001-01-01")->hour, 0);
    EXPECT_EQ(DateFromText("2024-02-29 00:00:00.000")->month, 2);
    for (const char* wrong :
         {"2024-02-29 00:00:01", "soon", "2024-13-01", "2024-2-29", "", "2024-02-29 24:00:00",
          "2024-02-29 13:14:15.1234567890", "2024-02-29 13:14:15.", "-2024-02-29", "2024-02-29x"}) {
        SCOPED_TRACE(wrong);
        EXPECT_FALSE(DateFromText(wrong));
        EXPECT_EQ(TimestampFromText(wrong).has_value(),
                  std::string_view(wrong) == "2024-02-29 00:00:01");
    }
}

} // namespace
} // namespace tallowmere
