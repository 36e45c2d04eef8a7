// A table's description from the ODBC catalogue functions: SQLColumns,
// SQLPrimaryKeys, SQLStatistics and SQLForeignKeys, with the driver rules
// that mend what a driver answers otherwise than ODBC defines.
#include "DriverRules.h"
#include "OdbcConnectionState.h"
#include "OdbcText.h"
#include "Utf16.h"

#include <sqlucode.h>

#include <algorithm>
#include <functional>
#include <map>

namespace tallowmere {
namespace {

// The catalogue results' columns, by their places in ODBC's definition of
// each function, counted from 0.
enum ColumnsResult {
    kSchema = 1,
    kTable,
    kColumn,
    kDataType,
    kTypeName,
    kSize,
    kBufferLength,
    kDigits,
    kRadix,
    kNullable
};
enum KeysResult { kKeyColumn = 3, kKeySequence };
enum StatisticsResult {
    kNonUnique = 3,
    kQualifier,
    kIndexName,
    kIndexType,
    kPosition,
    kIndexColumn,
    kAscOrDesc
};
enum ForeignKeysResult {
    kReferencedTable = 2,
    kForeignColumn = 7,
    kForeignSequence,
    kUpdateRule,
    kDeleteRule,
    kForeignName
};

constexpr std::string_view kNumericName = "NUMERIC";
constexpr std::string_view kDecimalName = "DECIMAL";
constexpr std::string_view kDescending = "D";

using CatalogueCall = std::function<SQLRETURN(SQLHSTMT)>;
using CatalogueRead = std::function<std::unique_ptr<Recordset>(const CatalogueCall&)>;

// A name as a catalogue function takes it: UTF-8 for a narrow driver, UTF-16
// for a wide one, and no argument at all for an empty one.
class NameArgument {
public:
    NameArgument(const std::string& name, bool narrow)
        : mNarrow(name)
        , mWide(narrow ? std::u16string() : utf8ToUtf16(name)) {}
    SQLCHAR* narrow() {
        return mNarrow.empty() ? nullptr : reinterpret_cast<SQLCHAR*>(mNarrow.data());
    }
    SQLWCHAR* wide() {
        return mNarrow.empty() ? nullptr : reinterpret_cast<SQLWCHAR*>(mWide.data());
    }
    SQLSMALLINT narrowLength() const { return static_cast<SQLSMALLINT>(mNarrow.size()); }
    SQLSMALLINT wideLength() const { return static_cast<SQLSMALLINT>(mWide.size()); }

private:
    std::string mNarrow;
    std::u16string mWide;
};

std::string text(const Recordset& rows, int column) {
    return rows.value(column).value_or("");
}

long number(const Recordset& rows, int column) {
    const FieldValue& value = rows.value(column);
    return value && !value->empty() ? std::stol(*value) : 0;
}

bool startsWithName(std::string_view typeName, std::string_view name) {
    return typeName.size() >= name.size() &&
           EqualsIgnoringCase(typeName.substr(0, name.size()), name);
}

// The SQL type a column is, where the driver's own says otherwise.
int mendedType(int sqlType, const std::string& typeName, const std::string& driver, bool oracle) {
    if (NamesDecimalsOnly(driver) &&
        (startsWithName(typeName, kNumericName) || startsWithName(typeName, kDecimalName)))
        return SQL_DECIMAL;
    if (DescribesBinariesAsText(driver) && sqlType == SQL_VARCHAR)
        return BinaryTypeNamed(sqlType, typeName);
    if (!oracle || (sqlType != SQL_FLOAT && sqlType != SQL_REAL && sqlType != SQL_DOUBLE))
        return sqlType;
    switch (OracleApproximateKind(typeName)) {
    case OracleNumberKind::Double:
        return SQL_DOUBLE;
    case OracleNumberKind::Single:
        return SQL_REAL;
    case OracleNumberKind::Decimal:
        break;
    }
    return SQL_DECIMAL;
}

// The schema whose table is meant: the one named like the user, among
// several; else the first the catalogue names.
std::string ownSchema(const std::vector<std::string>& schemas, const std::string& user) {
    for (const std::string& schema : schemas) {
        if (EqualsIgnoringCase(schema, user))
            return schema;
    }
    return schemas.empty() ? std::string() : schemas.front();
}

std::vector<std::string> namesOf(const IndexDescription& index) {
    std::vector<std::string> names;
    for (const IndexColumn& column : index.columns)
        names.push_back(column.name);
    return names;
}

// The key in the order of its own index: the unique index on its columns.
void keyInItsIndexOrder(TableDescription& description) {
    std::vector<std::string> key = description.primaryKey;
    std::sort(key.begin(), key.end());
    for (const IndexDescription& index : description.indexes) {
        std::vector<std::string> names = namesOf(index);
        std::sort(names.begin(), names.end());
        if (index.unique && names == key) {
            description.primaryKey = namesOf(index);
            return;
        }
    }
}

// Values in the order of a number each came with, as the catalogue numbers
// a key's or an index's columns.
template <typename Value> class Numbered {
public:
    void add(long number, Value value) { mValues.emplace(number, std::move(value)); }
    std::vector<Value> inOrder() const {
        std::vector<Value> values;
        for (const auto& [number, value] : mValues)
            values.push_back(value);
        return values;
    }

private:
    std::multimap<long, Value> mValues;
};

// The catalogue functions on one table of one schema.
class TableCatalogue {
public:
    TableCatalogue(CatalogueRead read, bool narrow, const std::string& schema,
                   const std::string& table)
        : mRead(std::move(read))
        , mNarrow(narrow)
        , mSchema(schema, narrow)
        , mTable(table, narrow) {}

    std::vector<std::string> primaryKey() {
        Numbered<std::string> key;
        for (auto rows = read(SQLPrimaryKeys, SQLPrimaryKeysW); !rows->eof(); rows->moveNext())
            key.add(number(*rows, kKeySequence), text(*rows, kKeyColumn));
        return key.inOrder();
    }

    std::vector<IndexDescription> indexes() {
        std::vector<IndexDescription> indexes;
        auto rows = read(
            [](SQLHSTMT s, SQLCHAR* c, SQLSMALLINT cl, SQLCHAR* o, SQLSMALLINT ol, SQLCHAR* t,
               SQLSMALLINT tl) {
                return SQLStatistics(s, c, cl, o, ol, t, tl, SQL_INDEX_ALL, SQL_QUICK);
            },
            [](SQLHSTMT s, SQLWCHAR* c, SQLSMALLINT cl, SQLWCHAR* o, SQLSMALLINT ol, SQLWCHAR* t,
               SQLSMALLINT tl) {
                return SQLStatisticsW(s, c, cl, o, ol, t, tl, SQL_INDEX_ALL, SQL_QUICK);
            });
        for (; !rows->eof(); rows->moveNext()) {
            if (number(*rows, kIndexType) == SQL_TABLE_STAT)
                continue;
            const std::string name = text(*rows, kIndexName);
            if (indexes.empty() || indexes.back().name != name)
                indexes.push_back({name, number(*rows, kNonUnique) == SQL_FALSE, {}});
            indexes.back().columns.push_back(
                {text(*rows, kIndexColumn), text(*rows, kAscOrDesc) == kDescending});
        }
        return indexes;
    }

    std::vector<ForeignKeyDescription> foreignKeys() {
        std::vector<ForeignKeyDescription> keys;
        auto rows = mRead([&](SQLHSTMT s) {
            return mNarrow ? SQLForeignKeys(s, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0,
                                            mSchema.narrow(), mSchema.narrowLength(),
                                            mTable.narrow(), mTable.narrowLength())
                           : SQLForeignKeysW(s, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0,
                                             mSchema.wide(), mSchema.wideLength(), mTable.wide(),
                                             mTable.wideLength());
        });
        // Keys to one table may come interleaved, each column numbered in its key.
        for (; !rows->eof(); rows->moveNext()) {
            const ForeignKeyDescription key{
                text(*rows, kForeignName), {}, text(*rows, kReferencedTable)};
            const auto same = std::find_if(keys.rbegin(), keys.rend(), [&](const auto& k) {
                return k.name == key.name && k.referencedTable == key.referencedTable;
            });
            const std::string column = text(*rows, kForeignColumn);
            if (number(*rows, kForeignSequence) != 1 && same != keys.rend()) {
                same->columns.push_back(column);
                continue;
            }
            keys.push_back(key);
            keys.back().columns.push_back(column);
        }
        return keys;
    }

private:
    // Calls a function that takes the catalog, schema and table, in the
    // driver's width.
    template <typename Narrow, typename Wide>
    std::unique_ptr<Recordset> read(Narrow narrowCall, Wide wideCall) {
        return mRead([&](SQLHSTMT s) {
            return mNarrow ? narrowCall(s, nullptr, 0, mSchema.narrow(), mSchema.narrowLength(),
                                        mTable.narrow(), mTable.narrowLength())
                           : wideCall(s, nullptr, 0, mSchema.wide(), mSchema.wideLength(),
                                      mTable.wide(), mTable.wideLength());
        });
    }

    CatalogueRead mRead;
    bool mNarrow;
    NameArgument mSchema;
    NameArgument mTable;
};

} // namespace

long OdbcConnection::longestName() {
    d->requireOpen();
    SQLUSMALLINT longest = 0;
    check(
        SQLGetInfo(d->connection.get(), SQL_MAX_IDENTIFIER_LEN, &longest, sizeof longest, nullptr),
        d->connection);
    return longest;
}

TableDescription OdbcConnection::describeTable(const std::string& table) {
    d->requireOpen();
    const CatalogueRead read = [this](const CatalogueCall& call) { return d->catalogue(call); };
    const std::string driver = driverName(d->connection);
    const bool narrow = d->connection.narrow();
    const bool oracle = NamesOracle(dbmsName());
    NameArgument name(table, narrow);
    auto rows = read([&](SQLHSTMT s) {
        return narrow ? SQLColumns(s, nullptr, 0, nullptr, 0, name.narrow(), name.narrowLength(),
                                   nullptr, 0)
                      : SQLColumnsW(s, nullptr, 0, nullptr, 0, name.wide(), name.wideLength(),
                                    nullptr, 0);
    });
    // The name is a pattern to SQLColumns, and other schemas may hold a table
    // of that name: the columns of each schema's table, in their order.
    std::vector<std::string> schemas;
    std::map<std::string, std::vector<ColumnDescription>> columnsBySchema;
    for (; !rows->eof(); rows->moveNext()) {
        if (text(*rows, kTable) != table)
            continue;
        const std::string schema = text(*rows, kSchema);
        if (!columnsBySchema.count(schema))
            schemas.push_back(schema);
        const std::string typeName = text(*rows, kTypeName);
        const int sqlType = static_cast<int>(number(*rows, kDataType));
        const bool shifted = ShiftsColumnSizes(driver);
        columnsBySchema[schema].push_back(
            {text(*rows, kColumn), mendedType(sqlType, typeName, driver, oracle), typeName,
             number(*rows, shifted ? kBufferLength : kSize),
             number(*rows, shifted ? kSize : kDigits), number(*rows, kNullable) != SQL_NO_NULLS});
    }
    const std::string schema = ownSchema(schemas, infoText(d->connection, SQL_USER_NAME));
    TableCatalogue catalogue(read, narrow, schema, table);
    TableDescription description{columnsBySchema[schema], catalogue.primaryKey(),
                                 catalogue.indexes(), catalogue.foreignKeys(),
                                 DeclaredTypesBoundValues(driver)};
    if (NumbersKeyInTableOrder(driver))
        keyInItsIndexOrder(description);
    return description;
}

} // namespace tallowmere
