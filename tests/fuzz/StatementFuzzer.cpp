// libFuzzer entry: every input builds each kind of statement and both
// connection strings from its names and values, and each result must read
// back as exactly those names and values (see StatementChecks.h and
// ConnectionStringChecks.h). A failed check aborts, so libFuzzer keeps the
// input. Given file names instead of folders, it runs each file once.
//
// The connection strings carry values as typed, so a ";" in a value adds
// attributes by design; set TALLOWMERE_FUZZ_STRICT_CONNECTION_STRINGS=1 to
// report that as a failure too.
#include "ConnectionStringChecks.h"
#include "FuzzInput.h"
#include "StatementChecks.h"

#include "data_access/ConnectionSettings.h"
#include "data_access/EventPump.h"
#include "data_access/OdbcConnection.h"
#include "data_access/SqlTexts.h"
#include "transfer/Datatype.h"
#include "transfer/RowStatement.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tallowmere::fuzz {
namespace {

// One row over the fuzzed fields; its values can be swapped for the next row.
class FuzzRow : public Recordset {
public:
    FuzzRow(std::vector<FieldInfo> fields, std::vector<FieldValue> values)
        : mFields(std::move(fields))
        , mValues(std::move(values)) {}

    void setValues(std::vector<FieldValue> values) { mValues = std::move(values); }

    long recordCount() const override { return 1; }
    bool eof() const override { return false; }
    void moveNext() override {}
    void close() override {}
    int fieldCount() const override { return static_cast<int>(mFields.size()); }
    const FieldInfo& fieldInfo(int index) const override {
        return mFields.at(static_cast<size_t>(index));
    }
    const FieldValue& value(int index) const override {
        return mValues.at(static_cast<size_t>(index));
    }
    using Recordset::value;

private:
    std::vector<FieldInfo> mFields;
    std::vector<FieldValue> mValues;
};

bool strictConnectionStrings() {
    static const bool strict = [] {
        const char* setting = std::getenv("TALLOWMERE_FUZZ_STRICT_CONNECTION_STRINGS");
        return setting != nullptr && *setting != '\0' && std::strcmp(setting, "0") != 0;
    }();
    return strict;
}

void require(const std::string& failure, const char* what) {
    if (failure.empty())
        return;
    std::fprintf(stderr, "\n%s does not read back as built: %s\n", what, failure.c_str());
    std::abort();
}

void checkStatements(const FuzzCase& input) {
    require(checkDropTable(DropTableStatement(input.table), input.table), "DROP TABLE");

    require(checkRename(RenameStatement(input.target, input.table, input.newName), input.target,
                        input.table, input.newName),
            "The rename statement");

    // A source result always has a field; with none the statement has no
    // column list to close.
    if (!input.fields.empty())
        require(checkCreateTable(CreateTableStatement(input.target, input.table, input.fields),
                                 input.target, input.table, input.fields),
                "CREATE TABLE");

    // Two rows through one builder: the second must not keep anything of the
    // first in the buffer the builder reuses.
    FuzzRow row(input.fields, input.values);
    RowStatementBuilder builder(input.target, input.table);
    NoEventPump events;
    require(checkInsert(builder.build(row, events), input.target, input.table,
                        storedValues(input.target, input.fields, input.values)),
            "INSERT");
    std::vector<FieldValue> next = input.values;
    std::reverse(next.begin(), next.end());
    row.setValues(next);
    require(checkInsert(builder.build(row, events), input.target, input.table,
                        storedValues(input.target, input.fields, next)),
            "The second INSERT");
}

void checkConnectionStrings(const FuzzCase& input) {
    const bool strict = strictConnectionStrings();
    // Oracle's own driver and any other behind the same driver name.
    for (const auto& [library, key] : {std::pair{"/opt/oracle/libsqora.so.21.1", "DBQ"},
                                       std::pair{"/usr/lib/odbc/psqlodbcw.so", "Server"}}) {
        const std::string oracle = OracleConnectionStringFor(input.settings, library);
        require(checkOracleConnectionString(oracle, input.settings, strict, key),
                "The Oracle connection string");
        require(checkOdbcRewrite(oracle, OdbcConnection::odbcConnectionString(oracle)),
                "The Oracle connection string for the driver manager");
    }

    const std::string sqlAnywhere = SqlAnywhereConnectionString(input.settings);
    const std::string forDriverManager = OdbcConnection::odbcConnectionString(sqlAnywhere);
    require(checkSqlAnywhereConnectionString(sqlAnywhere, forDriverManager,
                                             input.settings.dataSourceName, strict),
            "The SQL Anywhere connection string");
    require(checkOdbcRewrite(sqlAnywhere, forDriverManager),
            "The SQL Anywhere connection string for the driver manager");

    // Any text at all through the rewrite, including ADO-style strings with
    // more attributes after the data source.
    const std::string& anyText = input.settings.oracleServer;
    require(checkOdbcRewrite(anyText, OdbcConnection::odbcConnectionString(anyText)),
            "A connection string for the driver manager");
}

} // namespace
} // namespace tallowmere::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const tallowmere::fuzz::FuzzCase input = tallowmere::fuzz::decodeFuzzCase(data, size);
    tallowmere::fuzz::checkStatements(input);
    tallowmere::fuzz::checkConnectionStrings(input);
    return 0;
}
