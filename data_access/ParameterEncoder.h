// How one column's values are bound: the C and SQL types the driver is told,
// and each value's bytes. Private to the data-access layer.
#pragma once

#include "Recordset.h"

#include <sql.h>

#include <optional>
#include <string>
#include <string_view>

namespace tallowmere {

class ParameterEncoder {
public:
    // A long binary (ADO code 205) goes as its bytes, anything else as text
    // in the driver's form: UTF-16, or UTF-8 for a narrow connection.
    // varBinaryOnly: the driver takes long binaries only as SQL_VARBINARY
    // (see TakesLongBinaryAsVarBinary).
    ParameterEncoder(int adoType, bool narrow, bool varBinaryOnly);

    bool binary() const { return mForm == Form::Bytes; }
    // The bytes bound for a value, valid until the next call; none for SQL
    // NULL, which a null and an empty value both become.
    std::optional<std::string_view> encode(const FieldValue& value);

    SQLSMALLINT cType() const;
    // The SQL type and its size in characters (bytes for a binary) for values
    // up to `widestBytes` long.
    SQLSMALLINT sqlType(size_t widestBytes) const;
    SQLULEN columnSize(size_t widestBytes) const;

private:
    enum class Form { WideText, NarrowText, Bytes };

    Form mForm;
    bool mVarBinaryOnly;
    std::string mBytes;
    std::u16string mWide;
};

} // namespace tallowmere
