// Dates and timestamps read from the ISO text drivers give them in
// ("2024-02-29", "2024-02-29 13:14:15.123"), into the structures ODBC binds.
// Private to the data-access layer.
#pragma once

#include <sql.h>

#include <optional>
#include <string_view>

namespace tallowmere {

// A date, alone or with a time of day of midnight; none for any other text.
std::optional<SQL_DATE_STRUCT> DateFromText(std::string_view text);

// A date, then optionally a time of day after a blank or a "T": hours and
// minutes, then optionally seconds and up to nine digits of their fraction.
// None for any other text.
std::optional<SQL_TIMESTAMP_STRUCT> TimestampFromText(std::string_view text);

} // namespace tallowmere
