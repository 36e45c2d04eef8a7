#include "Datatype.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace tallowmere {
namespace {

constexpr std::array<std::pair<int16_t, const char*>, 39> kTypeNames{{
    {0, "adEmpty"},
    {2, "adSmallInt"},
    {3, "adInteger"},
    {4, "adSingle"},
    {5, "adDouble"},
    {6, "adCurrency"},
    {7, "adDate"},
    {8, "adBSTR"},
    {9, "adIDispatch"},
    {10, "adError"},
    {11, "adBoolean"},
    {12, "adVariant"},
    {13, "adIUnknown"},
    {14, "adDecimal"},
    {16, "adTinyInt"},
    {17, "adUnsignedTinyInt"},
    {18, "adUnsignedSmallInt"},
    {19, "adUnsignedInt"},
    {20, "adBigInt"},
    {21, "adUnsignedBigInt"},
    {64, "adFileTime"},
    {72, "adGUID"},
    {128, "adBinary"},
    {129, "adChar"},
    {130, "adWChar"},
    {131, "adNumeric"},
    {132, "adUserDefined"},
    {133, "adDBDate"},
    {134, "adDBTime"},
    {135, "adDBTimeStamp"},
    {136, "adChapter"},
    {138, "adPropVariant"},
    {139, "adVarNumeric"},
    {200, "adVarChar"},
    {201, "adLongVarChar"},
    {202, "adVarWChar"},
    {203, "adLongVarWChar"},
    {204, "adVarBinary"},
    {205, "adLongVarBinary"},
}};

// The largest precision SQL Anywhere's NUMERIC takes.
constexpr long kSqlAnywhereMaxPrecision = 127;

enum class ClauseKind { LongBinary, Text, Decimal, Integer };

ClauseKind clauseKind(const std::string& typeName) {
    std::string lower = typeName;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto contains = [&lower](const char* part) {
        return lower.find(part) != std::string::npos;
    };
    if (contains("adlongvarbinary"))
        return ClauseKind::LongBinary;
    if (contains("char"))
        return ClauseKind::Text;
    if (contains("dec") || contains("numeric"))
        return ClauseKind::Decimal;
    if (contains("int"))
        return ClauseKind::Integer;
    return ClauseKind::Text;
}

bool sqlAnywhereTakes(long precision, long scale) {
    return precision >= 1 && precision <= kSqlAnywhereMaxPrecision && scale >= 0 &&
           scale <= precision;
}

} // namespace

std::string DataTypeName(int16_t code) {
    for (const auto& [typeCode, name] : kTypeNames) {
        if (typeCode == code)
            return name;
    }
    return {};
}

std::string ColumnClauseForOracle(const std::string& typeName) {
    switch (clauseKind(typeName)) {
    case ClauseKind::LongBinary:
        return " BLOB,";
    case ClauseKind::Decimal:
        return " NUMBER,";
    case ClauseKind::Integer:
        return " NUMERIC,";
    case ClauseKind::Text:
        break;
    }
    return " VARCHAR(2000),";
}

std::string ColumnClauseForSqlAnywhere(const std::string& typeName, long precision, long scale) {
    switch (clauseKind(typeName)) {
    case ClauseKind::LongBinary:
        return " OLEOBJECT,";
    case ClauseKind::Decimal:
        if (sqlAnywhereTakes(precision, scale))
            return " NUMERIC(" + std::to_string(precision) + "," + std::to_string(scale) + "),";
        return " NUMERIC,";
    case ClauseKind::Integer:
        return " NUMERIC,";
    case ClauseKind::Text:
        break;
    }
    return " TEXT,";
}

std::string ColumnClause(Side target, const FieldInfo& field) {
    const std::string typeName = DataTypeName(static_cast<int16_t>(field.adoType));
    return target == Side::Oracle
               ? ColumnClauseForOracle(typeName)
               : ColumnClauseForSqlAnywhere(typeName, field.precision, field.scale);
}

std::string QuoteIdentifier(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    quoted += '"';
    return quoted;
}

std::string CreateTableStatement(Side target, const std::string& tableName,
                                 const std::vector<FieldInfo>& fields) {
    std::string statement = "CREATE TABLE " + QuoteIdentifier(tableName) + "(";
    for (const FieldInfo& field : fields) {
        statement += QuoteIdentifier(field.name);
        statement += ColumnClause(target, field);
    }
    statement.pop_back(); // the last clause's comma (or the "(" of a table with no fields)
    statement += target == Side::Oracle ? ")" : ");";
    return statement;
}

} // namespace tallowmere
