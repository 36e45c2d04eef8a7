// The fuzzer is only as good as its checks: each must accept a statement or
// connection string written the intended way and refuse the ways it can go
// wrong. Everything here is written by hand; no builder is called.
#include "ConnectionStringChecks.h"
#include "FuzzInput.h"
#include "SqlReader.h"
#include "StatementChecks.h"

#include <gtest/gtest.h>

namespace tallowmere::fuzz {
namespace {

using namespace std::string_literals;

TEST(SqlReader, DecodesDoubledQuotesInIdentifiersAndLiterals) {
    const auto tokens = readStatement(R"(X "a""b" 'it''s' 42;)", Side::Oracle);
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(tokens[0].kind, TokenKind::Word);
    EXPECT_EQ(tokens[1].kind, TokenKind::Identifier);
    EXPECT_EQ(tokens[1].text, "a\"b");
    EXPECT_EQ(tokens[2].kind, TokenKind::Literal);
    EXPECT_EQ(tokens[2].text, "it's");
    EXPECT_EQ(tokens[3].kind, TokenKind::Number);
    EXPECT_EQ(tokens[4].text, ";");
}

TEST(SqlReader, BackslashesEscapeOnlyInSqlAnywhereLiterals) {
    const auto sqlAnywhere = readStatement(R"('a\\b' "c\d")", Side::SqlAnywhere);
    ASSERT_EQ(sqlAnywhere.size(), 2u);
    EXPECT_EQ(sqlAnywhere[0].text, "a\\b");
    EXPECT_EQ(sqlAnywhere[1].text, "c\\d");
    const auto oracle = readStatement(R"('a\\b')", Side::Oracle);
    ASSERT_EQ(oracle.size(), 1u);
    EXPECT_EQ(oracle[0].text, "a\\\\b");
    // A single backslash would escape the next character: here the closing
    // quote, so the literal never ends.
    EXPECT_EQ(readStatement(R"('a\')", Side::SqlAnywhere)[0].kind, TokenKind::Malformed);
    EXPECT_EQ(readStatement(R"('a\nb')", Side::SqlAnywhere)[0].kind, TokenKind::Malformed);
    EXPECT_EQ(readStatement(R"('a\nb')", Side::Oracle)[0].kind, TokenKind::Literal);
}

TEST(SqlReader, CommentsAndStrayCharactersStandOut) {
    for (const char* text : {"A -- x", "A /* x */", "A // x", "A /* open"}) {
        const auto tokens = readStatement(text, Side::Oracle);
        ASSERT_EQ(tokens.size(), 2u) << text;
        EXPECT_EQ(tokens[1].kind, TokenKind::Comment) << text;
    }
    EXPECT_EQ(readStatement("\"open", Side::Oracle)[0].kind, TokenKind::Malformed);
    EXPECT_EQ(readStatement("'open", Side::Oracle)[0].kind, TokenKind::Malformed);
    EXPECT_EQ(readStatement("=", Side::Oracle)[0].kind, TokenKind::Malformed);
    // Inside quotes the same characters are only text.
    const auto quoted = readStatement("\"--;\" '/*;'", Side::Oracle);
    ASSERT_EQ(quoted.size(), 2u);
    EXPECT_EQ(quoted[0].text, "--;");
    EXPECT_EQ(quoted[1].text, "/*;");
}

TEST(StatementChecks, DropTableAndRename) {
    EXPECT_EQ(checkDropTable(R"(DROP TABLE "a""b")", "a\"b"), "");
    EXPECT_NE(checkDropTable(R"(DROP TABLE "a"b")", "a\"b"), "");
    EXPECT_NE(checkDropTable(R"(DROP TABLE "ab")", "a\"b"), "");
    EXPECT_NE(checkDropTable(R"(DROP TABLE "a";)", "a"), "");
    EXPECT_NE(checkDropTable(R"(DROP TABLE "a" -- x)", "a"), "");

    EXPECT_EQ(checkRename(R"(RENAME "T1" TO "T2")", Side::Oracle, "T1", "T2"), "");
    EXPECT_NE(checkRename(R"(RENAME "T1" TO "T2";)", Side::Oracle, "T1", "T2"), "");
    EXPECT_EQ(checkRename(R"(ALTER TABLE "T1" RENAME "T2";)", Side::SqlAnywhere, "T1", "T2"), "");
    EXPECT_NE(checkRename(R"(ALTER TABLE "T1" RENAME "T2")", Side::SqlAnywhere, "T1", "T2"), "");
    EXPECT_NE(checkRename(R"(ALTER TABLE "T1" RENAME "T2";;)", Side::SqlAnywhere, "T1", "T2"), "");
    // A name that ends its identifier early and smuggles in a statement.
    EXPECT_NE(checkRename(R"(ALTER TABLE "x"; DROP TABLE "y" RENAME "T2";)", Side::SqlAnywhere,
                          "x\"; DROP TABLE \"y", "T2"),
              "");
}

TEST(StatementChecks, CreateTableClausesAndEndings) {
    const std::vector<FieldInfo> fields{{"ID", 3}, {"NAME", 200}, {"PIC", 205}};
    EXPECT_EQ(checkCreateTable(R"(CREATE TABLE "T"("ID" NUMERIC,"NAME" TEXT,"PIC" OLEOBJECT);)",
                               Side::SqlAnywhere, "T", fields),
              "");
    EXPECT_EQ(checkCreateTable(R"(CREATE TABLE "T"("ID" NUMERIC,"NAME" VARCHAR(2000),"PIC" BLOB))",
                               Side::Oracle, "T", fields),
              "");
    EXPECT_NE(checkCreateTable(R"(CREATE TABLE "T"("ID" NUMERIC,"NAME" TEXT,"PIC" OLEOBJECT))",
                               Side::SqlAnywhere, "T", fields),
              "");
    EXPECT_NE(checkCreateTable(R"(CREATE TABLE "T"("ID" NUMERIC,"NAME" VARCHAR(2000),"PIC" BLOB);)",
                               Side::Oracle, "T", fields),
              "");
    EXPECT_NE(checkCreateTable(R"(CREATE TABLE "T"("ID" TEXT,"NAME" TEXT,"PIC" OLEOBJECT);)",
                               Side::SqlAnywhere, "T", fields),
              "");
    EXPECT_NE(checkCreateTable(R"(CREATE TABLE "T"("ID" NUMERIC,"NAME" TEXT);)", Side::SqlAnywhere,
                               "T", fields),
              "");
}

TEST(StatementChecks, ColumnKindFollowsTheTypeFamilies) {
    EXPECT_EQ(expectedColumnKind(3), ColumnKind::Integer);
    EXPECT_EQ(expectedColumnKind(131), ColumnKind::Decimal);
    EXPECT_EQ(expectedColumnKind(5), ColumnKind::Text); // adDouble
    EXPECT_EQ(expectedColumnKind(205), ColumnKind::LongBinary);
    EXPECT_EQ(expectedColumnKind(65536 + 205), ColumnKind::LongBinary);
    EXPECT_EQ(expectedColumnKind(300), ColumnKind::Text);
}

TEST(StatementChecks, InsertValuesAndNulls) {
    const std::vector<FieldValue> values{"O'Brien", std::nullopt, "", "C:\\x"};
    EXPECT_EQ(checkInsert(R"(INSERT INTO "T" VALUES('O''Brien', NULL, NULL, 'C:\\x'))",
                          Side::SqlAnywhere, "T", values),
              "");
    EXPECT_EQ(checkInsert(R"(INSERT INTO "T" VALUES('O''Brien', NULL, NULL, 'C:\x'))", Side::Oracle,
                          "T", values),
              "");
    // A backslash left single towards SQL Anywhere.
    EXPECT_NE(checkInsert(R"(INSERT INTO "T" VALUES('O''Brien', NULL, NULL, 'C:\x'))",
                          Side::SqlAnywhere, "T", values),
              "");
    // A backslash doubled towards Oracle arrives doubled.
    EXPECT_NE(checkInsert(R"(INSERT INTO "T" VALUES('O''Brien', NULL, NULL, 'C:\\x'))",
                          Side::Oracle, "T", values),
              "");
    // A quote left single ends the literal.
    EXPECT_NE(checkInsert(R"(INSERT INTO "T" VALUES('O'Brien', NULL, NULL, 'C:\\x'))",
                          Side::SqlAnywhere, "T", values),
              "");
    // An empty value must be NULL, not an empty literal.
    EXPECT_NE(checkInsert(R"(INSERT INTO "T" VALUES('O''Brien', NULL, '', 'C:\\x'))",
                          Side::SqlAnywhere, "T", values),
              "");
    EXPECT_NE(
        checkInsert(R"(INSERT INTO "T" VALUES('O''Brien', NULL, NULL))", Side::Oracle, "T", values),
        "");
    EXPECT_NE(checkInsert(R"(INSERT INTO "T" VALUES('a'); DROP TABLE "T")", Side::Oracle, "T",
                          {FieldValue("a")}),
              "");
    EXPECT_EQ(checkInsert(R"(INSERT INTO "T" VALUES())", Side::Oracle, "T", {}), "");
}

TEST(StatementChecks, LongBinariesReadBackAsTheirBytesTowardsSqlAnywhere) {
    const std::vector<FieldInfo> fields{{"B", 205}, {"T", 200}};
    const auto stored = storedValues(Side::SqlAnywhere, fields, {"00FF27", "00FF27"});
    EXPECT_EQ(stored, (std::vector<FieldValue>{std::string("\0\xFF'", 3), "00FF27"}));
    EXPECT_EQ(storedValues(Side::Oracle, fields, {"00FF27", "x"})[0], "00FF27");
    EXPECT_EQ(checkInsert(R"(INSERT INTO "T" VALUES('\x00\xff\x27', '00FF27'))", Side::SqlAnywhere,
                          "T", stored),
              "");
    // Only two hexadecimal digits make an escape.
    EXPECT_NE(checkInsert(R"(INSERT INTO "T" VALUES('\x00\xF', '00FF27'))", Side::SqlAnywhere, "T",
                          {std::string("\0\x0F", 2), "00FF27"}),
              "");
}

TEST(ConnectionStrings, ParsingFollowsTheKeyValueRules) {
    const auto parsed = parseConnectionString("Driver={a;b}}c};;Server=x=y;Pwd=");
    EXPECT_EQ(parsed.problem, "");
    ASSERT_EQ(parsed.attributes.size(), 3u);
    EXPECT_EQ(parsed.attributes[0].key, "Driver");
    EXPECT_EQ(parsed.attributes[0].value, "a;b}c");
    EXPECT_TRUE(parsed.attributes[0].braced);
    EXPECT_EQ(parsed.attributes[1].key, "Server");
    EXPECT_EQ(parsed.attributes[1].value, "x=y");
    EXPECT_EQ(parsed.attributes[2].value, "");
    EXPECT_NE(parseConnectionString("A=1;junk").problem, "");
    EXPECT_NE(parseConnectionString("A={1").problem, "");
    EXPECT_NE(parseConnectionString("A={1}x").problem, "");
}

TEST(ConnectionStrings, OracleStringChecks) {
    const ConnectionSettings plain{"ORCL", "scott", "ti=ger", ""};
    const std::string good = "Driver={Microsoft ODBC for Oracle};Server=ORCL;Uid=scott;Pwd=ti=ger;";
    EXPECT_EQ(checkOracleConnectionString(good, plain, false), "");
    EXPECT_NE(checkOracleConnectionString(good, plain, false, "DBQ"), "");
    EXPECT_EQ(checkOracleConnectionString(
                  "Driver={Microsoft ODBC for Oracle};DBQ=ORCL;Uid=scott;Pwd=ti=ger;", plain, false,
                  "DBQ"),
              "");
    EXPECT_NE(
        checkOracleConnectionString(
            "Driver={Microsoft ODBC for Oracle};Server=ORCL;Uid=scott;Pwd=tiger;", plain, false),
        "");
    EXPECT_NE(checkOracleConnectionString(good + "X=1;", plain, false), "");

    const ConnectionSettings injected{"ORCL", "scott", "x;Database=other", ""};
    const std::string asTyped =
        "Driver={Microsoft ODBC for Oracle};Server=ORCL;Uid=scott;Pwd=x;Database=other;";
    // Lenient: the attributes before the password still have to hold.
    EXPECT_EQ(checkOracleConnectionString(asTyped, injected, false), "");
    EXPECT_NE(checkOracleConnectionString(
                  "Driver={Microsoft ODBC for Oracle};Server=ORCL;Uid=scot;Pwd=x;Database=other;",
                  injected, false),
              "");
    EXPECT_NE(checkOracleConnectionString(asTyped, injected, true), "");
}

TEST(ConnectionStrings, SqlAnywhereStringAndRewrite) {
    EXPECT_EQ(checkSqlAnywhereConnectionString("Data Source=Sales", "DSN=Sales", "Sales", false),
              "");
    EXPECT_EQ(checkSqlAnywhereConnectionString("Data Source=", "DSN=Default", "", false), "");
    EXPECT_NE(checkSqlAnywhereConnectionString("Data Source=", "DSN=", "", false), "");
    EXPECT_NE(
        checkSqlAnywhereConnectionString("Data Source=Sales;X=1", "DSN=Sales", "Sales", false), "");
    EXPECT_EQ(checkSqlAnywhereConnectionString("Data Source=a;b=c", "DSN=a;b=c", "a;b=c", false),
              "");
    EXPECT_NE(checkSqlAnywhereConnectionString("Data Source=a;b=c", "DSN=a;b=c", "a;b=c", true),
              "");

    EXPECT_EQ(checkOdbcRewrite("Data Source=X;Database=y", "DSN=X;Database=y"), "");
    EXPECT_EQ(checkOdbcRewrite("Data Source=;Database=y", "DSN=Default;Database=y"), "");
    EXPECT_EQ(checkOdbcRewrite("Server=x;Data Source=Y", "Server=x;Data Source=Y"), "");
    EXPECT_NE(checkOdbcRewrite("Server=x;Data Source=Y", "Server=x;DSN=Y"), "");
    EXPECT_NE(checkOdbcRewrite("Data Source=X;Database=y", "DSN=X"), "");
    EXPECT_NE(checkOdbcRewrite("Data Source=X", "Data Source=X"), "");
    EXPECT_NE(checkOdbcRewrite("Data Source=", "DSN="), "");
}

TEST(FuzzInput, TextsFieldsKindsAndNulls) {
    const std::string bytes = "1EMP\\\nNEW\\\nS\\\nU\\\nP\\\nD\\\nA\\\\B\\\n"
                              "\x02"
                              "v\\\nC\\\nN\\\n"s;
    const FuzzCase input =
        decodeFuzzCase(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    EXPECT_EQ(input.target, Side::Oracle);
    EXPECT_EQ(input.table, "EMP");
    EXPECT_EQ(input.newName, "NEW");
    EXPECT_EQ(input.settings.oracleServer, "S");
    EXPECT_EQ(input.settings.dataSourceName, "D");
    ASSERT_EQ(input.fields.size(), 2u);
    EXPECT_EQ(input.fields[0].name, "A\\B");
    EXPECT_EQ(input.fields[0].adoType, 3);
    EXPECT_EQ(input.values[0], FieldValue("v"));
    EXPECT_EQ(input.fields[1].name, "C");
    EXPECT_EQ(input.values[1], std::nullopt);
}

} // namespace
} // namespace tallowmere::fuzz
