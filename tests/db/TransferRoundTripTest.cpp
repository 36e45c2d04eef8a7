// Whole tables copied both ways between the real databases, read back from
// the target and compared value by value.
#include "TestSql.h"

#include "transfer/TableTransfer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

using namespace tallowmere;
using namespace tallowmere::testing;

namespace {

const std::string kNonLatin = "\xd0\x9c\xd0\xbe\xd1\x81\xd0\xba\xd0\xb2\xd0\xb0 "
                              "\xe6\x9d\xb1\xe4\xba\xac \xf0\x9f\x98\x80";

class TransferRoundTrip : public BothDatabases {};

// A number as far as a REAL keeps it: the SQLite stand-in's NUMERIC columns
// hold 15 significant digits.
FieldValue fifteenDigits(const FieldValue& number) {
    if (!number)
        return number;
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", std::strtod(number->c_str(), nullptr));
    return text;
}

} // namespace

TEST_F(TransferRoundTrip, OracleTableArrivesOnSqlAnywhereWithEveryValue) {
    const std::string big(100 * 1024, 'x');
    oracle->exec("CREATE TABLE \"EMP\"(id INTEGER, amount NUMERIC(10,2), ratio DOUBLE PRECISION, "
                 "name TEXT, born DATE, seen TIMESTAMP, flag BOOLEAN, data BYTEA)");
    oracle->exec("INSERT INTO \"EMP\" VALUES(1, 3.25, 0.5, " +
                 literal("O'Brien\nline " + kNonLatin) +
                 ", '2024-02-29', '2024-02-29 13:14:15', true, '\\x00ff10')");
    oracle->exec("INSERT INTO \"EMP\" VALUES(2, NULL, NULL, '', NULL, NULL, false, NULL)");
    oracle->exec("INSERT INTO \"EMP\" VALUES(3, -7, 1e-3, '" + big + "', NULL, NULL, NULL, NULL)");
    harness->loadLists();
    select(harness->oracleList, "EMP");

    harness->run(SendTablesToSqlAnywhere);

    EXPECT_TRUE(harness->prompts.shown.empty()) << harness->prompts.shown.front();
    EXPECT_EQ(harness->sqlAnywhereList.texts(), Names{"EMP"});
    const Rows rows = sqlAnywhere.query(
        "SELECT id, amount, ratio, name, born, seen, flag, data FROM \"EMP\" ORDER BY id");
    ASSERT_EQ(rows.size(), 3u);
    const Rows expected{
        {"1", "3.25", "0.5", "O'Brien\nline " + kNonLatin, "2024-02-29", "2024-02-29 13:14:15", "1",
         byteEscapes("00FF10")},
        {"2", std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, "0",
         std::nullopt},
        {"3", "-7", "0.001", big, std::nullopt, std::nullopt, std::nullopt, std::nullopt}};
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(harness->progress.values.back(), 0.0f);
    EXPECT_EQ(harness->pointer.pointer(), PointerSetting::Default);
}

TEST_F(TransferRoundTrip, DecimalsArriveOnSqlAnywhereWithTheirPrecisionScaleAndEveryDigit) {
    // Up to 15 significant digits, as many as the SQLite stand-in keeps; the
    // fractions go past the six decimals of SQL Anywhere's bare NUMERIC.
    oracle->exec("CREATE TABLE money(id INTEGER, p NUMERIC(12,4), q NUMERIC(20,10))");
    oracle->exec("INSERT INTO money VALUES(1, 12345678.1234, 0.0123456789), "
                 "(2, -0.0001, -12345.0123456789), (3, 99999999.9999, 1234567890.5)");
    harness->loadLists();
    select(harness->oracleList, "money");

    harness->run(SendTablesToSqlAnywhere);

    EXPECT_TRUE(harness->prompts.shown.empty()) << harness->prompts.shown.front();
    EXPECT_EQ(sqlAnywhere.query("SELECT type FROM pragma_table_info('money')"),
              (Rows{{"NUMERIC"}, {"NUMERIC(12,4)"}, {"NUMERIC(20,10)"}}));
    EXPECT_EQ(sqlAnywhere.query("SELECT id, p, q FROM money ORDER BY id"),
              (Rows{{"1", "12345678.1234", "0.0123456789"},
                    {"2", "-0.0001", "-12345.0123456789"},
                    {"3", "99999999.9999", "1234567890.5"}}));
}

TEST_F(TransferRoundTrip, UnconstrainedDecimalsGetAColumnThatHoldsEveryValueRead) {
    const std::string big = "12345678901234567890123456789012345.123456789";
    const std::string huge = "1" + std::string(129, '0'); // past SQL Anywhere's 127 digits
    oracle->exec("CREATE TABLE nums(id INTEGER, n NUMERIC, wide NUMERIC)");
    oracle->exec("INSERT INTO nums VALUES(1, " + big + ", " + huge + "), (2, 0.1234567, NULL), " +
                 "(3, -1E-7, NULL)");
    harness->loadLists();
    select(harness->oracleList, "nums");

    harness->run(SendTablesToSqlAnywhere);

    EXPECT_TRUE(harness->prompts.shown.empty()) << harness->prompts.shown.front();
    // 35 digits before the point and 9 after, whatever the driver reports.
    EXPECT_EQ(sqlAnywhere.query("SELECT type FROM pragma_table_info('nums')"),
              (Rows{{"NUMERIC"}, {"NUMERIC(44,9)"}, {"TEXT"}}));
    Rows rows = sqlAnywhere.query("SELECT n, wide FROM nums ORDER BY id");
    for (auto& row : rows)
        row[0] = fifteenDigits(row[0]);
    EXPECT_EQ(rows, (Rows{{fifteenDigits(big), huge},
                          {fifteenDigits("0.1234567"), std::nullopt},
                          {fifteenDigits("-1E-7"), std::nullopt}}));
}

TEST_F(TransferRoundTrip, SqlAnywhereTableArrivesOnOracleWithEveryValue) {
    const std::string path = "C:\\new\\table.txt";
    sqlAnywhere.exec("CREATE TABLE \"Hire Date\"(id INTEGER, ratio REAL, name TEXT, "
                     "born DATE, seen TIMESTAMP, flag BIT, data BLOB)");
    sqlAnywhere.exec("INSERT INTO \"Hire Date\" VALUES(1, 0.5, " +
                     literal("O'Brien " + path + "\n" + kNonLatin) +
                     ", '2024-02-29', '2024-02-29 13:14:15', 1, x'00ff10')");
    sqlAnywhere.exec("INSERT INTO \"Hire Date\" VALUES(2, NULL, '', NULL, NULL, 0, NULL)");
    harness->loadLists();
    select(harness->sqlAnywhereList, "Hire Date");

    harness->run(SendTablesToOracle);

    EXPECT_TRUE(harness->prompts.shown.empty()) << harness->prompts.shown.front();
    EXPECT_EQ(harness->oracleList.texts(), Names{"Hire Date"});
    // Backslashes travel to Oracle as they are; only quotes are doubled.
    const Rows rows = oracle->query("SELECT * FROM \"Hire Date\" ORDER BY id");
    const Rows expected{
        {"1", "0.5", "O'Brien " + path + "\n" + kNonLatin, "2024-02-29", "2024-02-29 13:14:15", "1",
         "00FF10"},
        {"2", std::nullopt, std::nullopt, std::nullopt, std::nullopt, "0", std::nullopt}};
    EXPECT_EQ(rows, expected);
}

TEST_F(TransferRoundTrip, ApproximateNumbersFromOracleArriveOnSqlAnywhereAsTheSameDoubles) {
    oracle->exec("CREATE TABLE approx(id INTEGER, d DOUBLE PRECISION, r REAL)");
    oracle->exec("INSERT INTO approx(id, d) VALUES" + numberedRows(kExactDoubles));
    // Either side of where PostgreSQL starts writing an exponent, and the non-numbers.
    oracle->exec(
        "INSERT INTO approx(id, d) VALUES" +
        numberedRows({"100000000000000", "1e15", "0.0001", "1e-05", "-Infinity", "NaN"}, 10));
    oracle->exec("INSERT INTO approx(id, r) VALUES" +
                 numberedRows({"0.1", "100000", "1e6", "1.5e-5", "3.4028235e38"}, 20));
    harness->loadLists();
    select(harness->oracleList, "approx");

    harness->run(SendTablesToSqlAnywhere);

    EXPECT_TRUE(harness->prompts.shown.empty()) << harness->prompts.shown.front();
    // PostgreSQL keeps the sign of -0, and so does the text column the
    // numbers arrive in on SQL Anywhere.
    EXPECT_EQ(doubleBits(
                  firstColumn(sqlAnywhere.query("SELECT d FROM approx WHERE id < 10 ORDER BY id"))),
              doubleBits(kExactDoubles));
    // Each as PostgreSQL itself writes it; a 4-byte 0.1 as the float it is,
    // not as the double nearest that float.
    EXPECT_EQ(sqlAnywhere.query("SELECT d, r FROM approx ORDER BY id"),
              oracle->query("SELECT d::text, r::text FROM approx ORDER BY id"));
    EXPECT_EQ(sqlAnywhere.query("SELECT r FROM approx WHERE id = 20"), (Rows{{"0.1"}}));
}

TEST_F(TransferRoundTrip, ApproximateNumbersFromSqlAnywhereArriveOnOracleAsItsDriverWritesThem) {
    // SQLite's driver writes a double with 15 significant digits, and makes
    // its SQL_C_DOUBLE from that text too: no more digits can be read.
    // SQLite stores -0.0 in a DOUBLE column as the integer 0, so the sign is
    // gone before the driver reads it.
    std::vector<std::string> asWritten;
    for (const std::string& number : kExactDoubles)
        asWritten.push_back(number == "-0.0" ? "0" : *fifteenDigits(number));
    sqlAnywhere.exec("CREATE TABLE approx(id INTEGER, d DOUBLE, n NUMERIC)");
    sqlAnywhere.exec("INSERT INTO approx(id, d) VALUES" + numberedRows(kExactDoubles));
    // Whatever else SQLite's loose typing lets such a column hold arrives as
    // it was written, neither rounded nor lost.
    sqlAnywhere.exec("INSERT INTO approx(id, n) VALUES" +
                     numberedRows({"9007199254740993", "n/a"}, 10));
    harness->loadLists();
    select(harness->sqlAnywhereList, "approx");

    harness->run(SendTablesToOracle);

    EXPECT_TRUE(harness->prompts.shown.empty()) << harness->prompts.shown.front();
    EXPECT_EQ(
        doubleBits(firstColumn(oracle->query("SELECT d FROM approx WHERE id < 10 ORDER BY id"))),
        doubleBits(asWritten));
    EXPECT_EQ(oracle->query("SELECT n FROM approx WHERE id >= 10 ORDER BY id"),
              (Rows{{"9007199254740993"}, {"n/a"}}));
}

TEST_F(TransferRoundTrip, OverwritingReplacesTheTableInTheTargetsLetterCase) {
    sqlAnywhere.exec("CREATE TABLE emp(old TEXT)");
    sqlAnywhere.exec("INSERT INTO emp VALUES('stale')");
    oracle->exec("CREATE TABLE \"EMP\"(id INTEGER)");
    oracle->exec("INSERT INTO \"EMP\" VALUES(7)");
    harness->loadLists();
    select(harness->oracleList, "EMP");
    harness->prompts.answers = {true};

    harness->run(SendTablesToSqlAnywhere);

    EXPECT_EQ(harness->prompts.texts(), Names{"Would you like to overwrite emp?"});
    EXPECT_EQ(harness->sqlAnywhereList.texts(), Names{"EMP"});
    EXPECT_EQ(sqlAnywhere.query("SELECT * FROM \"EMP\""), (Rows{{"7"}}));
}

TEST_F(TransferRoundTrip, ARowTheTargetRefusesStopsTheRunAndTheNextRunWorks) {
    // Oracle's VARCHAR(2000) refuses the second row; the first stays.
    sqlAnywhere.exec("CREATE TABLE wide(n INTEGER, v TEXT)");
    sqlAnywhere.exec("INSERT INTO wide VALUES(1, 'short'), (2, '" + std::string(2001, 'y') +
                     "'), (3, 'never')");
    sqlAnywhere.exec("CREATE TABLE small(n INTEGER)");
    sqlAnywhere.exec("INSERT INTO small VALUES(5)");
    harness->loadLists();
    select(harness->sqlAnywhereList, "wide");

    harness->run(SendTablesToOracle);

    ASSERT_EQ(harness->prompts.shown.size(), 1u);
    EXPECT_EQ(harness->prompts.shown[0].text.rfind("Error ", 0), 0u);
    EXPECT_NE(harness->prompts.shown[0].text.find("value too long"), std::string::npos)
        << harness->prompts.shown[0].text;
    EXPECT_EQ(harness->pointer.pointer(), PointerSetting::Default);
    EXPECT_EQ(harness->progress.values.back(), 0.0f);
    EXPECT_EQ(harness->oracleList.count(), 0);
    EXPECT_EQ(oracle->query("SELECT n FROM wide"), (Rows{{"1"}}));

    harness->sqlAnywhereList.setSelected(harness->sqlAnywhereList.currentIndex(), false);
    select(harness->sqlAnywhereList, "small");
    harness->run(SendTablesToOracle);
    EXPECT_EQ(harness->prompts.shown.size(), 1u);
    EXPECT_EQ(harness->oracleList.texts(), Names{"small"});
    EXPECT_EQ(oracle->query("SELECT n FROM small"), (Rows{{"5"}}));
}

TEST_F(TransferRoundTrip, AConnectionThatCannotOpenIsReportedAndChangesNothing) {
    sqlAnywhere.exec("CREATE TABLE t(n INTEGER)");
    harness->loadLists();
    select(harness->sqlAnywhereList, "t");
    ConnectionSettings wrong = workingSettings(*oracle);
    wrong.oraclePassword = "wrong";
    harness->fields.set(wrong);

    harness->run(SendTablesToOracle);

    ASSERT_EQ(harness->prompts.shown.size(), 1u);
    EXPECT_NE(harness->prompts.shown[0].text.find("password authentication failed"),
              std::string::npos)
        << harness->prompts.shown[0].text;
    EXPECT_EQ(harness->pointer.pointer(), PointerSetting::Default);
    EXPECT_EQ(harness->oracleList.count(), 0);
}
