// Rows sent through one prepared INSERT as parameter arrays: values bound,
// never spliced into the statement's text. Rows are copied in from a
// recordset, then sent together and kept until clear(), so a failing array
// can be sent again row by row.
#pragma once

#include "Recordset.h"

#include <cstddef>

namespace tallowmere {

// The most one array's buffers hold, all its columns together: each
// column's widest value times the rows held, summed. Wide values, or many
// wide columns, make an array shorter, not larger.
inline constexpr size_t kRowArrayBudget = size_t(64) << 20;

// How a column's values are bound. Every value is read as text; it goes as
// that text, as the bytes its hexadecimal digits give, or, read from its ISO
// text, as the date, timestamp or number it is, so no session's formats
// stand between it and the column.
enum class BoundForm { Text, Bytes, Date, Timestamp, Double, Single };

// The window's forms: a long binary as its bytes, anything else as text.
BoundForm BoundFormAsRead(int adoType);

class RowArrayInsert {
public:
    virtual ~RowArrayInsert() = default;

    // The most rows it holds: the arrayRows it was prepared with.
    virtual size_t capacity() const = 0;
    // The rows held now.
    virtual size_t size() const = 0;
    // Copies the current row's values into the next slot and returns true.
    // Returns false and takes nothing when the array is full, or when holding
    // the row would take its columns together past kRowArrayBudget; an empty
    // array takes any row. The caller then sends what is held (executeAll),
    // clears, and adds the same row again. A null or empty value goes as
    // SQL NULL.
    [[nodiscard]] virtual bool addRow(const Recordset& row) = 0;
    // Sends every held row, rowsPerExecution rows per execution. Throws
    // DatabaseError when the database refuses any of them; the rows stay held.
    virtual void executeAll() = 0;
    // Sends the held row at index alone, as executeAll() does. An index past
    // the rows held throws the ADO "no current record" error.
    virtual void executeRow(size_t index) = 0;
    // Lets go of the held rows, keeping the room they took for the next array.
    virtual void clear() = 0;
};

} // namespace tallowmere
