#include "DateTimeText.h"

namespace tallowmere {
namespace {

// One field of a date or time: its digits, and the values it takes.
struct Field {
    int digits;
    int low;
    int high;
};
constexpr Field kYear{4, 1, 9999}, kMonth{2, 1, 12}, kDay{2, 1, 31}, kHour{2, 0, 23},
    kMinute{2, 0, 59}, kSecond{2, 0, 59};
// A fraction of a second has up to nine digits, as nanoseconds.
constexpr int kFractionDigits = 9;

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
    // The field's digits, as a value it takes.
    std::optional<int> number(const Field& field) {
        if (mText.size() - mAt < static_cast<size_t>(field.digits))
            return std::nullopt;
        int value = 0;
        for (int i = 0; i < field.digits; ++i, ++mAt) {
            const char c = mText[mAt];
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + (c - '0');
        }
        if (value < field.low || value > field.high)
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
    const auto year = reader.number(kYear);
    if (!year || !reader.skip('-'))
        return std::nullopt;
    const auto month = reader.number(kMonth);
    if (!month || !reader.skip('-'))
        return std::nullopt;
    const auto day = reader.number(kDay);
    if (!day)
        return std::nullopt;
    return SQL_DATE_STRUCT{static_cast<SQLSMALLINT>(*year), static_cast<SQLUSMALLINT>(*month),
                           static_cast<SQLUSMALLINT>(*day)};
}

// The time of day after the date, when there is one.
bool readTime(Reader& reader, SQL_TIMESTAMP_STRUCT& time) {
    const auto hour = reader.number(kHour);
    if (!hour || !reader.skip(':'))
        return false;
    const auto minute = reader.number(kMinute);
    if (!minute)
        return false;
    time.hour = static_cast<SQLUSMALLINT>(*hour);
    time.minute = static_cast<SQLUSMALLINT>(*minute);
    if (!reader.skip(':'))
        return reader.atEnd();
    const auto second = reader.number(kSecond);
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
