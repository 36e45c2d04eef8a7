// How one column's values are bound: the C and SQL types the driver is told,
// and each value's bytes. Private to the data-access layer.
#pragma once

#include "Recordset.h"
#include "RowArrayInsert.h"

#include <sql.h>

#include <optional>
#include <string>
#include <string_view>

namespace tallowmere {

class ParameterEncoder {
public:
    // Text goes in the driver's form: UTF-16, or UTF-8 for a narrow
    // connection. varBinaryOnly: the driver takes long binaries only as
    // SQL_VARBINARY (see TakesLongBinaryAsVarBinary).
    ParameterEncoder(BoundForm form, bool narrow, bool varBinaryOnly);

    bool binary() const { return mForm == BoundForm::Bytes; }
    // The bytes bound for a value, valid until the next call; none for SQL
    // NULL, which a null and an empty value both become. A value that does
    // not read as its form throws ValueNotBound.
    std::optional<std::string_view> encode(const FieldValue& value);

    SQLSMALLINT cType() const;
    // The SQL type and its size in characters (bytes for a binary) for values
    // up to `widestBytes` long.
    SQLSMALLINT sqlType(size_t widestBytes) const;
    SQLULEN columnSize(size_t widestBytes) const;
    SQLSMALLINT decimalDigits() const;
    // The size of every value of a form bound as a C structure or number;
    // 0 for texts and binaries, whose lengths vary.
    size_t fixedWidth() const;

private:
    template <typename Value> std::string_view held(const Value& value);

    BoundForm mForm;
    bool mNarrow;
    bool mVarBinaryOnly;
    std::string mBytes;
    std::u16string mWide;
};

} // namespace tallowmere
