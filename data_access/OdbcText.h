// Text across the ODBC calls: the wide calls for drivers that take UTF-16,
// the narrow calls with UTF-8 for drivers that take only bytes. Private to
// the data-access layer.
#pragma once

#include "OdbcHandle.h"

#include <string>

namespace tallowmere {

// A short text the driver reports about itself or its database (SQLGetInfo).
std::string infoText(const OdbcHandle& connection, SQLUSMALLINT item);
// The connected driver's file name (SQL_DRIVER_NAME); empty when it says none.
std::string driverName(const OdbcHandle& connection);
// True when the connected driver has the wide calls of its own.
bool driverTakesWideText(const OdbcHandle& connection);

// wideBuffer holds the text for a driver that takes UTF-16; a caller that runs
// many statements passes one that keeps its room.
void execDirect(const OdbcHandle& statement, const std::string& text, bool noDataIsOk,
                std::u16string* wideBuffer = nullptr);
// Prepares a statement to be executed with its parameters bound.
void prepareStatement(const OdbcHandle& statement, const std::string& text);
std::string columnName(const OdbcHandle& statement, SQLUSMALLINT column, SQLSMALLINT& sqlType);
// A result column's numeric attribute (SQLColAttribute), such as SQL_DESC_LENGTH.
// The database's own name for a result column's type ("LONG BINARY").
std::string columnTypeName(const OdbcHandle& statement, SQLUSMALLINT column);
// A binary SQL type for a type named as a binary ("LONG BINARY", "BINARY(4)"),
// where the driver describes it otherwise (see DescribesBinariesAsText);
// the SQL type as it is for any other name.
int BinaryTypeNamed(int sqlType, std::string_view typeName);
SQLLEN columnAttribute(const OdbcHandle& statement, SQLUSMALLINT column, SQLUSMALLINT attribute);
// Each reads one value of the current row whole and returns false for a
// NULL. The text, in modest pieces, as UTF-8.
bool readTextValue(const OdbcHandle& statement, SQLUSMALLINT column, std::u16string& wideBuffer,
                   std::string& text);
// An approximate number as the driver holds it, a double, or with `single` a
// 4-byte float, given as approximateText gives it.
bool readApproximateValue(const OdbcHandle& statement, SQLUSMALLINT column, bool single,
                          std::string& text);
// A binary value as hexadecimal digits.
bool readBinaryValue(const OdbcHandle& statement, SQLUSMALLINT column, std::string& hex);

// The shortest text that reads back as the same number, replacing text.
void approximateText(double number, std::string& text);
void approximateText(float number, std::string& text);
// Appends the bytes to hex as upper-case hexadecimal digits, two a byte.
void appendHexDigits(const unsigned char* bytes, size_t count, std::string& hex);

} // namespace tallowmere
