#include "RowStatement.h"

#include "data_access/AdoType.h"

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

bool isLongBinary(int adoType) {
    return static_cast<int16_t>(adoType) == adLongVarBinary;
}

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

void appendByteEscapes(std::string& statement, std::string_view hexDigits) {
    // Only pairs of digits can be escapes; anything else stays a plain literal.
    if (hexDigits.size() % 2 != 0 ||
        hexDigits.find_first_not_of("0123456789ABCDEFabcdef") != std::string_view::npos) {
        appendLiteral(statement, hexDigits, Side::SqlAnywhere);
        return;
    }
    statement.reserve(statement.size() + hexDigits.size() * 2 + 2); // "\\x" before every two digits
    statement += '\'';
    for (size_t at = 0; at < hexDigits.size(); at += 2) {
        statement += "\\x";
        statement.append(hexDigits.substr(at, 2));
    }
    statement += '\'';
}

RowStatementBuilder::RowStatementBuilder(Side target, const std::string& tableName)
    : mTarget(target)
    , mStart(InsertStart(tableName)) {}

const std::vector<bool>& RowStatementBuilder::escapedFields(const Recordset& row) {
    if (!mEscapedKnown) {
        for (int i = 0; i < row.fieldCount(); ++i)
            mEscaped.push_back(mTarget == Side::SqlAnywhere &&
                               isLongBinary(row.fieldInfo(i).adoType));
        mEscapedKnown = true;
    }
    return mEscaped;
}

const std::string& RowStatementBuilder::build(const Recordset& row, EventPump& events) {
    mText.assign(mStart);
    const std::vector<bool>& escaped = escapedFields(row);
    const int fields = row.fieldCount();
    for (int i = 0; i < fields; ++i) {
        events.yield();
        if (i > 0)
            mText += kInsertValueSeparator;
        const FieldValue& value = row.value(i);
        if (!value || value->empty())
            mText += kInsertNull;
        else if (escaped[size_t(i)])
            appendByteEscapes(mText, *value);
        else
            appendLiteral(mText, *value, mTarget);
    }
    mText += kInsertEnd;
    return mText;
}

std::string RowStatement(Side target, const std::string& tableName, const Recordset& row,
                         EventPump& events) {
    RowStatementBuilder builder(target, tableName);
    return builder.build(row, events);
}

} // namespace tallowmere
