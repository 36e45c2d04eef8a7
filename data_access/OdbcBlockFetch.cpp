#include "OdbcBlockFetch.h"

#include "AdoType.h"
#include "DatabaseError.h"
#include "OdbcText.h"
#include "Snapshot.h"
#include "Utf16.h"

#include <sqlucode.h>

#include <algorithm>
#include <cstring>

namespace tallowmere {
namespace {

// Room for the text of any number, date or timestamp a driver gives, whatever
// size it describes: SQLite's driver says 10 for an INTEGER that holds 64
// bits, and PostgreSQL's 10 for a DATE that may read "5874897-12-31".
constexpr SQLLEN kLeastBoundCharacters = 40;
// The most a character takes: bytes in UTF-8, code units in UTF-16.
constexpr size_t kUtf8CharacterBytes = 4;
constexpr size_t kUtf16CharacterUnits = 2;
// Each column's array starts at a multiple of this, as its values require.
constexpr size_t kArrayAlignment = alignof(SQLDOUBLE);

bool isLongType(SQLLEN sqlType) {
    return sqlType == SQL_LONGVARCHAR || sqlType == SQL_WLONGVARCHAR ||
           sqlType == SQL_LONGVARBINARY;
}

// The bytes one value of the column takes bound; nothing when its values
// have no size the read can bind: a long type, a size not described, or one
// past kLongestBoundValue.
std::optional<size_t> boundWidth(const OdbcHandle& statement, SQLUSMALLINT column, ValueForm form) {
    if (form == ValueForm::Double)
        return sizeof(SQLDOUBLE);
    if (form == ValueForm::Single)
        return sizeof(SQLREAL);
    const SQLLEN length = columnAttribute(statement, column, SQL_DESC_LENGTH);
    if (length <= 0 || isLongType(columnAttribute(statement, column, SQL_DESC_CONCISE_TYPE)))
        return std::nullopt;
    size_t bytes;
    if (form == ValueForm::Binary) {
        bytes = size_t(std::max(length, columnAttribute(statement, column, SQL_DESC_OCTET_LENGTH)));
    } else {
        const auto characters =
            size_t(std::max({length, columnAttribute(statement, column, SQL_DESC_DISPLAY_SIZE),
                             kLeastBoundCharacters}));
        bytes = statement.narrow() ? characters * kUtf8CharacterBytes + 1
                                   : (characters * kUtf16CharacterUnits + 1) * sizeof(char16_t);
    }
    if (bytes > kLongestBoundValue)
        return std::nullopt;
    return bytes;
}

SQLSMALLINT cTypeOf(ValueForm form, bool narrow) {
    switch (form) {
    case ValueForm::Binary:
        return SQL_C_BINARY;
    case ValueForm::Double:
        return SQL_C_DOUBLE;
    case ValueForm::Single:
        return SQL_C_FLOAT;
    case ValueForm::Text:
        break;
    }
    return narrow ? SQL_C_CHAR : SQL_C_WCHAR;
}

// The longest value a buffer of `width` bytes holds whole: a text leaves
// room for its terminating null.
size_t roomOf(ValueForm form, size_t width, bool narrow) {
    if (form != ValueForm::Text)
        return width;
    return width - (narrow ? sizeof(char) : sizeof(char16_t));
}

size_t alignedUp(size_t bytes) {
    return (bytes + kArrayAlignment - 1) / kArrayAlignment * kArrayAlignment;
}

template <typename Number> Number numberAt(const unsigned char* at) {
    Number number;
    std::memcpy(&number, at, sizeof number);
    return number;
}

} // namespace

ValueForm ValueFormOf(int adoType, bool approximateAsText) {
    if (adoType == adBinary || adoType == adVarBinary || adoType == adLongVarBinary)
        return ValueForm::Binary;
    if (adoType == adDouble && !approximateAsText)
        return ValueForm::Double;
    if (adoType == adSingle && !approximateAsText)
        return ValueForm::Single;
    return ValueForm::Text;
}

BoundReading BoundReadingOf(const OdbcHandle& connection) {
    SQLUINTEGER extensions = 0;
    if (!SQL_SUCCEEDED(SQLGetInfo(connection.get(), SQL_GETDATA_EXTENSIONS, &extensions,
                                  SQLSMALLINT(sizeof extensions), nullptr)) ||
        !(extensions & SQL_GD_BOUND))
        return BoundReading::None;
    return extensions & SQL_GD_BLOCK ? BoundReading::Blocks : BoundReading::RowAtATime;
}

OdbcBlockFetch::OdbcBlockFetch(const OdbcHandle& statement, std::vector<ValueForm> forms,
                               BoundReading reading)
    : mStatement(statement)
    , mForms(std::move(forms)) {
    try {
        if (!bindColumns(reading)) {
            mColumns.clear();
            mBlockRows = 1;
        }
    } catch (...) {
        unbind();
        throw;
    }
}

OdbcBlockFetch::~OdbcBlockFetch() {
    if (bound())
        unbind();
}

void OdbcBlockFetch::unbind() noexcept {
    // The statement keeps no pointer into buffers about to go. Failures here
    // have no one to tell, and leave a statement its owner frees anyway.
    (void)SQLFreeStmt(mStatement.get(), SQL_UNBIND);
    (void)SQLSetStmtAttr(mStatement.get(), SQL_ATTR_ROW_STATUS_PTR, nullptr, 0);
    (void)SQLSetStmtAttr(mStatement.get(), SQL_ATTR_ROWS_FETCHED_PTR, nullptr, 0);
    (void)SQLSetStmtAttr(mStatement.get(), SQL_ATTR_ROW_ARRAY_SIZE,
                         reinterpret_cast<SQLPOINTER>(SQLULEN(1)), 0);
}

void OdbcBlockFetch::setAttribute(SQLINTEGER attribute, SQLPOINTER value) {
    check(SQLSetStmtAttr(mStatement.get(), attribute, value, 0), mStatement);
}

bool OdbcBlockFetch::bindColumns(BoundReading reading) {
    if (reading == BoundReading::None || mForms.empty())
        return false;
    const bool narrow = mStatement.narrow();
    size_t rowBytes = 0;
    for (size_t column = 0; column < mForms.size(); ++column) {
        const ValueForm form = mForms[column];
        const std::optional<size_t> width = boundWidth(mStatement, SQLUSMALLINT(column + 1), form);
        if (!width)
            return false;
        mColumns.push_back({form, cTypeOf(form, narrow), *width, 0, roomOf(form, *width, narrow)});
        rowBytes += *width + sizeof(SQLLEN);
    }
    if (reading == BoundReading::Blocks)
        mBlockRows = std::clamp(kBlockFetchBudget / rowBytes, size_t(1), kBlockRows);
    setAttribute(SQL_ATTR_ROW_BIND_TYPE, reinterpret_cast<SQLPOINTER>(SQLULEN(SQL_BIND_BY_COLUMN)));
    if (mBlockRows > 1) {
        setAttribute(SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(SQLULEN(mBlockRows)));
        // A driver may take fewer rows than asked, and says so only here.
        SQLULEN taken = 0;
        check(SQLGetStmtAttr(mStatement.get(), SQL_ATTR_ROW_ARRAY_SIZE, &taken, 0, nullptr),
              mStatement);
        if (taken == 0 || taken > mBlockRows) {
            unbind();
            return false;
        }
        mBlockRows = taken;
    }
    size_t bytes = 0;
    for (Column& column : mColumns) {
        column.offset = bytes;
        bytes += alignedUp(column.width * mBlockRows);
    }
    mValues = std::make_unique_for_overwrite<unsigned char[]>(bytes);
    mIndicators.assign(mColumns.size() * mBlockRows, 0);
    mStatuses.assign(mBlockRows, SQL_ROW_NOROW);
    setAttribute(SQL_ATTR_ROWS_FETCHED_PTR, &mFetched);
    setAttribute(SQL_ATTR_ROW_STATUS_PTR, mStatuses.data());
    for (size_t index = 0; index < mColumns.size(); ++index) {
        const Column& column = mColumns[index];
        check(SQLBindCol(mStatement.get(), SQLUSMALLINT(index + 1), column.cType,
                         mValues.get() + column.offset, SQLLEN(column.width),
                         &mIndicators[index * mBlockRows]),
              mStatement);
    }
    return true;
}

size_t OdbcBlockFetch::nextBlock() {
    mFetched = 0;
    if (check(SQLFetch(mStatement.get()), mStatement, true) == SQL_NO_DATA)
        return 0;
    if (!bound())
        return 1;
    const size_t rows = std::min(size_t(mFetched), mBlockRows);
    // A fetch of many rows that fails some of them still succeeds as a whole.
    for (size_t row = 0; row < rows; ++row)
        if (mStatuses[row] == SQL_ROW_ERROR)
            check(SQL_ERROR, mStatement); // throws the fetch's diagnostics
    if (rows == 0) // a driver that fetched without saying how many: no row may pass unread
        throw DatabaseError(0, "HY000", "The ODBC driver did not say how many rows it fetched.");
    return rows;
}

std::optional<std::string_view> OdbcBlockFetch::value(size_t row, size_t column) {
    return bound() ? boundValue(row, column) : readValue(row, column);
}

std::optional<std::string_view> OdbcBlockFetch::boundValue(size_t row, size_t column) {
    const Column& bound = mColumns[column];
    const SQLLEN indicator = mIndicators[column * mBlockRows + row];
    if (indicator == SQL_NULL_DATA)
        return std::nullopt;
    const unsigned char* const at = mValues.get() + bound.offset + row * bound.width;
    switch (bound.form) {
    case ValueForm::Double:
        approximateText(numberAt<SQLDOUBLE>(at), mText);
        return mText;
    case ValueForm::Single:
        approximateText(numberAt<SQLREAL>(at), mText);
        return mText;
    case ValueForm::Binary:
    case ValueForm::Text:
        break;
    }
    if (indicator == SQL_NO_TOTAL || size_t(indicator) > bound.room)
        return readValue(row, column); // cut short: every character counts
    if (bound.form == ValueForm::Binary) {
        mText.clear();
        appendHexDigits(at, size_t(indicator), mText);
        return mText;
    }
    if (mStatement.narrow())
        return std::string_view(reinterpret_cast<const char*>(at), size_t(indicator));
    mText.clear();
    appendUtf16AsUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(at),
                                          size_t(indicator) / sizeof(char16_t)),
                      mText);
    return mText;
}

std::optional<std::string_view> OdbcBlockFetch::readValue(size_t row, size_t column) {
    if (mBlockRows > 1)
        check(SQLSetPos(mStatement.get(), SQLSETPOSIROW(row + 1), SQL_POSITION, SQL_LOCK_NO_CHANGE),
              mStatement);
    const auto number = SQLUSMALLINT(column + 1);
    bool present = false;
    switch (mForms[column]) {
    case ValueForm::Binary:
        present = readBinaryValue(mStatement, number, mText);
        break;
    case ValueForm::Double:
    case ValueForm::Single:
        present =
            readApproximateValue(mStatement, number, mForms[column] == ValueForm::Single, mText);
        break;
    case ValueForm::Text:
        present = readTextValue(mStatement, number, mWide, mText);
        break;
    }
    if (!present)
        return std::nullopt;
    return mText;
}

void OdbcBlockFetch::appendRow(size_t row, Snapshot& snapshot) {
    for (size_t column = 0; column < mForms.size(); ++column) {
        if (const std::optional<std::string_view> text = value(row, column))
            snapshot.appendValue(*text);
        else
            snapshot.appendNull();
    }
    snapshot.endRow();
}

} // namespace tallowmere
