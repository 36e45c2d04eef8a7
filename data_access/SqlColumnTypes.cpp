#include "SqlColumnTypes.h"

#include "AdoType.h"

#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace tallowmere {
namespace {

// The longest value each target's plain texts hold, past which its long
// types take over: Oracle's CHAR 2,000 bytes and VARCHAR2 4,000 (then CLOB),
// SQL Anywhere's CHAR, VARCHAR and VARBINARY 32,767 (then LONG VARCHAR and
// LONG BINARY).
struct Longest {
    long fixedText;
    long text;
};
constexpr Longest kOracleLongest{2000, 4000};
constexpr Longest kSqlAnywhereLongest{32767, 32767};
// The texts of a time of day ("hh:mm:ss.fffffffff") and of a GUID.
constexpr long kTimeTextLength = 18, kGuidTextLength = 36;
// A binary value is read as two hexadecimal digits a byte.
constexpr size_t kHexDigitsPerByte = 2;

// One size of integer: the digits its every value is sure to fit in, and
// its type on either target (Oracle's as NUMERIC(p), which Oracle takes as
// NUMBER(p)). SQL Anywhere's TINYINT is unsigned, so a signed one is a
// SMALLINT there.
struct IntegerSize {
    int sqlType;
    long surelyHeld;
    const char* sqlAnywhere;
    const char* sqlAnywhereUnsigned;
    long oracleDigits;
    long oracleUnsignedDigits;
};
constexpr std::array<IntegerSize, 4> kIntegerSizes{{
    {SQL_TINYINT, 2, "SMALLINT", "TINYINT", 3, 3},
    {SQL_SMALLINT, 4, "SMALLINT", "UNSIGNED SMALLINT", 5, 5},
    {SQL_INTEGER, 9, "INTEGER", "UNSIGNED INT", 10, 10},
    {SQL_BIGINT, 18, "BIGINT", "UNSIGNED BIGINT", 19, 20},
}};

bool fitsBareNumeric(const DecimalDigits& read) {
    return read.fraction <= kSqlAnywhereBareScale &&
           read.integer <= kSqlAnywhereBarePrecision - kSqlAnywhereBareScale;
}

// The reported precision and scale (when SQL Anywhere takes them) widened to
// every value's digits; the bare NUMERIC only when nothing usable is reported
// and the values fit it; the text column when no NUMERIC holds them.
DecimalColumn decimalTowardsSqlAnywhere(const FieldInfo& field) {
    const DecimalDigits& read = field.widest;
    const bool reported = SqlAnywhereTakes(field.precision, field.scale);
    if (!reported && fitsBareNumeric(read))
        return {};
    const long scale = std::max(reported ? field.scale : 0, read.fraction);
    const long precision = std::max(reported ? field.precision : 0, read.integer + scale);
    if (precision > kSqlAnywhereMaxPrecision)
        return {ColumnKind::Text};
    return {ColumnKind::Decimal, precision, scale};
}

WholeColumnType decimalColumn(Side target, const ColumnDescription& column, const FieldInfo& read) {
    FieldInfo sized = read;
    sized.precision = column.size;
    sized.scale = column.digits;
    const DecimalColumn decimal = DecimalColumnFor(target, sized);
    return {ColumnTypeText(target, decimal.kind, decimal.precision, decimal.scale), BoundForm::Text,
            decimal.kind == ColumnKind::Text ? TypeChange::NoEqual : TypeChange::None};
}

bool isUnsigned(const FieldInfo& read) {
    const int code = read.adoType;
    return code == adUnsignedTinyInt || code == adUnsignedSmallInt || code == adUnsignedInt ||
           code == adUnsignedBigInt;
}

// The declared size, or a wider one when values the source's types do not
// bound need it; past BIGINT, a decimal of their digits.
WholeColumnType integerColumn(Side target, const ColumnDescription& column, const FieldInfo& read,
                              bool typesBoundValues) {
    auto size = std::find_if(kIntegerSizes.begin(), kIntegerSizes.end(),
                             [&](const IntegerSize& s) { return s.sqlType == column.sqlType; });
    TypeChange change = TypeChange::None;
    while (!typesBoundValues && read.widest.integer > size->surelyHeld) {
        change = TypeChange::Widened;
        if (++size == kIntegerSizes.end()) {
            WholeColumnType wider = decimalColumn(target, {}, read);
            wider.change = change;
            return wider;
        }
    }
    const bool unsignedType = isUnsigned(read);
    if (target == Side::SqlAnywhere)
        return {unsignedType ? size->sqlAnywhereUnsigned : size->sqlAnywhere, BoundForm::Text,
                change};
    return {
        SizedTypeText("NUMERIC", unsignedType ? size->oracleUnsignedDigits : size->oracleDigits),
        BoundForm::Text, change};
}

// A text of no size the target's plain texts take: Oracle's VARCHAR2 when
// every value read fits it, else CLOB; SQL Anywhere's LONG VARCHAR.
WholeColumnType longText(Side target, const FieldInfo& read, TypeChange change) {
    if (target == Side::SqlAnywhere)
        return {"LONG VARCHAR", BoundForm::Text, change};
    if (static_cast<long>(read.longest) <= kOracleLongest.text)
        return {SizedTypeText("VARCHAR", kOracleLongest.text), BoundForm::Text,
                change == TypeChange::None ? TypeChange::Shortened : change};
    return {"CLOB", BoundForm::Text, change, true};
}

WholeColumnType textColumn(Side target, const ColumnDescription& column, const FieldInfo& read,
                           bool typesBoundValues, bool fixed) {
    long size = column.size;
    TypeChange change = TypeChange::None;
    if (!typesBoundValues && static_cast<long>(read.longest) > size) {
        size = static_cast<long>(read.longest);
        change = TypeChange::Widened;
    }
    const Longest& limits = target == Side::Oracle ? kOracleLongest : kSqlAnywhereLongest;
    const long longest = fixed ? limits.fixedText : limits.text;
    if (size <= 0)
        return longText(target, read, change);
    if (size > longest)
        return longText(target, read, TypeChange::Shortened);
    return {SizedTypeText(fixed ? "CHAR" : "VARCHAR", size), BoundForm::Text, change};
}

// Oracle's BLOB holds any binary; SQL Anywhere's VARBINARY up to its size,
// and LONG BINARY the longer or unsized ones.
WholeColumnType binaryColumn(Side target, const ColumnDescription& column, const FieldInfo& read,
                             bool typesBoundValues, bool sized) {
    if (target == Side::Oracle)
        return {"BLOB", BoundForm::Bytes, TypeChange::None, true};
    long size = column.size;
    TypeChange change = TypeChange::None;
    const auto bytes = static_cast<long>(read.longest / kHexDigitsPerByte);
    if (!typesBoundValues && bytes > size) {
        size = bytes;
        change = TypeChange::Widened;
    }
    if (!sized || size <= 0 || size > kSqlAnywhereLongest.text)
        return {"LONG BINARY", BoundForm::Bytes, change};
    return {SizedTypeText("VARBINARY", size), BoundForm::Bytes, change};
}

// Either target's type for one of the source's, chosen by the target.
WholeColumnType either(Side target, WholeColumnType toOracle, WholeColumnType toSqlAnywhere) {
    return target == Side::Oracle ? toOracle : toSqlAnywhere;
}

// The mapping table's rows: source types a person knows, and a column of
// that kind as a catalogue describes it.
struct MappingExample {
    const char* source;
    ColumnDescription column;
};
const MappingExample kMappingExamples[] = {
    {"BIT, BOOLEAN", {"", SQL_BIT, "BIT"}},
    {"TINYINT", {"", SQL_TINYINT, "TINYINT"}},
    {"SMALLINT", {"", SQL_SMALLINT, "SMALLINT"}},
    {"INTEGER", {"", SQL_INTEGER, "INTEGER"}},
    {"BIGINT", {"", SQL_BIGINT, "BIGINT"}},
    {"NUMERIC(7,2), NUMBER(7,2)", {"", SQL_DECIMAL, "NUMERIC", 7, 2}},
    {"REAL, BINARY_FLOAT", {"", SQL_REAL, "REAL"}},
    {"DOUBLE, FLOAT, BINARY_DOUBLE", {"", SQL_DOUBLE, "DOUBLE"}},
    {"DATE", {"", SQL_TYPE_DATE, "DATE"}},
    {"TIME", {"", SQL_TYPE_TIME, "TIME"}},
    {"TIMESTAMP, Oracle's DATE", {"", SQL_TYPE_TIMESTAMP, "TIMESTAMP"}},
    {"CHAR(3)", {"", SQL_CHAR, "CHAR", 3}},
    {"VARCHAR(10), VARCHAR2(10)", {"", SQL_VARCHAR, "VARCHAR", 10}},
    {"VARCHAR(5000)", {"", SQL_VARCHAR, "VARCHAR", 5000}},
    {"LONG VARCHAR, CLOB, TEXT", {"", SQL_LONGVARCHAR, "LONG VARCHAR"}},
    {"VARBINARY(16), RAW(16)", {"", SQL_VARBINARY, "VARBINARY", 16}},
    {"LONG BINARY, BLOB", {"", SQL_LONGVARBINARY, "LONG BINARY"}},
    {"UNIQUEIDENTIFIER, UUID", {"", SQL_GUID, "UNIQUEIDENTIFIER"}},
    {"any other", {"", SQL_UNKNOWN_TYPE, "INTERVAL"}},
};

// The type a kind of column gets for short values, and for values past
// every plain text, when that differs.
std::string mappedTypes(Side target, const ColumnDescription& column) {
    FieldInfo longValues{};
    longValues.longest = static_cast<size_t>(kSqlAnywhereLongest.text) + 1;
    const std::string shortType = WholeColumnTypeFor(target, column, FieldInfo{}, true).type;
    const std::string longType = WholeColumnTypeFor(target, column, longValues, true).type;
    return shortType == longType ? shortType : shortType + " or " + longType;
}

} // namespace

std::vector<MappingTableRow> MappingTable() {
    std::vector<MappingTableRow> rows;
    for (const MappingExample& example : kMappingExamples)
        rows.push_back({example.source, mappedTypes(Side::Oracle, example.column),
                        mappedTypes(Side::SqlAnywhere, example.column)});
    return rows;
}

BoundForm BoundFormInto(const ColumnDescription& column, int sourceAdoType) {
    const int source = static_cast<int16_t>(sourceAdoType);
    switch (column.sqlType) {
    case SQL_TYPE_DATE:
    case SQL_DATE:
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP:
        // A timestamp keeps its time in a DATE column (Oracle's DATE has one).
        return source == adDBDate        ? BoundForm::Date
               : source == adDBTimeStamp ? BoundForm::Timestamp
                                         : BoundForm::Text;
    case SQL_REAL:
        return isNumberType(source) ? BoundForm::Single : BoundForm::Text;
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return isNumberType(source) ? BoundForm::Double : BoundForm::Text;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
        return isBinaryType(source) ? BoundForm::Bytes : BoundForm::Text;
    default:
        return BoundForm::Text;
    }
}

FieldInfo WidestValues(const FieldInfo& described) {
    // Wider than any type holds, so every type that hangs on them changes.
    constexpr long kMostDigits = 1000;
    constexpr size_t kLongest = size_t(1) << 30;
    FieldInfo widest = described;
    widest.widest = {kMostDigits, kMostDigits, 2 * kMostDigits};
    widest.longest = kLongest;
    widest.holdsEmpty = true;
    return widest;
}

bool MayBeEmpty(int adoType) {
    const int code = static_cast<int16_t>(adoType);
    return !isNumberType(code) && code != adDBDate && code != adDBTime && code != adDBTimeStamp;
}

// A driver may describe a bounded text as long: PostgreSQL's gives varchar(n)
// past its MaxVarcharSize (255 unless set) as SQL_LONGVARCHAR of size n. Such
// a column takes arrays of rows as any plain text does.
bool HoldsLargeObjects(const ColumnDescription& column) {
    const bool longType = column.sqlType == SQL_LONGVARBINARY ||
                          column.sqlType == SQL_LONGVARCHAR || column.sqlType == SQL_WLONGVARCHAR;
    const bool boundedText = column.size > 0 && column.size <= kOracleLongest.text;
    return longType && !boundedText;
}

DecimalColumn DecimalColumnFor(Side target, const FieldInfo& field) {
    if (target == Side::SqlAnywhere)
        return decimalTowardsSqlAnywhere(field);
    // NUMBER holds any scale; only too many significant digits make it round.
    return {field.widest.significant > kOracleNumberDigits ? ColumnKind::Text
                                                           : ColumnKind::Decimal};
}

WholeColumnType WholeColumnTypeFor(Side target, const ColumnDescription& column,
                                   const FieldInfo& read, bool typesBoundValues) {
    switch (column.sqlType) {
    case SQL_BIT:
        return either(target, {"NUMERIC(1)", BoundForm::Text, TypeChange::NoEqual}, {"BIT"});
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
        return integerColumn(target, column, read, typesBoundValues);
    case SQL_DECIMAL:
    case SQL_NUMERIC:
        return decimalColumn(target, column, read);
    case SQL_REAL:
        return either(target, {"BINARY_FLOAT", BoundForm::Single}, {"REAL", BoundForm::Single});
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return either(target, {"BINARY_DOUBLE", BoundForm::Double}, {"DOUBLE", BoundForm::Double});
    case SQL_TYPE_DATE:
    case SQL_DATE:
        return {"DATE", BoundForm::Date};
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP:
        return {"TIMESTAMP", BoundForm::Timestamp};
    case SQL_TYPE_TIME:
    case SQL_TIME:
        return either(
            target,
            {SizedTypeText("VARCHAR", kTimeTextLength), BoundForm::Text, TypeChange::NoEqual},
            {"TIME"});
    case SQL_CHAR:
    case SQL_WCHAR:
        return textColumn(target, column, read, typesBoundValues, true);
    case SQL_VARCHAR:
    case SQL_WVARCHAR:
        return textColumn(target, column, read, typesBoundValues, false);
    case SQL_LONGVARCHAR:
    case SQL_WLONGVARCHAR:
        return longText(target, read, TypeChange::None);
    case SQL_BINARY:
    case SQL_VARBINARY:
        return binaryColumn(target, column, read, typesBoundValues, true);
    case SQL_LONGVARBINARY:
        return binaryColumn(target, column, read, typesBoundValues, false);
    case SQL_GUID:
        return either(
            target,
            {SizedTypeText("VARCHAR", kGuidTextLength), BoundForm::Text, TypeChange::NoEqual},
            {"UNIQUEIDENTIFIER"});
    default:
        return longText(target, read, TypeChange::NoEqual);
    }
}

} // namespace tallowmere
