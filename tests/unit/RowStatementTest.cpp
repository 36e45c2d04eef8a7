// The INSERT statement that copies one row.
#include "Fakes.h"

#include "data_access/SqlTexts.h"
#include "transfer/RowStatement.h"

#include <gtest/gtest.h>

namespace tallowmere {
namespace {

using fakes::CannedTable;

std::string statementFor(Side target, const std::string& table, std::vector<FieldValue> values,
                         int* yields = nullptr) {
    CannedTable canned;
    for (size_t i = 0; i < values.size(); ++i)
        canned.fields.push_back({std::string("F").append(std::to_string(i)), 200});
    canned.rows.push_back(std::move(values));
    auto row = fakes::makeRecordset(canned);
    fakes::CountingEventPump events;
    std::string statement = RowStatement(target, table, *row, events);
    if (yields)
        *yields = events.yields;
    return statement;
}

struct RowCase {
    std::string table;
    std::vector<FieldValue> values;
    std::string toSqlAnywhere;
    std::string toOracle;
};

TEST(RowStatement, ValuesAreQuotedStringsAndNullOrEmptyIsNull) {
    const auto null = std::nullopt;
    const RowCase cases[] = {
        {"EMP",
         {"12", "SMITH", null, "800"},
         "INSERT INTO \"EMP\" VALUES('12', 'SMITH', NULL, '800')",
         "INSERT INTO \"EMP\" VALUES('12', 'SMITH', NULL, '800')"},
        {"T",
         {null, "x"},
         "INSERT INTO \"T\" VALUES(NULL, 'x')",
         "INSERT INTO \"T\" VALUES(NULL, 'x')"},
        {"T",
         {"x", null},
         "INSERT INTO \"T\" VALUES('x', NULL)",
         "INSERT INTO \"T\" VALUES('x', NULL)"},
        {"T",
         {"", std::string("")},
         "INSERT INTO \"T\" VALUES(NULL, NULL)",
         "INSERT INTO \"T\" VALUES(NULL, NULL)"},
        {"T", {"a"}, "INSERT INTO \"T\" VALUES('a')", "INSERT INTO \"T\" VALUES('a')"},
        {"T", {null}, "INSERT INTO \"T\" VALUES(NULL)", "INSERT INTO \"T\" VALUES(NULL)"},
        {"People",
         {"O'Brien", "''"},
         "INSERT INTO \"People\" VALUES('O''Brien', '''''')",
         "INSERT INTO \"People\" VALUES('O''Brien', '''''')"},
        {"Files",
         {"C:\\new\\x", "\\'"},
         "INSERT INTO \"Files\" VALUES('C:\\\\new\\\\x', '\\\\''')",
         "INSERT INTO \"Files\" VALUES('C:\\new\\x', '\\''')"},
        {"a\"b",
         {" ", "line1\nline2", "Ωμέγα 名前 😀"},
         "INSERT INTO \"a\"\"b\" VALUES(' ', 'line1\nline2', 'Ωμέγα 名前 😀')",
         "INSERT INTO \"a\"\"b\" VALUES(' ', 'line1\nline2', 'Ωμέγα 名前 😀')"},
        {"T",
         {"1.5", "2024-01-31 12:00:00", "\"q\""},
         "INSERT INTO \"T\" VALUES('1.5', '2024-01-31 12:00:00', '\"q\"')",
         "INSERT INTO \"T\" VALUES('1.5', '2024-01-31 12:00:00', '\"q\"')"},
    };
    for (const RowCase& c : cases) {
        EXPECT_EQ(statementFor(Side::SqlAnywhere, c.table, c.values), c.toSqlAnywhere);
        EXPECT_EQ(statementFor(Side::Oracle, c.table, c.values), c.toOracle);
    }
}

TEST(RowStatement, YieldsOncePerValue) {
    int yields = 0;
    statementFor(Side::Oracle, "T", {"a", std::nullopt, "", "b"}, &yields);
    EXPECT_EQ(yields, 4);
}

TEST(RowStatement, LiteralDoublesQuotesEverywhereAndBackslashesOnlyForSqlAnywhere) {
    std::string sqlAnywhere, oracle;
    appendLiteral(sqlAnywhere, "a'\\b", Side::SqlAnywhere);
    appendLiteral(oracle, "a'\\b", Side::Oracle);
    EXPECT_EQ(sqlAnywhere, "'a''\\\\b'");
    EXPECT_EQ(oracle, "'a''\\b'");
}

TEST(RowStatement, LiteralDoublesEveryQuoteAndBackslashWhereverTheyStandAndHowEverMany) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"'", "''''"},
        {"\\", "'\\\\'"},
        {"''\\\\''", "'''''\\\\\\\\'''''"},
        {"\\'x'\\", "'\\\\''x''\\\\'"},
        {std::string(3000, '\\') + "'", "'" + std::string(6000, '\\') + "'''"},
    };
    for (const auto& [value, expected] : cases) {
        std::string sqlAnywhere;
        appendLiteral(sqlAnywhere, value, Side::SqlAnywhere);
        EXPECT_EQ(sqlAnywhere, expected) << value;
    }
    std::string oracle;
    appendLiteral(oracle, "\\'x'\\", Side::Oracle);
    EXPECT_EQ(oracle, "'\\''x''\\'");
}

TEST(RowStatement, LongBinariesGoAsByteEscapesOnlyTowardsSqlAnywhere) {
    // Binary values arrive from the reader as upper-case hexadecimal digits.
    // The code counts narrowed to 16 bits, as for the column clause.
    const CannedTable table{{{"L", 65536 + 205}, {"S", 128}, {"V", 204}, {"T", 200}},
                            {{"00FF41", "00FF41", "5C", "\\x41"},
                             {"", std::nullopt, "", ""},
                             {"0'\\", std::nullopt, "", ""}}};
    auto rows = fakes::makeRecordset(table);
    fakes::CountingEventPump events;
    RowStatementBuilder toSqlAnywhere(Side::SqlAnywhere, "B");
    RowStatementBuilder toOracle(Side::Oracle, "B");
    EXPECT_EQ(toSqlAnywhere.build(*rows, events),
              "INSERT INTO \"B\" VALUES('\\x00\\xFF\\x41', '00FF41', '5C', '\\\\x41')");
    EXPECT_EQ(toOracle.build(*rows, events),
              "INSERT INTO \"B\" VALUES('00FF41', '00FF41', '5C', '\\x41')");
    rows->moveNext();
    EXPECT_EQ(toSqlAnywhere.build(*rows, events),
              "INSERT INTO \"B\" VALUES(NULL, NULL, NULL, NULL)");
    // Anything but pairs of digits can be no escape and stays a safe literal.
    rows->moveNext();
    EXPECT_EQ(toSqlAnywhere.build(*rows, events),
              "INSERT INTO \"B\" VALUES('0''\\\\', NULL, NULL, NULL)");
}

TEST(RowStatement, TheBoundInsertNamesTheTableAsTheRowsInsertDoes) {
    const std::string row = statementFor(Side::Oracle, "a\"b", {"1", "2"});
    const std::string bound = BoundInsertText("a\"b", 2);
    EXPECT_EQ(bound, "INSERT INTO \"a\"\"b\" VALUES(?, ?)");
    EXPECT_EQ(row.substr(0, row.find('(')), bound.substr(0, bound.find('(')));
}

} // namespace
} // namespace tallowmere
