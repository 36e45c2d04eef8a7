// Rows bound in parameter arrays through the real drivers: SQLite's, which
// takes narrow UTF-8, for the SQL Anywhere side; PostgreSQL's, which takes
// UTF-16, behind the Oracle driver name.
#include "EitherSideTest.h"
#include "TestSql.h"
#include "unit/Fakes.h"

#include "data_access/AdoErrors.h"
#include "data_access/AdoType.h"
#include "data_access/OdbcConnection.h"
#include "data_access/SqlTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

using namespace tallowmere;
using namespace tallowmere::testing;
using fakes::CannedTable;

namespace {

constexpr int adNumeric = 131;
constexpr int adVarWChar = 202;
const std::vector<FieldInfo> kFields{{"id", adNumeric}, {"s", adVarWChar}, {"b", adLongVarBinary}};
const auto null = std::nullopt;

std::unique_ptr<Recordset> rowsOf(std::vector<std::vector<FieldValue>> rows) {
    return fakes::makeRecordset(CannedTable{kFields, std::move(rows)});
}

// The caller's loop: a row the array does not take goes into the next array.
int sendAll(Recordset& rows, RowArrayInsert& array) {
    int arrays = 0;
    const auto send = [&] {
        array.executeAll();
        array.clear();
        ++arrays;
    };
    for (; !rows.eof(); rows.moveNext()) {
        if (!array.addRow(rows)) {
            send();
            EXPECT_TRUE(array.addRow(rows)) << "an empty array refused a row";
        }
    }
    if (array.size() > 0)
        send();
    return arrays;
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class RowArrays : public EitherSideTest {
protected:
    void SetUp() override {
        EitherSideTest::SetUp();
        if (::testing::Test::IsSkipped())
            return;
        connection.open(connectionString);
        // BLOB is bytea on the PostgreSQL stand-in.
        connection.execute("CREATE TABLE t(id NUMERIC PRIMARY KEY, s TEXT, b BLOB)");
    }

    std::unique_ptr<RowArrayInsert> prepare(Connection& on, size_t arrayRows, size_t perExecution) {
        return on.prepareRowArray(BoundInsertText("t", kFields.size()), kFields, arrayRows,
                                  perExecution);
    }
    // What another connection sees: the committed rows, binaries as hex digits.
    Rows committed() const {
        const std::string sql = "SELECT id, s, b FROM t ORDER BY id";
        return oracle ? oracle->query(sql) : sqlite->query(sql);
    }

    OdbcConnection connection;
};

TEST_P(RowArrays, ValuesArriveAsTheyWereReadAndEmptyAsNull) {
    const std::string tricky = "O'Brien \\ C:\\new\nline\ttab \"quoted\" ''";
    const std::string foreign = "\xd0\x9c\xd0\xbe\xd1\x81\xd0\xba\xd0\xb2\xd0\xb0 \xe6\x9d\xb1"
                                "\xe4\xba\xac \xf0\x9f\x98\x80";
    auto rows = rowsOf({{"1", null, null},
                        {"2", "", ""},
                        {"3", tricky, "00FF10"},
                        {"-8", foreign, "5C27"},
                        {"3.25", "x", null}});
    EXPECT_EQ(sendAll(*rows, *prepare(connection, 8, 8)), 1);
    EXPECT_TRUE(sameRows(committed(), {{"-8", foreign, "5C27"},
                                       {"1", null, null},
                                       {"2", null, null},
                                       {"3", tricky, "00FF10"},
                                       {"3.25", "x", null}}));
}

TEST_P(RowArrays, ValuesOfEveryLengthInOneArrayArriveWhole) {
    std::string megabyte;
    for (size_t i = 0; megabyte.size() < (1u << 20); ++i)
        megabyte += static_cast<char>(i * 7 % 256);
    const std::string big = hexOf(megabyte, true);
    std::string greek; // longer than a plain VARCHAR parameter takes
    for (int i = 0; i < 4500; ++i)
        greek += "\xce\xbb";
    auto rows = rowsOf({{"1", "a", "0102"}, {"2", greek, big}, {"3", "c", "AB"}});
    sendAll(*rows, *prepare(connection, 3, 3));
    EXPECT_TRUE(sameRows(committed(), {{"1", "a", "0102"}, {"2", greek, big}, {"3", "c", "AB"}}));
}

TEST_P(RowArrays, ArraysOfOneRowAndTablesLargerThanAnArray) {
    auto three = rowsOf({{"1", "a", null}, {"2", "b", null}, {"3", "c", null}});
    EXPECT_EQ(sendAll(*three, *prepare(connection, 1, 1)), 3);
    EXPECT_TRUE(sameRows(committed(), {{"1", "a", null}, {"2", "b", null}, {"3", "c", null}}));

    connection.execute("DELETE FROM t");
    connection.setAutoCommit(false); // SQLite would otherwise wait for the disk each row
    constexpr long kRows = 2500;
    std::vector<std::vector<FieldValue>> many;
    for (long i = 1; i <= kRows; ++i)
        many.push_back({std::to_string(i), "row " + std::to_string(i), null});
    auto rows = rowsOf(std::move(many));
    EXPECT_EQ(sendAll(*rows, *prepare(connection, 1000, 300)), 3);
    connection.commit();
    const Rows all = committed();
    ASSERT_EQ(all.size(), size_t(kRows));
    for (long i = 1; i <= kRows; ++i)
        ASSERT_EQ(all[size_t(i - 1)][1], "row " + std::to_string(i));
}

TEST_P(RowArrays, AFailingRowFailsItsArrayThenTheRowsGoOneAtATime) {
    connection.setAutoCommit(false);
    auto array = prepare(connection, 4, 4);
    auto rows =
        rowsOf({{"1", "a", null}, {"2", "b", null}, {"2", "twice", null}, {"3", "c", null}});
    for (; !rows->eof(); rows->moveNext())
        ASSERT_TRUE(array->addRow(*rows));
    try {
        array->executeAll();
        FAIL() << "a duplicate key passed";
    } catch (const DatabaseError& error) {
        EXPECT_NE(lowerCase(error.description()).find("unique"), std::string::npos);
        EXPECT_TRUE(error.state() == "23505" || error.native() == 19) << error.state();
    }
    EXPECT_EQ(array->size(), 4u);
    connection.rollback();
    for (size_t i = 0; i < 2; ++i) {
        array->executeRow(i);
        connection.commit();
    }
    EXPECT_THROW(array->executeRow(2), DatabaseError);
    connection.rollback();
    EXPECT_THROW(array->executeRow(4), DatabaseError);
    EXPECT_TRUE(sameRows(committed(), {{"1", "a", null}, {"2", "b", null}}));
}

TEST_P(RowArrays, WithAutocommitOffRowsWaitForTheCommit) {
    connection.setAutoCommit(false);
    auto array = prepare(connection, 3, 3);
    auto rows = rowsOf({{"1", "a", null}, {"2", "b", null}});
    for (; !rows->eof(); rows->moveNext())
        ASSERT_TRUE(array->addRow(*rows));
    array->executeAll();
    EXPECT_TRUE(committed().empty());
    connection.rollback();
    EXPECT_TRUE(committed().empty());
    array->executeAll();
    connection.commit();
    EXPECT_TRUE(sameRows(committed(), {{"1", "a", null}, {"2", "b", null}}));
}

TEST_P(RowArrays, ClosingWithRowsUncommittedRollsThemBackAndLetsGo) {
    {
        OdbcConnection other;
        other.open(connectionString);
        other.setAutoCommit(false);
        auto array = prepare(other, 1, 1);
        auto rows = rowsOf({{"1", "a", null}});
        sendAll(*rows, *array);
    }
    EXPECT_TRUE(committed().empty());
    // A connection left open would keep SQLite's file locked.
    connection.execute("DROP TABLE t");
}

INSTANTIATE_TEST_SUITE_P(BothStandIns, RowArrays,
                         ::testing::Values(Side::SqlAnywhere, Side::Oracle));

TEST(RowArrayBudget, ManyWideColumnsShareOneBudgetThatNoneWouldReachAlone) {
    // SQLite's driver takes UTF-8, so each value takes its own bytes.
    constexpr size_t kColumns = 16, kValueBytes = 60000, kRowBytes = kColumns * kValueBytes;
    // Twice the rows the columns together have room for, yet so few that one
    // column alone would hold them all within the budget.
    constexpr size_t kArrayRows = 2 * kRowArrayBudget / kRowBytes;
    static_assert(kArrayRows * kValueBytes <= kRowArrayBudget);
    SqliteDatabase sqlite;
    OdbcConnection connection;
    connection.open(SqlAnywhereConnectionString(sqlAnywhereOnlySettings()));
    std::string columns = "c0";
    for (size_t i = 1; i < kColumns; ++i)
        columns += ", c" + std::to_string(i);
    connection.execute("CREATE TABLE wide(" + columns + ")");
    const std::vector<FieldInfo> fields(kColumns, FieldInfo{"c", adVarWChar});
    auto array = connection.prepareRowArray(BoundInsertText("wide", kColumns), fields, kArrayRows,
                                            kArrayRows);
    auto row = fakes::makeRecordset(
        CannedTable{fields, {std::vector<FieldValue>(kColumns, std::string(kValueBytes, 'v'))}});
    while (array->addRow(*row)) {
    }
    EXPECT_LT(array->size(), kArrayRows);
    EXPECT_LE(array->size() * kRowBytes, kRowArrayBudget);
    EXPECT_GT((array->size() + 1) * kRowBytes, kRowArrayBudget);
}

TEST(RowArrayValues, ApproximateNumbersFromPostgresArriveOnSqliteAsTheSameDoubles) {
    TALLOWMERE_REQUIRE_POSTGRES();
    OracleAccount oracle;
    oracle.exec("CREATE TABLE approx(id INTEGER, d DOUBLE PRECISION)");
    oracle.exec("INSERT INTO approx VALUES" + numberedRows(kExactDoubles));
    SqliteDatabase sqlite;
    sqlite.exec("CREATE TABLE approx(d TEXT)"); // as a copy makes it
    OdbcConnection source, target;
    source.open(OracleConnectionString(workingSettings(oracle)));
    target.open(SqlAnywhereConnectionString(sqlAnywhereOnlySettings()));
    auto rows = source.openRecordset("SELECT d FROM approx ORDER BY id");
    sendAll(*rows,
            *target.prepareRowArray(BoundInsertText("approx", 1), {rows->fieldInfo(0)}, 8, 8));
    EXPECT_EQ(doubleBits(firstColumn(sqlite.query("SELECT d FROM approx ORDER BY rowid"))),
              doubleBits(kExactDoubles));
}

TEST(RowArrayDefaults, AConnectionWithoutThemSaysNotCapable) {
    Log log;
    fakes::FakeConnectionFactory factory(log);
    auto connection = factory.create();
    const auto notCapable = [](auto call) {
        try {
            call();
        } catch (const DatabaseError& error) {
            return error.native() == long(AdoError::NotCapable);
        }
        return false;
    };
    EXPECT_TRUE(notCapable([&] { connection->setAutoCommit(false); }));
    EXPECT_TRUE(notCapable([&] { connection->commit(); }));
    EXPECT_TRUE(notCapable([&] { connection->rollback(); }));
    EXPECT_TRUE(notCapable([&] { connection->prepareRowArray("INSERT", kFields, 1, 1); }));
}

} // namespace
