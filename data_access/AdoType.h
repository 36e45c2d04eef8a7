// ADO DataTypeEnum codes for the ODBC SQL types a driver reports.
#pragma once

namespace tallowmere {

// Follows the ODBC-to-ADO correspondence. Any SQL type outside it (intervals,
// driver-specific types) is read as text and reported as adVarChar (200).
int adoTypeFromSqlType(int sqlType, bool isUnsigned);

} // namespace tallowmere
