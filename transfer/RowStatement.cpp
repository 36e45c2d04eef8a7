#include "RowStatement.h"

#include <algorithm>
#include <cstring>

namespace tallowmere {

namespace {

// Finds the characters of a value that must be doubled. memchr scans a long
// text many bytes at a time, where a character-by-character search of a set
// would cost most of the time spent building a row; each character's next
// place is kept until passed, so a text full of one never rescans for the other.
class DoubledCharacters {
public:
    DoubledCharacters(std::string_view value, bool backslashes)
        : mValue(value)
        , mQuote(find('\'', 0))
        , mBackslash(backslashes ? find('\\', 0) : value.size()) {}

    // The first one at or after start; the value's size when there is none.
    size_t next(size_t start) {
        if (mQuote < start)
            mQuote = find('\'', start);
        if (mBackslash < start)
            mBackslash = find('\\', start);
        return std::min(mQuote, mBackslash);
    }

private:
    size_t find(char wanted, size_t start) const {
        if (start >= mValue.size())
            return mValue.size();
        const void* at = std::memchr(mValue.data() + start, wanted, mValue.size() - start);
        return at ? static_cast<size_t>(static_cast<const char*>(at) - mValue.data())
                  : mValue.size();
    }

    std::string_view mValue;
    size_t mQuote;
    size_t mBackslash;
};

} // namespace

void appendLiteral(std::string& statement, std::string_view value, Side target) {
    DoubledCharacters doubled(value, target == Side::SqlAnywhere);
    statement += '\'';
    size_t start = 0;
    for (size_t at; (at = doubled.next(start)) < value.size(); start = at + 1) {
        statement.append(value, start, at + 1 - start);
        statement += value[at];
    }
    statement.append(value, start);
    statement += '\'';
}

RowStatementBuilder::RowStatementBuilder(Side target, const std::string& tableName)
    : mTarget(target)
    , mStart("INSERT INTO " + QuoteIdentifier(tableName) + " VALUES(") {}

const std::string& RowStatementBuilder::build(const Recordset& row, EventPump& events) {
    mText.assign(mStart);
    const int fields = row.fieldCount();
    for (int i = 0; i < fields; ++i) {
        events.yield();
        if (i > 0)
            mText += ", ";
        const FieldValue& value = row.value(i);
        if (!value || value->empty())
            mText += "NULL";
        else
            appendLiteral(mText, *value, mTarget);
    }
    mText += ')';
    return mText;
}

std::string RowStatement(Side target, const std::string& tableName, const Recordset& row,
                         EventPump& events) {
    RowStatementBuilder builder(target, tableName);
    return builder.build(row, events);
}

} // namespace tallowmere
