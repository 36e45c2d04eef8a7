// Type names, column clauses and the table definition statement.
#include "transfer/Datatype.h"

#include <gtest/gtest.h>

namespace tallowmere {
namespace {

struct TypeRow {
    int code;
    const char* name;
    const char* toOracle;
    const char* toSqlAnywhere;
};

void PrintTo(const TypeRow& row, std::ostream* out) {
    *out << row.code;
}

constexpr const char* kVarchar = " VARCHAR(2000),";
constexpr const char* kText = " TEXT,";
constexpr const char* kNumeric = " NUMERIC,";
constexpr const char* kNumber = " NUMBER,";

const TypeRow kTypes[] = {
    {0, "adEmpty", kVarchar, kText},
    {2, "adSmallInt", kNumeric, kNumeric},
    {3, "adInteger", kNumeric, kNumeric},
    {4, "adSingle", kVarchar, kText},
    {5, "adDouble", kVarchar, kText},
    {6, "adCurrency", kVarchar, kText},
    {7, "adDate", kVarchar, kText},
    {8, "adBSTR", kVarchar, kText},
    {9, "adIDispatch", kVarchar, kText},
    {10, "adError", kVarchar, kText},
    {11, "adBoolean", kVarchar, kText},
    {12, "adVariant", kVarchar, kText},
    {13, "adIUnknown", kVarchar, kText},
    {14, "adDecimal", kNumber, kNumeric},
    {16, "adTinyInt", kNumeric, kNumeric},
    {17, "adUnsignedTinyInt", kNumeric, kNumeric},
    {18, "adUnsignedSmallInt", kNumeric, kNumeric},
    {19, "adUnsignedInt", kNumeric, kNumeric},
    {20, "adBigInt", kNumeric, kNumeric},
    {21, "adUnsignedBigInt", kNumeric, kNumeric},
    {64, "adFileTime", kVarchar, kText},
    {72, "adGUID", kVarchar, kText},
    {128, "adBinary", kVarchar, kText},
    {129, "adChar", kVarchar, kText},
    {130, "adWChar", kVarchar, kText},
    {131, "adNumeric", kNumber, kNumeric},
    {132, "adUserDefined", kVarchar, kText},
    {133, "adDBDate", kVarchar, kText},
    {134, "adDBTime", kVarchar, kText},
    {135, "adDBTimeStamp", kVarchar, kText},
    {136, "adChapter", kVarchar, kText},
    {138, "adPropVariant", kVarchar, kText},
    {139, "adVarNumeric", kNumber, kNumeric},
    {200, "adVarChar", kVarchar, kText},
    {201, "adLongVarChar", kVarchar, kText},
    {202, "adVarWChar", kVarchar, kText},
    {203, "adLongVarWChar", kVarchar, kText},
    {204, "adVarBinary", kVarchar, kText},
    {205, "adLongVarBinary", " BLOB,", " OLEOBJECT,"},
};

class TypeMapping : public ::testing::TestWithParam<TypeRow> {};

TEST_P(TypeMapping, NameAndBothClauses) {
    const TypeRow& row = GetParam();
    const std::string name = DataTypeName(static_cast<int16_t>(row.code));
    EXPECT_EQ(name, row.name);
    EXPECT_EQ(ColumnClauseForOracle(name), row.toOracle);
    EXPECT_EQ(ColumnClauseForSqlAnywhere(name), row.toSqlAnywhere);
    EXPECT_EQ(ColumnClause(Side::Oracle, {"C", row.code}), row.toOracle);
    EXPECT_EQ(ColumnClause(Side::SqlAnywhere, {"C", row.code}), row.toSqlAnywhere);
    // The statement applies the same mapping to a field of that type.
    std::string clause = row.toSqlAnywhere;
    clause.pop_back();
    EXPECT_EQ(CreateTableStatement(Side::SqlAnywhere, "T", {{"C", row.code}}),
              "CREATE TABLE \"T\"(\"C\"" + clause + ");");
}

INSTANTIATE_TEST_SUITE_P(AllCodes, TypeMapping, ::testing::ValuesIn(kTypes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TypeMapping, TheTableHoldsExactly39Codes) {
    int named = 0;
    for (int code = -32768; code <= 32767; ++code)
        named += DataTypeName(static_cast<int16_t>(code)).empty() ? 0 : 1;
    EXPECT_EQ(named, 39);
}

TEST(TypeMapping, UnknownCodesAndFlagBitsGiveNoNameAndTheTextClause) {
    // 300 is no type; 0x2000 (array), 0x4000 (by reference) and 0x1000
    // (vector) on top of a base type are no longer the base type.
    for (int code : {300, 1, 15, 0x2000 | 200, 0x4000 | 3, 0x1000 | 131, -1}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(DataTypeName(static_cast<int16_t>(code)), "");
        EXPECT_EQ(CreateTableStatement(Side::Oracle, "T", {{"A", code}}),
                  "CREATE TABLE \"T\"(\"A\" VARCHAR(2000))");
        EXPECT_EQ(CreateTableStatement(Side::SqlAnywhere, "T", {{"A", code}}),
                  "CREATE TABLE \"T\"(\"A\" TEXT);");
    }
    EXPECT_EQ(ColumnClauseForOracle(""), kVarchar);
    EXPECT_EQ(ColumnClauseForSqlAnywhere(""), kText);
}

TEST(TypeMapping, DecimalsHoldTheReportedSizeAndEveryValueRead) {
    struct Case {
        FieldInfo field; // code, reported precision and scale, widest values read
        const char* toSqlAnywhere;
        const char* toOracle;
    };
    const Case cases[] = {
        // Reported and usable, no values: the report as it is.
        {{"A", 131, 12, 4}, " NUMERIC(12,4),", kNumber},
        {{"A", 14, 20, 10}, " NUMERIC(20,10),", kNumber},
        {{"A", 139, 127, 127}, " NUMERIC(127,127),", kNumber},
        {{"A", 131, 1, 0}, " NUMERIC(1,0),", kNumber},
        // Nothing usable reported (0 or out of range), no values: the bare NUMERIC.
        {{"A", 131, 0, 0}, kNumeric, kNumber},
        {{"A", 131, 128, 2}, kNumeric, kNumber},
        {{"A", 131, 10, 11}, kNumeric, kNumber},
        {{"A", 131, 10, -1}, kNumeric, kNumber},
        {{"A", 14, -4, 0}, kNumeric, kNumber},
        {{"A", 131, 4294967298, 2}, kNumeric, kNumber},
        // Reported, widened to the values: 3.25 under (38,0); the PostgreSQL
        // stand-in's (28,9) for 35 digits and 9 decimals; a fraction past the scale.
        {{"A", 131, 38, 0, {1, 2, 3}}, " NUMERIC(38,2),", kNumber},
        {{"A", 131, 28, 9, {35, 9, 44}}, " NUMERIC(44,9),", kVarchar},
        {{"A", 131, 10, 2, {9, 4, 13}}, " NUMERIC(13,4),", kNumber},
        {{"A", 131, 12, 4, {2, 2, 4}}, " NUMERIC(12,4),", kNumber},
        // Nothing usable reported: the values alone; bare only when they fit (30,6).
        {{"A", 131, 0, -127, {0, 7, 7}}, " NUMERIC(7,7),", kNumber},
        {{"A", 131, 0, 0, {0, 7, 1}}, " NUMERIC(7,7),", kNumber},
        {{"A", 131, 0, 0, {24, 6, 30}}, kNumeric, kNumber},
        {{"A", 131, 0, 0, {25, 0, 25}}, " NUMERIC(25,0),", kNumber},
        {{"A", 131, 128, 2, {3, 2, 5}}, kNumeric, kNumber},
        // SQL Anywhere's 127 digits, Oracle's 38 significant ones.
        {{"A", 131, 0, 0, {120, 7, 38}}, " NUMERIC(127,7),", kNumber},
        {{"A", 131, 0, 0, {121, 7, 39}}, kText, kVarchar},
        {{"A", 131, 127, 0, {1, 1, 2}}, " NUMERIC(127,1),", kNumber},
        {{"A", 131, 128, 2, {126, 2, 1}}, kText, kNumber},
        // The integer family and everything else keep their clauses.
        {{"A", 3, 10, 0, {200, 0, 200}}, kNumeric, kNumeric},
        {{"A", 20, 19, 0}, kNumeric, kNumeric},
        {{"A", 200, 10, 2, {1, 2, 3}}, kText, kVarchar},
        {{"A", 205, 10, 2}, " OLEOBJECT,", " BLOB,"},
    };
    for (const Case& c : cases) {
        const DecimalDigits& read = c.field.widest;
        SCOPED_TRACE(std::to_string(c.field.adoType) + " " + std::to_string(c.field.precision) +
                     "," + std::to_string(c.field.scale) + " read " + std::to_string(read.integer) +
                     "." + std::to_string(read.fraction) + "/" + std::to_string(read.significant));
        EXPECT_EQ(ColumnClause(Side::SqlAnywhere, c.field), c.toSqlAnywhere);
        EXPECT_EQ(ColumnClause(Side::Oracle, c.field), c.toOracle);
    }
    EXPECT_EQ(CreateTableStatement(Side::SqlAnywhere, "T", {{"P", 131, 12, 4}, {"N", 3, 10, 0}}),
              "CREATE TABLE \"T\"(\"P\" NUMERIC(12,4),\"N\" NUMERIC);");
}

TEST(TypeMapping, CodesAreNarrowedTo16BitsBeforeTheLookup) {
    EXPECT_EQ(CreateTableStatement(Side::Oracle, "T", {{"A", 65536 + 3}, {"B", 65536 + 205}}),
              "CREATE TABLE \"T\"(\"A\" NUMERIC,\"B\" BLOB)");
}

struct StatementCase {
    Side target;
    std::string table;
    std::vector<FieldInfo> fields;
    std::string expected;
};

TEST(CreateTableStatement, Examples) {
    const StatementCase cases[] = {
        {Side::Oracle,
         "T",
         {{"ID", 3}, {"NAME", 200}},
         "CREATE TABLE \"T\"(\"ID\" NUMERIC,\"NAME\" VARCHAR(2000))"},
        {Side::SqlAnywhere,
         "T",
         {{"ID", 3}, {"NAME", 200}},
         "CREATE TABLE \"T\"(\"ID\" NUMERIC,\"NAME\" TEXT);"},
        {Side::SqlAnywhere, "T", {{"A", 200}}, "CREATE TABLE \"T\"(\"A\" TEXT);"},
        {Side::Oracle, "T", {{"A", 205}}, "CREATE TABLE \"T\"(\"A\" BLOB)"},
        {Side::Oracle,
         "Staff List",
         {{"Hire Date", 135}, {"pay", 5}, {"Pic", 205}},
         "CREATE TABLE \"Staff List\"(\"Hire Date\" VARCHAR(2000),\"pay\" VARCHAR(2000),"
         "\"Pic\" BLOB)"},
        {Side::SqlAnywhere,
         "a\"b",
         {{"x\"\"y", 14}, {"\"", 11}},
         "CREATE TABLE \"a\"\"b\"(\"x\"\"\"\"y\" NUMERIC,\"\"\"\" TEXT);"},
        {Side::SqlAnywhere, "Ωμέγα", {{"名前", 202}}, "CREATE TABLE \"Ωμέγα\"(\"名前\" TEXT);"},
    };
    for (const StatementCase& c : cases)
        EXPECT_EQ(CreateTableStatement(c.target, c.table, c.fields), c.expected);
}

TEST(QuoteIdentifier, DoublesEveryEmbeddedDoubleQuote) {
    const std::pair<std::string, std::string> cases[] = {
        {"EMP", "\"EMP\""},
        {"", "\"\""},
        {"a b", "\"a b\""},
        {"\"", "\"\"\"\""},
        {"a\"b\"c", "\"a\"\"b\"\"c\""},
        {"O'Brien", "\"O'Brien\""},
        {"\"\"", "\"\"\"\"\"\""},
    };
    for (const auto& [name, quoted] : cases)
        EXPECT_EQ(QuoteIdentifier(name), quoted);
}

} // namespace
} // namespace tallowmere
