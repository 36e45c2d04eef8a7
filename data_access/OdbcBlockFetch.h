// Reading a result a block of rows at a time: each column bound to an array
// of its values, many rows a fetch, the caller taking the rows as they come.
// Private to the data-access layer.
#pragma once

#include "OdbcHandle.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

class Snapshot;

// At most so many rows a fetch.
inline constexpr size_t kBlockRows = 500;
// The most one block's buffers hold, all its columns together: fewer rows
// a fetch for wide columns, never more memory.
inline constexpr size_t kBlockFetchBudget = size_t(16) << 20;
// The most bytes one value of a bound column may take. A column whose values
// may be longer (a long text or binary, or a size described above this) is
// not bound, and its result is read a row a fetch.
inline constexpr size_t kLongestBoundValue = size_t(16) << 10;

// How a column's values are read: as the driver's text, as bytes (given as
// hexadecimal digits), or as the approximate number the driver holds.
enum class ValueForm { Text, Binary, Double, Single };
// A column's form by its ADO type.
ValueForm ValueFormOf(int adoType, bool approximateAsText);

// How far a driver lets a result be read through bound columns. A bound
// value can come back cut short even where the driver's types bound their
// values (PostgreSQL's driver describes an unconstrained NUMERIC as 28
// digits), and SQLite's types bound nothing at all (a VARCHAR(4) holds any
// text). Such a value is read again with SQLGetData, which a driver allows
// on a bound column only with SQL_GD_BOUND, and on a row of a block of many
// only with SQL_GD_BLOCK, after SQLSetPos puts the cursor on that row; a
// forward-only cursor can fetch no block twice. Every bound value is checked
// for being cut short, whatever the driver's types promise (DriverRules'
// DeclaredTypesBoundValues), so the choice rests on SQLGetData alone:
enum class BoundReading {
    None,       // every value with SQLGetData, a row a fetch
    RowAtATime, // bound, a row a fetch: SQL_GD_BOUND without SQL_GD_BLOCK
    Blocks,     // bound, a block a fetch: SQL_GD_BOUND and SQL_GD_BLOCK
};
// What the connected driver allows, by its SQL_GETDATA_EXTENSIONS.
BoundReading BoundReadingOf(const OdbcHandle& connection);

class OdbcBlockFetch {
public:
    // On a statement whose result is ready to fetch, forms by column. Binds
    // the columns as `reading` allows, unless a column's values have no
    // bounded size: then every value is read with SQLGetData.
    OdbcBlockFetch(const OdbcHandle& statement, std::vector<ValueForm> forms, BoundReading reading);
    // Leaves the statement unbound and fetching a row a time.
    ~OdbcBlockFetch();
    OdbcBlockFetch(const OdbcBlockFetch&) = delete;
    OdbcBlockFetch& operator=(const OdbcBlockFetch&) = delete;

    // The most rows one block holds; 1 for a result read a row a fetch.
    size_t blockRows() const { return mBlockRows; }
    // Whether the columns are bound.
    bool bound() const { return !mColumns.empty(); }

    // Fetches the next block and returns its rows, 0 once the result is read.
    // Throws DatabaseError when the driver fails the fetch or any row of it.
    size_t nextBlock();
    // The value at `column` (from 0) of the block's row `row` (from 0): its
    // text, or nothing for NULL. The view holds until the next value is taken.
    // Take a block's rows in order and each row's values left to right, once
    // each: a value not bound, or cut short, is read from the driver then.
    std::optional<std::string_view> value(size_t row, size_t column);
    // Appends the row's values to the snapshot and ends the row there.
    void appendRow(size_t row, Snapshot& snapshot);

private:
    struct Column {
        ValueForm form;
        SQLSMALLINT cType;
        size_t width;  // the bytes of one value's buffer
        size_t offset; // where its array starts in mValues
        size_t room;   // the longest value the buffer holds whole
    };

    // False when the result is better read a value at a time.
    bool bindColumns(BoundReading reading);
    void unbind() noexcept;
    void setAttribute(SQLINTEGER attribute, SQLPOINTER value);
    std::optional<std::string_view> boundValue(size_t row, size_t column);
    // Reads the value with SQLGetData; in a block, on its row.
    std::optional<std::string_view> readValue(size_t row, size_t column);

    const OdbcHandle& mStatement;
    std::vector<ValueForm> mForms;
    std::vector<Column> mColumns; // empty when no column is bound
    std::unique_ptr<unsigned char[]> mValues;
    std::vector<SQLLEN> mIndicators; // column c's at c * mBlockRows
    std::vector<SQLUSMALLINT> mStatuses;
    SQLULEN mFetched = 0;
    size_t mBlockRows = 1;
    std::string mText;    // the value handed out, when it is not a bound text
    std::u16string mWide; // a wide text as read with SQLGetData
};

} // namespace tallowmere
