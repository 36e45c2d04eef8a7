// A result read whole to the client before its first row is used, so its row
// count is known up front. Rows are read forward with eof()/moveNext().
#pragma once

#include "DecimalDigits.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallowmere {

// A value as text in the driver's own character form, or no value (null).
using FieldValue = std::optional<std::string>;

struct FieldInfo {
    std::string name;
    int adoType = 0;    // ADO DataTypeEnum code
    long precision = 0; // as the driver reports it; 0 when it reports none
    long scale = 0;
    // The widest of the values read whole, for the numbers only: decimals,
    // integers and approximate numbers.
    DecimalDigits widest{};
    // The longest value read whole, in bytes, and whether any was empty.
    size_t longest = 0;
    bool holdsEmpty = false;
};

class Recordset {
public:
    virtual ~Recordset() = default;

    virtual long recordCount() const = 0;
    virtual bool eof() const = 0;
    virtual void moveNext() = 0;
    virtual void close() = 0;

    virtual int fieldCount() const = 0;
    virtual const FieldInfo& fieldInfo(int index) const = 0;
    // The current row's value of a field; valid until the next moveNext().
    virtual const FieldValue& value(int index) const = 0;

    // Field position by name, as ADO's Fields("NAME"); throws when absent.
    int fieldIndex(std::string_view name) const;
    const FieldValue& value(std::string_view name) const { return value(fieldIndex(name)); }
};

} // namespace tallowmere
