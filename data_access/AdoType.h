// ADO DataTypeEnum codes for the ODBC SQL types a driver reports.
#pragma once

namespace tallowmere {

// The binary type codes, whose values are read as bytes.
inline constexpr int adBinary = 128;
inline constexpr int adVarBinary = 204;
inline constexpr int adLongVarBinary = 205;

// The integers, signed and unsigned.
inline constexpr int adSmallInt = 2;
inline constexpr int adInteger = 3;
inline constexpr int adTinyInt = 16;
inline constexpr int adUnsignedTinyInt = 17;
inline constexpr int adUnsignedSmallInt = 18;
inline constexpr int adUnsignedInt = 19;
inline constexpr int adBigInt = 20;
inline constexpr int adUnsignedBigInt = 21;

// The approximate numbers: 4-byte floats (SQL_REAL) and doubles.
inline constexpr int adSingle = 4;
inline constexpr int adDouble = 5;

// The decimal family: adDecimal, adNumeric and adVarNumeric.
inline constexpr int adDecimal = 14;
inline constexpr int adNumeric = 131;
inline constexpr int adVarNumeric = 139;

// The dates and times.
inline constexpr int adDBDate = 133;
inline constexpr int adDBTime = 134;
inline constexpr int adDBTimeStamp = 135;

// By the code narrowed to 16 bits, as the column clause reads it.
bool isDecimalType(int adoType);
// The decimals, the integers of every size and the approximate numbers.
bool isNumberType(int adoType);
bool isBinaryType(int adoType);

// Follows the ODBC-to-ADO correspondence. Any SQL type outside it (intervals,
// driver-specific types) is read as text and reported as adVarChar (200).
int adoTypeFromSqlType(int sqlType, bool isUnsigned);

} // namespace tallowmere
