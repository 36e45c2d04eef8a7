#include "DateTimeText.h"

namespace tallowmere {
namespace {

constexpr int kYearDigits = 4;
constexpr int kFieldDigits = 2; // month, day, hours, minutes, seconds
constexpr int kFractionDigits = 9;
constexpr int kLastYear = 9999;
constexpr int kLastMonth = 12;
constexpr int kLastDay = 31;
constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;
constexpr int kLastSecond = 59;

// Reads the text from its start, field by field.
class Reader {
public:
    explicit Reader(std::string_view text)
        : mText(text) {}

    bool atEnd() const { return mAt == mText.size(); }
    bool skip(char c) {
        if (atEnd() || mText[mAt] != c)
            return false;
        ++mAt;
        return true;
    }
    bool skipOneOf(char a, char b) { return skip(a) || skip(b); }
    // Exactly `count` digits as a number from `low` to `high`.
    std::optional<int> number(int count, int low, int high) {
        if (mText.size() - mAt < static_cast<size_t>(count))
            return std::nullopt;
        int value = 0;
        for (int i = 0; i < count; ++i, ++mAt) {
            const char c = mText[mAt];
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + (c - '0');
        }
        if (value < low || value > high)
            return std::nullopt;
        return value;
    }
    // One to nine digits after the point, as nanoseconds.
    std::optional<SQLUINTEGER> fraction() {
        SQLUINTEGER nanoseconds = 0;
        int digits = 0;
        for (; !atEnd() && mText[mAt] >= '0' && mText[mAt] <= '9'; ++mAt, ++digits) {
            if (digits == kFractionDigits)
                return std::nullopt;
            nanoseconds = nanoseconds * 10 + static_cast<SQLUINTEGER>(mText[mAt] - '0');
        }
        if (digits == 0)
            return std::nullopt;
        for (; digits < kFractionDigits; ++digits)
            nanoseconds *= 10;
        return nanoseconds;
    }

private:
    std::string_view mText;
    size_t mAt = 0;
};

std::optional<SQL_DATE_STRUCT> readDate(Reader& reader) {
    const auto year = reader.number(kYearDigits, 1, kLastYear);
    if (!year || !reader.skip('-'))
        return std::nullopt;
    const auto month = reader.number(kFieldDigits, 1, kLastMonth);
    if (!month || !reader.skip('-'))
        return std::nullopt;
    const auto day = reader.number(kFieldDigits, 1, kLastDay);
    if (!day)
        return std::nullopt;
    return SQL_DATE_STRUCT{static_cast<SQLSMALLINT>(*year), static_cast<SQLUSMALLINT>(*month),
                           static_cast<SQLUSMALLINT>(*day)};
}

// The time of day after the date, when there is one.
bool readTime(Reader& reader, SQL_TIMESTAMP_STRUCT& time) {
    const auto hour = reader.number(kFieldDigits, 0, kLastHour);
    if (!hour || !reader.skip(':'))
        return false;
    const auto minute = reader.number(kFieldDigits, 0, kLastMinute);
    if (!minute)
        return false;
    time.hour = static_cast<SQLUSMALLINT>(*hour);
    time.minute = static_cast<SQLUSMALLINT>(*minute);
    if (!reader.skip(':'))
        return reader.atEnd();
    const auto second = reader.number(kFieldDigits, 0, kLastSecond);
    if (!second)
        return false;
    time.second = static_cast<SQLUSMALLINT>(*second);
    if (!reader.skip('.'))
        return reader.atEnd();
    const auto fraction = reader.fraction();
    if (!fraction)
        return false;
    time.fraction = *fraction;
    return reader.atEnd();
}

} // namespace

std::optional<SQL_TIMESTAMP_STRUCT> TimestampFromText(std::string_view text) {
    Reader reader(text);
    const auto date = readDate(reader);
    if (!date)
        return std::nullopt;
    SQL_TIMESTAMP_STRUCT timestamp{date->year, date->month, date->day, 0, 0, 0, 0};
    if (reader.atEnd())
        return timestamp;
    if (!reader.skipOneOf(' ', 'T') || !readTime(reader, timestamp))
        return std::nullopt;
    return timestamp;
}

std::optional<SQL_DATE_STRUCT> DateFromText(std::string_view text) {
    const auto timestamp = TimestampFromText(text);
    if (!timestamp || timestamp->hour != 0 || timestamp->minute != 0 || timestamp->second != 0 ||
        timestamp->fraction != 0)
        return std::nullopt;
    return SQL_DATE_STRUCT{timestamp->year, timestamp->month, timestamp->day};
}

} // namespace tallowmere
