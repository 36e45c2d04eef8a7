#include "Datatype.h"

#include "data_access/SqlColumnTypes.h"

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

ColumnKind columnKind(const std::string& typeName) {
    std::string lower = typeName;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto contains = [&lower](const char* part) {
        return lower.find(part) != std::string::npos;
    };
    if (contains("adlongvarbinary"))
        return ColumnKind::LongBinary;
    if (contains("char"))
        return ColumnKind::Text;
    if (contains("dec") || contains("numeric"))
        return ColumnKind::Decimal;
    if (contains("int"))
        return ColumnKind::Integer;
    return ColumnKind::Text;
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
    return ColumnClauseText(Side::Oracle, columnKind(typeName));
}

std::string ColumnClauseForSqlAnywhere(const std::string& typeName, long precision, long scale) {
    return ColumnClauseText(Side::SqlAnywhere, columnKind(typeName), precision, scale);
}

std::string ColumnClause(Side target, const FieldInfo& field) {
    const ColumnKind kind = columnKind(DataTypeName(static_cast<int16_t>(field.adoType)));
    if (kind != ColumnKind::Decimal)
        return ColumnClauseText(target, kind);
    const DecimalColumn column = DecimalColumnFor(target, field);
    return ColumnClauseText(target, column.kind, column.precision, column.scale);
}

std::string CreateTableStatement(Side target, const std::string& tableName,
                                 const std::vector<FieldInfo>& fields) {
    std::vector<ColumnDefinition> columns;
    for (const FieldInfo& field : fields)
        columns.push_back({field.name, ColumnClause(target, field)});
    return CreateTableText(target, tableName, columns);
}

} // namespace tallowmere
