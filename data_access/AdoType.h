// ADO DataTypeEnum codes for the ODBC SQL types a driver reports.
#pragma once

namespace tallowmere {

// The binary type codes, whose values are read as bytes.
inline constexpr int adBinary = 128;
inline constexpr int adVarBinary = 204;
inline constexpr int adLongVarBinary = 205;

// Follows the ODBC-to-ADO correspondence. Any SQL type outside it (intervals,
// driver-specific types) is read as text and reported as adVarChar (200).
int adoTypeFromSqlType(int sqlType, bool isUnsigned);

} // namespace tallowmere
