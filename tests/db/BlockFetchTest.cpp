// Results read a block of rows a fetch through the real drivers give every
// value as reading them one at a time with SQLGetData does: SQLite's, bound
// a row a fetch, for the SQL Anywhere side; PostgreSQL's, in blocks, behind
// the Oracle driver name.
#include "EitherSideTest.h"
#include "TestSql.h"

#include "data_access/DriverRules.h"
#include "data_access/OdbcBlockFetch.h"
#include "data_access/OdbcConnection.h"
#include "data_access/OdbcResultReading.h"
#include "data_access/OdbcText.h"
#include "data_access/Oracle.h"
#include "data_access/Sybase.h"

#include <gtest/gtest.h>

using namespace tallowmere;
using namespace tallowmere::testing;

namespace {

// A connection of the reading layer's own, whose reads fetch as told.
class RawConnection {
public:
    explicit RawConnection(const std::string& connectionString) {
        check(SQLSetEnvAttr(mEnvironment.get(), SQL_ATTR_ODBC_VERSION,
                            reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
              mEnvironment);
        mConnection = OdbcHandle(SQL_HANDLE_DBC, mEnvironment.get());
        std::string text = OdbcConnection::odbcConnectionString(connectionString);
        check(SQLDriverConnect(mConnection.get(), nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                               SQLSMALLINT(text.size()), nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT),
              mConnection);
        mConnection.setNarrow(!driverTakesWideText(mConnection));
        mRules.approximateAsText =
            ApproximateNumbersAsText(driverName(mConnection), infoText(mConnection, SQL_DBMS_NAME));
        driverBinding = BoundReadingOf(mConnection);
    }
    ~RawConnection() { SQLDisconnect(mConnection.get()); }

    OdbcHandle run(const std::string& sql) const {
        OdbcHandle statement(SQL_HANDLE_STMT, mConnection.get());
        statement.setNarrow(mConnection.narrow());
        execDirect(statement, sql, false);
        return statement;
    }
    Rows read(const std::string& sql, BoundReading binding, ReadProgress progress = {}) {
        mRules.binding = binding;
        mRules.progress = std::move(progress);
        const std::atomic<bool> cancelled{false};
        return readAll(*ReadWholeResult(run(sql), cancelled, mRules));
    }
    // The form and size of the first fetch of the result.
    std::pair<bool, size_t> fetchOf(const std::string& sql) const {
        const OdbcHandle statement = run(sql);
        SQLSMALLINT columns = 0;
        check(SQLNumResultCols(statement.get(), &columns), statement);
        const OdbcBlockFetch fetch(statement, std::vector<ValueForm>(size_t(columns)),
                                   driverBinding);
        return {fetch.bound(), fetch.blockRows()};
    }

    BoundReading driverBinding;

private:
    OdbcHandle mEnvironment{SQL_HANDLE_ENV, SQL_NULL_HANDLE};
    OdbcHandle mConnection;
    ReadingRules mRules;
};

const std::string kLongText = [] {
    std::string text;
    while (text.size() < 4200) // 2100 characters: past any size either driver describes
        text += "\xc3\xa9\xe6\x9d\xb1x";
    return text;
}();
const std::vector<FieldValue> kTexts{"M\xc3\xbcller \xe6\x9d\xb1\xe4\xba\xac \xf0\x9f\x98\x80", "",
                                     std::nullopt, kLongText, "O'Brien"};
const std::vector<std::string> kDecimals{"3.25", "-0.50",
                                         std::string(60, '7') + "." + std::string(40, '3')};
const std::vector<std::string> kBinaries{"x'00FF10'", "x''", "NULL",
                                         "x'" + std::string(600, 'A') + "'"};

std::string sqlOf(const FieldValue& value) {
    return value ? literal(*value) : "NULL";
}

class BlockFetch : public EitherSideTest {
protected:
    void exec(const std::string& sql) const { oracle ? oracle->exec(sql) : sqlite->exec(sql); }
    // A table of mixed values, every column bound where the driver binds.
    // SQLite's types bound nothing, so its texts, decimals and binaries run
    // past what its driver describes; PostgreSQL's VARCHAR and NUMERIC
    // without a size do too. PostgreSQL has no binary type of a bound size.
    void fillMixed(size_t rows) const {
        exec(oracle ? "CREATE TABLE t(id INTEGER, s VARCHAR, n NUMERIC, f DOUBLE PRECISION, "
                      "r REAL, dt DATE, ts TIMESTAMP)"
                    : "CREATE TABLE t(id INTEGER, s VARCHAR(8), n DECIMAL(10,2), f DOUBLE, "
                      "r REAL, dt DATE, ts TIMESTAMP, b BLOB)");
        std::string values;
        for (size_t i = 0; i < rows; ++i) {
            values += (i ? ", (" : "(") + std::to_string(i) + ", " + sqlOf(kTexts[i % 5]) + ", " +
                      literal(kDecimals[i % 3]) + ", " +
                      (i % 6 == 5 ? "NULL" : literal(kExactDoubles[i % 5])) + ", " +
                      literal(std::to_string(i) + ".1") + ", " + (i % 4 ? "'2024-02-29'" : "NULL") +
                      ", '2024-02-29 13:14:15.123456'" +
                      (oracle ? ")" : ", " + kBinaries[i % 4] + ")");
        }
        if (rows > 0)
            exec("INSERT INTO t VALUES " + values);
    }
};

const std::string kSelectAll = "SELECT * FROM t ORDER BY id";

TEST_P(BlockFetch, MixedValuesComeBackAsReadAValueAtATime) {
    fillMixed(60);
    RawConnection raw(connectionString);
    // SQLite's driver cannot read a value again inside a block; PostgreSQL's can.
    const bool blocks = GetParam() == Side::Oracle;
    EXPECT_EQ(raw.driverBinding, blocks ? BoundReading::Blocks : BoundReading::RowAtATime);
    EXPECT_EQ(raw.fetchOf(kSelectAll), std::make_pair(true, blocks ? kBlockRows : size_t(1)));

    const Rows aValueAtATime = raw.read(kSelectAll, BoundReading::None);
    ASSERT_EQ(aValueAtATime.size(), 60u);
    for (size_t i = 0; i < aValueAtATime.size(); ++i)
        ASSERT_EQ(aValueAtATime[i][1], kTexts[i % 5]) << "row " << i;
    EXPECT_TRUE(sameRows(raw.read(kSelectAll, raw.driverBinding), aValueAtATime));
    EXPECT_TRUE(sameRows(raw.read(kSelectAll, BoundReading::RowAtATime), aValueAtATime));
    OdbcConnection connection;
    connection.open(connectionString);
    EXPECT_TRUE(sameRows(readAll(*connection.openRecordset(kSelectAll)), aValueAtATime));
}

TEST_P(BlockFetch, RowCountsAroundABlockArriveWholeWithProgressAsBefore) {
    for (const size_t rows :
         {size_t(0), size_t(1), kBlockRows - 1, kBlockRows + 1, 2 * kBlockRows + 1}) {
        SCOPED_TRACE(rows);
        exec("DROP TABLE IF EXISTS t");
        fillMixed(rows);
        RawConnection raw(connectionString);
        std::vector<long> told;
        const Rows blocks =
            raw.read(kSelectAll, raw.driverBinding, [&](long read) { told.push_back(read); });
        EXPECT_EQ(blocks.size(), rows);
        EXPECT_TRUE(sameRows(blocks, raw.read(kSelectAll, BoundReading::None)));
        std::vector<long> expected;
        for (long at = kReadProgressRows; at <= long(rows); at += kReadProgressRows)
            expected.push_back(at);
        EXPECT_EQ(told, expected);
    }
}

TEST_P(BlockFetch, AResultWithAColumnOfNoBoundedSizeIsReadAValueAtATime) {
    // A long text, a VARCHAR past the bound, and PostgreSQL's binaries.
    exec(oracle ? "CREATE TABLE t(id INTEGER, l TEXT, w VARCHAR(5000), b BYTEA)"
                : "CREATE TABLE t(id INTEGER, l TEXT, w VARCHAR(5000), b LONGVARBINARY)");
    const std::string binary = oracle ? "'\\x00ff10'" : "x'00ff10'";
    exec("INSERT INTO t VALUES (1, " + literal(kLongText) + ", " + literal(kLongText) + ", " +
         binary + "), (2, NULL, '', NULL)");
    RawConnection raw(connectionString);
    for (const char* column : {"l", "w", "b"}) {
        const std::string sql = "SELECT id, " + std::string(column) + " FROM t ORDER BY id";
        EXPECT_FALSE(raw.fetchOf(sql).first) << column;
        EXPECT_TRUE(sameRows(raw.read(sql, raw.driverBinding), raw.read(sql, BoundReading::None)));
    }
    EXPECT_EQ(raw.read(kSelectAll, raw.driverBinding)[0][1], kLongText);
}

INSTANTIATE_TEST_SUITE_P(BothStandIns, BlockFetch,
                         ::testing::Values(Side::SqlAnywhere, Side::Oracle));

} // namespace
