// Fifty tables of mixed shapes sent each way in one run, then every table
// compared by a checksum of its rows as each side's own connection reads it.
#include "TestSql.h"

#include "transfer/TableTransfer.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>

using namespace tallowmere;
using namespace tallowmere::testing;

namespace {

constexpr int kTablesEachWay = 50;
const int kRowCounts[] = {0, 1, 2, 7, 60, 150, 240, 400};

// A source column type, whether the target makes it NUMERIC, and how a
// value is written from a seed.
struct ColumnKind {
    const char* type;
    bool numericOnTarget;
    std::string (*literal)(int seed);
    bool longBinary = false;
};

std::string texts(int seed) {
    static const std::string kinds[] = {
        "plain",
        "O'Brien said \"hi\"",
        "C:\\dir\\file \\' end\\",
        "line one\nline two\r\n\ttabbed",
        "\xd0\x9c\xd0\xbe\xd1\x81\xd0\xba\xd0\xb2\xd0\xb0 \xe6\x9d\xb1\xe4\xba\xac "
        "\xf0\x9f\x98\x80",
        "semi; -- /* {fn x} ?",
        " ",
    };
    std::string text = kinds[seed % 7] + " #" + std::to_string(seed);
    // Now and then a long one, within what Oracle's VARCHAR(2000) holds.
    if (seed % 23 == 0)
        text += std::string(1900, static_cast<char>('a' + seed % 26));
    return literal(text);
}

std::string integers(int seed) {
    return std::to_string((seed * 7919L) % 2000003 - 1000001);
}
std::string bigIntegers(int seed) {
    return std::to_string(seed * 1234567890123LL - 500000000000000000LL);
}
std::string smallIntegers(int seed) {
    return std::to_string(seed % 65536 - 32768);
}
std::string decimals(int seed) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%03d", seed % 1000000 - 500000, seed * 37 % 1000);
    return text;
}
std::string doubles(int seed) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", seed / 64.0 - 100);
    return text;
}
std::string dates(int seed) {
    char text[32];
    std::snprintf(text, sizeof text, "'20%02d-%02d-%02d'", seed % 100, seed % 12 + 1,
                  seed % 28 + 1);
    return text;
}
std::string timestamps(int seed) {
    char text[40];
    std::snprintf(text, sizeof text, "'2024-%02d-%02d %02d:%02d:%02d'", seed % 12 + 1,
                  seed % 28 + 1, seed % 24, seed % 60, seed * 7 % 60);
    return text;
}
std::string bits(int seed) {
    return seed % 2 ? "1" : "0";
}
std::string booleans(int seed) {
    return seed % 3 ? "true" : "false";
}
// Up to 39 bytes after a leading AB, or none.
std::string bytes(int seed) {
    std::string raw = seed % 40 ? "\xab" : "";
    for (int i = 0; i < seed % 40; ++i)
        raw += static_cast<char>((seed * 31 + i * 7) % 256);
    return raw;
}
std::string sqliteBlobs(int seed) {
    return "x'" + hexOf(bytes(seed), false) + "'";
}
std::string postgresBytea(int seed) {
    return "'\\x" + hexOf(bytes(seed), false) + "'";
}

// SQLite's driver reports only the integer kinds as numbers the mapping
// makes NUMERIC; DECIMAL arrives as text, REAL as a double.
const std::vector<ColumnKind> kSqliteKinds{
    {"INTEGER", true, integers},
    {"TEXT", false, texts},
    {"DECIMAL(12,3)", false, decimals},
    {"BIGINT", true, bigIntegers},
    {"REAL", false, doubles},
    {"VARCHAR(40)", false, texts},
    {"DATE", false, dates},
    {"TIMESTAMP", false, timestamps},
    {"BIT", false, bits},
    {"BLOB", false, sqliteBlobs},
    {"SMALLINT", true, smallIntegers},
};
const std::vector<ColumnKind> kPostgresKinds{
    {"integer", true, integers},
    {"text", false, texts},
    {"numeric(12,3)", true, decimals},
    {"bigint", true, bigIntegers},
    {"double precision", false, doubles},
    {"varchar(2100)", false, texts},
    {"date", false, dates},
    {"timestamp", false, timestamps},
    {"boolean", false, booleans},
    {"bytea", false, postgresBytea, true},
    {"smallint", true, smallIntegers},
};

struct TableShape {
    std::string name;
    int index;
    std::vector<const ColumnKind*> columns;
    int rows;
};

TableShape shapeOf(const std::vector<ColumnKind>& kinds, const std::string& prefix, int index) {
    TableShape shape;
    char name[16];
    std::snprintf(name, sizeof name, "%s%02d", prefix.c_str(), index);
    shape.name = name;
    shape.index = index;
    const size_t columns = 1 + static_cast<size_t>(index * 7) % 9;
    for (size_t c = 0; c < columns; ++c)
        shape.columns.push_back(&kinds[(static_cast<size_t>(index) + c * 3) % kinds.size()]);
    shape.rows = kRowCounts[index % 8];
    return shape;
}

// Creates the table and fills it with one statement.
void create(const TableShape& shape, const std::function<void(const std::string&)>& exec) {
    std::string sql = "CREATE TABLE " + shape.name + "(";
    for (size_t c = 0; c < shape.columns.size(); ++c)
        sql += (c ? ", c" : "c") + std::to_string(c) + " " + shape.columns[c]->type;
    exec(sql + ")");
    if (shape.rows == 0)
        return;
    sql = "INSERT INTO " + shape.name + " VALUES";
    for (int row = 0; row < shape.rows; ++row) {
        sql += row ? ",(" : "(";
        for (size_t c = 0; c < shape.columns.size(); ++c) {
            const int seed = row * 131 + static_cast<int>(c) * 17 + shape.index;
            sql += c ? ", " : "";
            sql += seed % 11 == 0 ? "NULL" : shape.columns[c]->literal(seed);
        }
        sql += ")";
    }
    exec(sql);
}

// One value in the form both sides share: null and empty text are alike
// (both are sent as NULL); toward SQL Anywhere the target keeps backslashes
// doubled and long binaries as the escapes of their bytes; a NUMERIC target
// drops trailing zeros of a fraction.
std::string canonical(const FieldValue& value, const ColumnKind* kind, bool sourceToSqlAnywhere) {
    if (!value || value->empty())
        return "<null>";
    std::string text;
    if (sourceToSqlAnywhere && kind && kind->longBinary)
        text = byteEscapes(*value);
    else
        for (char c : *value)
            text += c == '\\' && sourceToSqlAnywhere ? std::string("\\\\") : std::string(1, c);
    if (kind && kind->numericOnTarget && text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return std::to_string(text.size()) + ":" + text;
}

// The table's rows in canonical form, sorted.
Names canonicalRows(const TableShape& shape, const Rows& rows, bool sourceToSqlAnywhere) {
    Names lines;
    for (const auto& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c)
            line += canonical(row[c], c < shape.columns.size() ? shape.columns[c] : nullptr,
                              sourceToSqlAnywhere) +
                    "|";
        lines.push_back(line);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

std::string checksum(const Names& lines) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const std::string& line : lines)
        hash.addData(QByteArrayView(line.data(), static_cast<qsizetype>(line.size() + 1)));
    return hash.result().toHex().toStdString();
}

// The first line where two tables' canonical forms differ, for the log.
std::string firstDifference(const Names& target, const Names& source) {
    const auto [inTarget, inSource] =
        std::mismatch(target.begin(), target.end(), source.begin(), source.end());
    const auto shown = [](const Names& lines, Names::const_iterator at) {
        return at == lines.end() ? std::string("none") : at->substr(0, 200);
    };
    return "target: " + shown(target, inTarget) + "\nsource: " + shown(source, inSource);
}

// The same SQLite file through a data source that does not wait for the
// disk after every row: the copy sends one statement a row, each its own
// transaction, and a synced commit each time would make this test crawl.
std::string unsyncedDataSource(const SqliteDatabase& database) {
    const char* name = "TallowmereSqlAnywhereUnsynced";
    std::ofstream odbcIni(privateFolder() + "/odbc.ini", std::ios::app);
    odbcIni << "\n[" << name << "]\nDriver=SQLite3\nDatabase=" << database.path()
            << "\nSyncPragma=OFF\n";
    return name;
}

} // namespace

TEST(Load, FiftyTablesOfMixedShapesEachWayArriveWithEveryRow) {
    TALLOWMERE_REQUIRE_POSTGRES();
    SqliteDatabase sqlAnywhere;
    OracleAccount oracle;
    ConnectionSettings settings = workingSettings(oracle);
    settings.dataSourceName = unsyncedDataSource(sqlAnywhere);
    Harness harness(settings);
    // One connection a side for the set-up and the checks.
    OdbcConnection sqliteSide, postgresSide;
    sqliteSide.open(SqlAnywhereConnectionString(settings));
    postgresSide.open(OracleConnectionString(settings));
    std::vector<TableShape> toOracle, toSqlAnywhere;
    for (int i = 0; i < kTablesEachWay; ++i) {
        toOracle.push_back(shapeOf(kSqliteKinds, "s", i));
        create(toOracle.back(), [&](const std::string& sql) { sqliteSide.execute(sql); });
        toSqlAnywhere.push_back(shapeOf(kPostgresKinds, "o", i));
        create(toSqlAnywhere.back(), [&](const std::string& sql) { postgresSide.execute(sql); });
    }
    harness.loadLists();
    Names sent[2];
    for (int i = 0; i < kTablesEachWay; ++i) {
        sent[0].push_back(toOracle[size_t(i)].name);
        sent[1].push_back(toSqlAnywhere[size_t(i)].name);
    }
    selectOnly(harness.sqlAnywhereList, sent[0]);
    selectOnly(harness.oracleList, sent[1]);

    harness.run(SendTablesToOracle);
    harness.run(SendTablesToSqlAnywhere);

    EXPECT_TRUE(harness.prompts.shown.empty()) << harness.prompts.shown.front();
    EXPECT_EQ(harness.oracleList.count(), 2 * kTablesEachWay);
    EXPECT_EQ(harness.sqlAnywhereList.count(), 2 * kTablesEachWay);
    long rowsCopied = 0;
    for (const bool sourceToSqlAnywhere : {false, true}) {
        for (const TableShape& shape : sourceToSqlAnywhere ? toSqlAnywhere : toOracle) {
            SCOPED_TRACE(shape.name);
            const std::string select = "SELECT * FROM " + shape.name;
            const Rows source =
                readAll(*(sourceToSqlAnywhere ? postgresSide : sqliteSide).openRecordset(select));
            const Rows target =
                readAll(*(sourceToSqlAnywhere ? sqliteSide : postgresSide).openRecordset(select));
            ASSERT_EQ(source.size(), size_t(shape.rows));
            EXPECT_EQ(target.size(), source.size());
            const Names targetLines = canonicalRows(shape, target, false);
            const Names sourceLines = canonicalRows(shape, source, sourceToSqlAnywhere);
            EXPECT_EQ(checksum(targetLines), checksum(sourceLines))
                << firstDifference(targetLines, sourceLines);
            rowsCopied += long(target.size());
        }
    }
    ::testing::Test::RecordProperty("rowsCopied", std::to_string(rowsCopied));
    std::printf("%d tables each way, %ld rows copied in all\n", kTablesEachWay, rowsCopied);
}
