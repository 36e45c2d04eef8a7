#include "AdoType.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

namespace tallowmere {

bool isDecimalType(int adoType) {
    const auto code = static_cast<int16_t>(adoType);
    return code == adDecimal || code == adNumeric || code == adVarNumeric;
}

bool isBinaryType(int adoType) {
    const int code = static_cast<int16_t>(adoType);
    return code == adBinary || code == adVarBinary || code == adLongVarBinary;
}

bool isNumberType(int adoType) {
    constexpr int kNumbers[] = {
        adSmallInt,         adInteger,     adTinyInt,        adUnsignedTinyInt, adBigInt,
        adUnsignedSmallInt, adUnsignedInt, adUnsignedBigInt, adSingle,          adDouble};
    const int code = static_cast<int16_t>(adoType);
    return isDecimalType(code) ||
           std::find(std::begin(kNumbers), std::end(kNumbers), code) != std::end(kNumbers);
}

int adoTypeFromSqlType(int sqlType, bool isUnsigned) {
    switch (sqlType) {
    case SQL_CHAR:
        return 129;
    case SQL_VARCHAR:
        return 200;
    case SQL_LONGVARCHAR:
        return 201;
    case SQL_WCHAR:
        return 130;
    case SQL_WVARCHAR:
        return 202;
    case SQL_WLONGVARCHAR:
        return 203;
    case SQL_DECIMAL:
    case SQL_NUMERIC:
        return 131;
    case SQL_SMALLINT:
        return isUnsigned ? adUnsignedSmallInt : adSmallInt;
    case SQL_INTEGER:
        return isUnsigned ? adUnsignedInt : adInteger;
    case SQL_BIGINT:
        return isUnsigned ? adUnsignedBigInt : adBigInt;
    case SQL_TINYINT:
        return isUnsigned ? adUnsignedTinyInt : adTinyInt;
    case SQL_REAL:
        return adSingle;
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return adDouble;
    case SQL_BIT:
        return 11;
    case SQL_BINARY:
        return 128;
    case SQL_VARBINARY:
        return 204;
    case SQL_LONGVARBINARY:
        return 205;
    case SQL_TYPE_DATE:
    case SQL_DATE:
        return adDBDate;
    case SQL_TYPE_TIME:
    case SQL_TIME:
        return adDBTime;
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP:
        return adDBTimeStamp;
    case SQL_GUID:
        return 72;
    default:
        return 200;
    }
}

} // namespace tallowmere
