// Awkward table names, column names and values on the real databases: copied
// both ways, dropped and renamed, and read back with each database's own
// queries. A canary table on each side shows that no name or value ever runs
// a second statement.
#include "TestSql.h"

#include "data_access/Oracle.h"
#include "data_access/Sybase.h"
#include "maintenance/TableDeletion.h"
#include "maintenance/TableRenaming.h"
#include "transfer/TableTransfer.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tallowmere;
using namespace tallowmere::testing;

namespace {

const std::string kInjection = "x\"; DROP TABLE canary; --";
const std::string kNonLatin = "\xd0\x9c\xd0\xbe\xd1\x81\xd0\xba\xd0\xb2\xd0\xb0 "
                              "\xe6\x9d\xb1\xe4\xba\xac \xf0\x9f\x98\x80";

std::string repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

const Names kBadNames{
    "double\"quote",
    kInjection,
    "single'quote",
    "x'); DROP TABLE canary; --",
    "semi;colon",
    " spaced  name ",
    "back\\slash\\",
    std::string(128, 'n'),
    repeated("\xd0\xb6", 128), // 128 Cyrillic letters, 256 bytes
    kNonLatin,
    "what? {fn now()} :p $1 /*",
};
// The second column of every table with an awkward name.
const std::string kColumn = "c\"); DROP TABLE canary; --";

// PostgreSQL keeps the longest run of whole characters within 63 bytes of an
// identifier and drops the rest without an error.
std::string storedByPostgres(const std::string& name) {
    if (name.size() <= 63)
        return name;
    size_t end = 63;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80)
        --end;
    return name.substr(0, end);
}

Names storedByPostgres(const Names& names) {
    Names stored;
    for (const std::string& name : names)
        stored.push_back(storedByPostgres(name));
    return stored;
}

// Toward SQL Anywhere a backslash is doubled in the literal; SQLite keeps both.
std::string doubledBackslashes(const std::string& text) {
    std::string doubled;
    for (char c : text)
        doubled += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return doubled;
}

Names plus(Names names, const std::string& extra) {
    names.push_back(extra);
    return names;
}

class BadInput : public BothDatabases {
protected:
    void SetUp() override {
        BothDatabases::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        sqlAnywhere.exec("CREATE TABLE canary(n INTEGER)");
        sqlAnywhere.exec("INSERT INTO canary VALUES(1)");
        oracle->exec("CREATE TABLE canary(n INTEGER)");
        oracle->exec("INSERT INTO canary VALUES(1)");
    }
    void expectCanariesAlive() const {
        EXPECT_EQ(sqlAnywhere.query("SELECT n FROM canary"), (Rows{{"1"}}));
        EXPECT_EQ(oracle->query("SELECT n FROM canary"), (Rows{{"1"}}));
    }
    // The one message an operation showed must be the database's error.
    void expectOneError(const std::string& fragment) const {
        ASSERT_EQ(harness->prompts.shown.size(), 1u);
        const std::string& shown = harness->prompts.shown[0].text;
        EXPECT_EQ(shown.rfind("Error ", 0), 0u) << shown;
        EXPECT_NE(shown.find(fragment), std::string::npos) << shown;
        EXPECT_EQ(harness->pointer.pointer(), PointerSetting::Default);
    }
};

} // namespace

TEST_F(BadInput, AwkwardNamesTravelBothWaysAreDroppedAndNeverRunASecondStatement) {
    for (const std::string& name : kBadNames) {
        sqlAnywhere.exec("CREATE TABLE " + quoted(name) + "(" + quoted(name) + " TEXT, " +
                         quoted(kColumn) + " INTEGER)");
        sqlAnywhere.exec("INSERT INTO " + quoted(name) + " VALUES(" + literal(name) + ", 1)");
    }
    harness->loadLists();
    // The driver's catalogue gives every name back exactly.
    EXPECT_EQ(sortedNames(harness->sqlAnywhereList.texts()),
              sortedNames(plus(kBadNames, "canary")));

    selectOnly(harness->sqlAnywhereList, kBadNames);
    harness->run(SendTablesToOracle);

    EXPECT_TRUE(harness->prompts.shown.empty()) << harness->prompts.shown.front();
    // The list shows each name as sent; PostgreSQL's catalogue, and so the
    // list once reloaded, the name as PostgreSQL keeps it.
    EXPECT_EQ(sortedNames(harness->oracleList.texts()), sortedNames(plus(kBadNames, "canary")));
    const Names stored = sortedNames(plus(storedByPostgres(kBadNames), "canary"));
    EXPECT_EQ(sortedNames(oracleTables(*oracle)), stored);
    PlainTableList reloaded;
    LoadOracleTables(reloaded, harness->connections, harness->fields, harness->events);
    EXPECT_EQ(sortedNames(reloaded.texts()), stored);
    for (const std::string& name : kBadNames) {
        SCOPED_TRACE(name);
        EXPECT_EQ(firstColumn(oracle->query(
                      "SELECT column_name FROM information_schema.columns "
                      "WHERE table_schema = current_schema() AND table_name = " +
                      literal(storedByPostgres(name)) + " ORDER BY ordinal_position")),
                  (Names{storedByPostgres(name), storedByPostgres(kColumn)}));
        // The full name reaches the same table: PostgreSQL cuts it alike.
        EXPECT_EQ(oracle->query("SELECT * FROM " + quoted(name)), (Rows{{name, "1"}}));
    }

    // Neither database takes its rename statement; the error is shown and
    // the names stay, whatever the new name holds.
    for (const Side side : {Side::SqlAnywhere, Side::Oracle}) {
        PlainTableList& list = harness->list(side);
        const Names before = list.texts();
        for (const std::string& name : kBadNames) {
            SCOPED_TRACE(name);
            selectOnly(list, {name});
            harness->prompts.shown.clear();
            harness->prompts.inputs = {name + kInjection};
            harness->run(side == Side::Oracle ? RenameOracleTable : RenameSqlAnywhereTable);
            ASSERT_EQ(harness->prompts.shown.size(), 2u);
            EXPECT_EQ(harness->prompts.shown[0].text, "Enter new name of " + name + ":");
            EXPECT_NE(harness->prompts.shown[1].text.find("syntax error"), std::string::npos)
                << harness->prompts.shown[1].text;
            EXPECT_EQ(list.texts(), before);
        }
    }
    EXPECT_EQ(sortedNames(sqliteTables(sqlAnywhere)), sortedNames(plus(kBadNames, "canary")));
    EXPECT_EQ(sortedNames(oracleTables(*oracle)), stored);

    // Back from the Oracle list as the copy left it (the full names), each
    // replacing its table after the question.
    harness->prompts.shown.clear();
    harness->prompts.answers.assign(kBadNames.size(), true);
    selectOnly(harness->oracleList, kBadNames);
    harness->run(SendTablesToSqlAnywhere);

    Names questions;
    for (const std::string& name : kBadNames)
        questions.push_back("Would you like to overwrite " + name + "?");
    EXPECT_EQ(sortedNames(harness->prompts.texts()), sortedNames(questions));
    EXPECT_EQ(sortedNames(harness->sqlAnywhereList.texts()),
              sortedNames(plus(kBadNames, "canary")));
    EXPECT_EQ(sortedNames(sqliteTables(sqlAnywhere)), sortedNames(plus(kBadNames, "canary")));
    LoadSqlAnywhereTables(reloaded, harness->connections, harness->fields, harness->events);
    EXPECT_EQ(sortedNames(reloaded.texts()), sortedNames(plus(kBadNames, "canary")));
    for (const std::string& name : kBadNames) {
        SCOPED_TRACE(name);
        // The columns carry the names PostgreSQL reported.
        EXPECT_EQ(firstColumn(sqlAnywhere.query("SELECT name FROM pragma_table_info(" +
                                                literal(name) + ")")),
                  (Names{storedByPostgres(name), storedByPostgres(kColumn)}));
        EXPECT_EQ(sqlAnywhere.query("SELECT * FROM " + quoted(name)),
                  (Rows{{doubledBackslashes(name), "1"}}));
    }

    harness->prompts.shown.clear();
    selectOnly(harness->sqlAnywhereList, kBadNames);
    harness->run(DeleteSqlAnywhereTables);
    EXPECT_TRUE(harness->prompts.shown.empty()) << harness->prompts.shown.front();
    EXPECT_EQ(harness->sqlAnywhereList.texts(), Names{"canary"});
    EXPECT_EQ(sqliteTables(sqlAnywhere), Names{"canary"});

    selectOnly(harness->oracleList, kBadNames);
    harness->run(DeleteOracleTables);
    EXPECT_TRUE(harness->prompts.shown.empty()) << harness->prompts.shown.front();
    EXPECT_EQ(harness->oracleList.texts(), Names{"canary"});
    EXPECT_EQ(oracleTables(*oracle), Names{"canary"});
    expectCanariesAlive();
}

TEST_F(BadInput, NamesADatabaseRefusesShowItsErrorAndChangeNothing) {
    const std::string longColumn(63, 'A');
    const std::string clash(63, 'B');
    struct Refusal {
        Side target;
        std::string table;
        std::string definition; // the columns of the source table
        std::string fragment;   // of the database's error
    };
    const std::vector<Refusal> refusals{
        // SQLite takes an empty name, PostgreSQL does not.
        {Side::Oracle, "", "(n INTEGER)", "zero-length delimited identifier"},
        {Side::Oracle, "has xmin", "(\"xmin\" INTEGER)", "conflicts with a system column name"},
        // Two names that PostgreSQL cuts to the same 63 bytes.
        {Side::Oracle, "long columns",
         "(" + quoted(longColumn + "1") + ", " + quoted(longColumn + "2") + ")", "more than once"},
        // Not the name of the listed table, yet the same once cut.
        {Side::Oracle, clash + "C", "(n INTEGER)", "already exists"},
        {Side::SqlAnywhere, "sqlite_own", "(n INTEGER)", "reserved for internal use"},
        // SQLite's column names ignore letter case.
        {Side::SqlAnywhere, "two cases", "(\"A\" INTEGER, \"a\" INTEGER)", "duplicate column name"},
    };
    oracle->exec("CREATE TABLE " + quoted(clash) + "(n INTEGER)");
    oracle->exec("INSERT INTO " + quoted(clash) + " VALUES(5)");
    for (const Refusal& refusal : refusals) {
        const std::string create = "CREATE TABLE " + quoted(refusal.table) + refusal.definition;
        if (refusal.target == Side::Oracle)
            sqlAnywhere.exec(create);
        else
            oracle->exec(create);
    }
    harness->loadLists();

    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.table);
        const Side source = refusal.target == Side::Oracle ? Side::SqlAnywhere : Side::Oracle;
        PlainTableList& target = harness->list(refusal.target);
        const Names listBefore = target.texts();
        const Names sqliteBefore = sqliteTables(sqlAnywhere);
        const Names postgresBefore = oracleTables(*oracle);
        selectOnly(harness->list(source), {refusal.table});
        harness->prompts.shown.clear();

        harness->run(refusal.target == Side::Oracle ? SendTablesToOracle : SendTablesToSqlAnywhere);

        expectOneError(refusal.fragment);
        EXPECT_EQ(target.texts(), listBefore);
        EXPECT_EQ(sqliteTables(sqlAnywhere), sqliteBefore);
        EXPECT_EQ(oracleTables(*oracle), postgresBefore);
    }
    EXPECT_EQ(oracle->query("SELECT n FROM " + quoted(clash)), (Rows{{"5"}}));
    expectCanariesAlive();
}

namespace {

// One column of a table of every kind: its type on the source, the literal
// put in it, and what the target then holds: its column type and the value
// as the target's own query shows it.
struct Kind {
    std::string sourceType;
    std::string sourceLiteral;
    std::string targetType;
    FieldValue targetValue;
};

// One text value: how to write it on the source, and the exact text the
// source's driver hands over.
struct TextValue {
    std::string sourceLiteral;
    FieldValue readFromSource;
};

// The kinds table: one row of every kind's literal, then one of NULLs.
void createKinds(const std::function<void(const std::string&)>& exec,
                 const std::vector<Kind>& kinds) {
    std::string create = "CREATE TABLE kinds(";
    std::string insert = "INSERT INTO kinds VALUES(";
    for (size_t i = 0; i < kinds.size(); ++i) {
        create += (i ? ", c" : "c") + std::to_string(i) + " " + kinds[i].sourceType;
        insert += (i ? ", " : "") + kinds[i].sourceLiteral;
    }
    exec(create + ")");
    exec(insert + ")");
    exec("INSERT INTO kinds(c0) VALUES(NULL)");
}

// The target's column types, one a row, and the kinds table's two rows: the
// values, then the NULLs.
std::pair<Rows, Rows> onTheTarget(const std::vector<Kind>& kinds) {
    Rows types;
    Rows values{{}, Rows::value_type(kinds.size())};
    for (const Kind& kind : kinds) {
        types.push_back({kind.targetType});
        values[0].push_back(kind.targetValue);
    }
    return {types, values};
}

// Every column of the kinds table, each written as the pattern with "@" in
// place of the column's name.
std::string eachKind(const std::vector<Kind>& kinds, const std::string& pattern) {
    std::string sql;
    for (size_t i = 0; i < kinds.size(); ++i) {
        if (i > 0)
            sql += ", ";
        for (char c : pattern) {
            if (c == '@')
                sql.append("c").append(std::to_string(i));
            else
                sql += c;
        }
    }
    return sql;
}

// Text values both sources hold alike; the direction adds its own.
std::vector<TextValue> commonTexts() {
    const std::string controls = "\x01\x02\x1b[31m\x1f\x7f";
    return {
        {literal("O'Brien \"Bob\" '' \"\""), "O'Brien \"Bob\" '' \"\""},
        {literal("C:\\new\\table \\\\ \\' \\"), "C:\\new\\table \\\\ \\' \\"},
        {literal("a\nb\r\nc\n"), "a\nb\r\nc\n"},
        {literal("\tx\t"), "\tx\t"},
        {literal(controls), controls},
        {literal(kNonLatin), kNonLatin},
        {literal("{fn UCASE('x')} ? :p $1 $$ -- /* ;"), "{fn UCASE('x')} ? :p $1 $$ -- /* ;"},
        {literal(" "), " "},
        {literal("NULL"), "NULL"},
        {literal(""), std::nullopt},
        {"NULL", std::nullopt},
    };
}

void createTexts(const std::function<void(const std::string&)>& exec,
                 const std::vector<TextValue>& texts) {
    exec("CREATE TABLE texts(id INTEGER, v TEXT)");
    for (size_t i = 0; i < texts.size(); ++i)
        exec("INSERT INTO texts VALUES(" + std::to_string(i) + ", " + texts[i].sourceLiteral + ")");
}

// Each text row as (id, the stored bytes in hexadecimal).
Rows expectedTexts(const std::vector<TextValue>& texts, bool toSqlAnywhere) {
    Rows rows;
    for (size_t i = 0; i < texts.size(); ++i) {
        FieldValue hex;
        if (texts[i].readFromSource && !texts[i].readFromSource->empty()) {
            const std::string& text = *texts[i].readFromSource;
            hex = toSqlAnywhere ? hexOf(doubledBackslashes(text), true) : hexOf(text, false);
        }
        rows.push_back({std::to_string(i), hex});
    }
    return rows;
}

const char* const kNumeric = "numeric";
const char* const kVarchar = "character varying(2000)";

} // namespace

TEST_F(BadInput, EveryKindOfSqlAnywhereValueArrivesOnOracleAsTheRulesSay) {
    // The SQLite driver reports DECIMAL as text, NUMERIC and REAL as
    // doubles, BLOB as short binary: only the integer kinds become NUMERIC.
    const std::vector<Kind> kinds{
        {"INTEGER", "-9223372036854775808", kNumeric, "-9223372036854775808"},
        {"SMALLINT", "-32768", kNumeric, "-32768"},
        {"BIGINT", "9223372036854775807", kNumeric, "9223372036854775807"},
        {"TINYINT", "255", kNumeric, "255"},
        {"DECIMAL(10,2)", "3.25", kVarchar, "3.25"},
        {"NUMERIC(10,2)", "1.50", kVarchar, "1.5"},
        {"REAL", "0.1", kVarchar, "0.1"},
        {"FLOAT", "1e300", kVarchar, "1.0e+300"},
        {"DOUBLE", "-2.5e-7", kVarchar, "-2.5e-07"},
        {"TEXT", "'text'", kVarchar, "text"},
        {"VARCHAR(3)", "'longer than three'", kVarchar, "longer than three"},
        {"CHAR(5)", "'ab'", kVarchar, "ab"},
        {"DATE", "'2024-02-29'", kVarchar, "2024-02-29"},
        {"TIME", "'23:59:59'", kVarchar, "23:59:59"},
        {"TIMESTAMP", "'2024-02-29 13:14:15.123'", kVarchar, "2024-02-29 13:14:15.123"},
        {"BIT", "1", kVarchar, "1"},
        {"BOOLEAN", "0", kVarchar, "0"},
        {"BLOB", "x'00ff10'", kVarchar, "00FF10"},
        {"BLOB", "x''", kVarchar, std::nullopt},
        {"VARBINARY", "x'0a'", kVarchar, "0A"},
        // Long binary becomes a BLOB, sent as hexadecimal text; Oracle reads
        // that as the bytes, PostgreSQL's bytea keeps the digits' characters.
        {"LONGVARBINARY", "x'0102'", "blob", "\\x30313032"},
        {"", "'untyped'", kVarchar, "untyped"},
    };
    createKinds([&](const std::string& sql) { sqlAnywhere.exec(sql); }, kinds);
    std::vector<TextValue> texts = commonTexts();
    // The SQLite driver ends a text at its first NUL; a malformed UTF-8
    // byte becomes U+FFFD on its way into the wide text PostgreSQL reads.
    texts.push_back({"'a' || char(0) || 'b'", "a"});
    texts.push_back({"CAST(x'ff41' AS TEXT)", "\xef\xbf\xbd\x41"});
    // VARCHAR(2000) counts characters on PostgreSQL.
    texts.push_back({literal(repeated("\xe6\x9d\xb1", 2000)), repeated("\xe6\x9d\xb1", 2000)});
    createTexts([&](const std::string& sql) { sqlAnywhere.exec(sql); }, texts);
    harness->loadLists();
    selectOnly(harness->sqlAnywhereList, {"kinds", "texts"});

    harness->run(SendTablesToOracle);

    EXPECT_TRUE(harness->prompts.shown.empty()) << harness->prompts.shown.front();
    const auto [types, values] = onTheTarget(kinds);
    EXPECT_EQ(oracle->query("SELECT coalesce(domain_name, data_type) || "
                            "coalesce('(' || character_maximum_length || ')', '') "
                            "FROM information_schema.columns WHERE table_schema = "
                            "current_schema() AND table_name = 'kinds' ORDER BY ordinal_position"),
              types);
    EXPECT_EQ(oracle->query("SELECT " + eachKind(kinds, "@::text") +
                            " FROM kinds ORDER BY c0 NULLS LAST"),
              values);
    EXPECT_TRUE(sameRows(oracle->query("SELECT id::text, encode(convert_to(v, 'UTF8'), 'hex') "
                                       "FROM texts ORDER BY texts.id"),
                         expectedTexts(texts, false)));
    expectCanariesAlive();
}

TEST_F(BadInput, EveryKindOfOracleValueArrivesOnSqlAnywhereAsTheRulesSay) {
    // SQLite's NUMERIC keeps integers whole and other numbers as doubles of
    // 15 significant digits; the query shows each value's storage class.
    const std::vector<Kind> kinds{
        {"smallint", "-32768", "NUMERIC", "integer -32768"},
        {"integer", "2147483647", "NUMERIC", "integer 2147483647"},
        {"bigint", "-9223372036854775808", "NUMERIC", "integer -9223372036854775808"},
        // Decimals keep the precision and scale the driver reports; for an
        // unconstrained numeric the PostgreSQL driver reports 28 and the
        // scale of the widest value it read.
        {"numeric(38,10)", "12345678901234567890.0123456789", "NUMERIC(38,10)",
         "real 1.23456789012346e+19"},
        {"decimal(5,2)", "1.50", "NUMERIC(5,2)", "real 1.5"},
        {"numeric", "7.00", "NUMERIC(28,2)", "integer 7"},
        {"oid", "42", "NUMERIC", "integer 42"},
        {"real", "0.1", "TEXT", "text 0.1"},
        {"double precision", "1e300", "TEXT", "text 1e+300"},
        {"double precision", "'NaN'", "TEXT", "text NaN"},
        // PostgreSQL's driver describes money as SQL_FLOAT: it arrives as the
        // double the driver makes of it, without the currency sign.
        {"money", "12.34", "TEXT", "text 12.34"},
        {"varchar(10)", "'vc'", "TEXT", "text vc"},
        {"char(5)", "'ab'", "TEXT", "text ab   "},
        {"date", "'2024-02-29'", "TEXT", "text 2024-02-29"},
        {"time", "'13:14:15.5'", "TEXT", "text 13:14:15.5"},
        {"timetz", "'13:14:15+02'", "TEXT", "text 13:14:15+02"},
        {"timestamp", "'2024-02-29 13:14:15.123456'", "TEXT", "text 2024-02-29 13:14:15.123456"},
        {"interval", "'1 day 2 hours'", "TEXT", "text 1 day 02:00:00"},
        {"boolean", "true", "TEXT", "text 1"},
        {"uuid", "'a0eebc99-9c0b-4ef8-bb6d-6bb9bd380a11'", "TEXT",
         "text A0EEBC99-9C0B-4EF8-BB6D-6BB9BD380A11"},
        {"json", "'{\"a\": [1, \"\\\\\"]}'", "TEXT", "text {\"a\": [1, \"\\\\\\\\\"]}"},
        // bytea is long binary: SQL Anywhere's escape of every byte in an
        // OLEOBJECT, whose characters SQLite keeps as they are.
        {"bytea", "'\\x00ff10'", "OLEOBJECT", "text \\x00\\xFF\\x10"},
        {"bytea", "''", "OLEOBJECT", std::nullopt},
        {"bytea", "'\\x0012'", "OLEOBJECT", "text \\x00\\x12"},
        {"bytea", "'\\x0e15'", "OLEOBJECT", "text \\x0E\\x15"},
        {"blob", "'\\x" + std::string(1 << 20, 'a') + "'", "OLEOBJECT",
         "text " + byteEscapes(std::string(1 << 20, 'A'))},
    };
    createKinds([&](const std::string& sql) { oracle->exec(sql); }, kinds);
    std::vector<TextValue> texts = commonTexts();
    texts.push_back({literal(std::string(1 << 20, 'm')), std::string(1 << 20, 'm')});
    createTexts([&](const std::string& sql) { oracle->exec(sql); }, texts);
    harness->loadLists();
    selectOnly(harness->oracleList, {"kinds", "texts"});

    harness->run(SendTablesToSqlAnywhere);

    EXPECT_TRUE(harness->prompts.shown.empty()) << harness->prompts.shown.front();
    const auto [types, values] = onTheTarget(kinds);
    EXPECT_EQ(sqlAnywhere.query("SELECT type FROM pragma_table_info('kinds')"), types);
    EXPECT_TRUE(sameRows(sqlAnywhere.query("SELECT " + eachKind(kinds, "typeof(@) || ' ' || @") +
                                           " FROM kinds ORDER BY c0 IS NULL"),
                         values));
    EXPECT_TRUE(sameRows(
        sqlAnywhere.query(
            "SELECT id, CASE WHEN v IS NULL THEN NULL ELSE hex(v) END FROM texts ORDER BY id"),
        expectedTexts(texts, true)));
    expectCanariesAlive();
}
