// Text across the ODBC calls: the wide calls for drivers that take UTF-16,
// the narrow calls with UTF-8 for drivers that take only bytes. Private to
// the data-access layer.
#pragma once

#include "OdbcHandle.h"

#include <string>

namespace tallowmere {

class Snapshot;

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
// Reads one value whole, in modest pieces, into the snapshot (text or null).
void readTextValue(const OdbcHandle& statement, SQLUSMALLINT column, std::u16string& wideBuffer,
                   std::string& text, Snapshot& snapshot);
// Reads one approximate number as the driver holds it, a double, or with
// `single` a 4-byte float, and keeps it as the shortest text that reads back
// as the same number.
void readApproximateValue(const OdbcHandle& statement, SQLUSMALLINT column, bool single,
                          Snapshot& snapshot);
// Reads one binary value whole as hexadecimal digits.
void readBinaryValue(const OdbcHandle& statement, SQLUSMALLINT column, std::string& hex,
                     Snapshot& snapshot);

} // namespace tallowmere
