#include "ParameterEncoder.h"

#include "AdoType.h"
#include "DatabaseError.h"
#include "DateTimeText.h"
#include "Utf16.h"

#include <sqlext.h>
#include <sqlucode.h>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace tallowmere {
namespace {

// Longer values go as long text and long binaries: drivers hold a plain
// VARCHAR or VARBINARY parameter to the database's own limits for those
// types, the smaller of which are Oracle's: 4,000 bytes of VARCHAR2 and
// 2,000 of RAW.
constexpr size_t kLongTextFrom = 4000;
constexpr size_t kLongBinaryFrom = 2000;

// The forms bound as C numbers and structures: their C and SQL types, ODBC's
// size of each (the characters of "yyyy-mm-dd" and "yyyy-mm-dd
// hh:mm:ss.fffffffff", the decimal digits a double and a float keep), the
// fraction digits a timestamp carries, and their bytes.
struct FixedForm {
    BoundForm form;
    SQLSMALLINT cType;
    SQLSMALLINT sqlType;
    SQLULEN columnSize;
    SQLSMALLINT fractionDigits;
    size_t width;
};
constexpr FixedForm kFixedForms[] = {
    {BoundForm::Date, SQL_C_TYPE_DATE, SQL_TYPE_DATE, 10, 0, sizeof(SQL_DATE_STRUCT)},
    {BoundForm::Timestamp, SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP, 29, 9,
     sizeof(SQL_TIMESTAMP_STRUCT)},
    {BoundForm::Double, SQL_C_DOUBLE, SQL_DOUBLE, 15, 0, sizeof(SQLDOUBLE)},
    {BoundForm::Single, SQL_C_FLOAT, SQL_REAL, 7, 0, sizeof(SQLREAL)},
};

// The form's row when it is bound as a C number or structure.
const FixedForm* fixedForm(BoundForm form) {
    for (const FixedForm& fixed : kFixedForms) {
        if (fixed.form == form)
            return &fixed;
    }
    return nullptr;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The snapshot holds a binary value as hexadecimal digits. Anything that is
// no pairs of digits goes as its own bytes, as the window sends it as text.
void decodeHex(std::string_view hex, std::string& bytes) {
    bytes.clear();
    bytes.reserve(hex.size() / 2);
    if (hex.size() % 2 == 0) {
        for (size_t i = 0; i < hex.size(); i += 2) {
            const int high = hexDigit(hex[i]);
            const int low = hexDigit(hex[i + 1]);
            if (high < 0 || low < 0)
                break;
            bytes += static_cast<char>(high * 16 + low);
        }
        if (bytes.size() * 2 == hex.size())
            return;
    }
    bytes.assign(hex);
}

// The whole text as a number; none when any of it is left over.
template <typename Number> std::optional<Number> numberFromText(std::string_view text) {
    Number number{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

template <typename Value>
Value required(const std::optional<Value>& value, std::string_view text, bool date) {
    if (!value)
        throw ValueNotBound(std::string(text), date);
    return *value;
}

} // namespace

BoundForm BoundFormAsRead(int adoType) {
    return adoType == adLongVarBinary ? BoundForm::Bytes : BoundForm::Text;
}

ParameterEncoder::ParameterEncoder(BoundForm form, bool narrow, bool varBinaryOnly)
    : mForm(form)
    , mNarrow(narrow)
    , mVarBinaryOnly(varBinaryOnly) {}

template <typename Value> std::string_view ParameterEncoder::held(const Value& value) {
    mBytes.assign(reinterpret_cast<const char*>(&value), sizeof value);
    return mBytes;
}

std::optional<std::string_view> ParameterEncoder::encode(const FieldValue& value) {
    if (!value || value->empty())
        return std::nullopt;
    const std::string_view text = *value;
    switch (mForm) {
    case BoundForm::Bytes:
        decodeHex(text, mBytes);
        return std::string_view(mBytes);
    case BoundForm::Date:
        return held(required(DateFromText(text), text, true));
    case BoundForm::Timestamp:
        return held(required(TimestampFromText(text), text, true));
    case BoundForm::Double:
        return held(required(numberFromText<SQLDOUBLE>(text), text, false));
    case BoundForm::Single:
        return held(required(numberFromText<SQLREAL>(text), text, false));
    case BoundForm::Text:
        break;
    }
    if (mNarrow)
        return text;
    assignUtf8AsUtf16(text, mWide);
    return std::string_view(reinterpret_cast<const char*>(mWide.data()),
                            mWide.size() * sizeof(char16_t));
}

SQLSMALLINT ParameterEncoder::cType() const {
    if (const FixedForm* fixed = fixedForm(mForm))
        return fixed->cType;
    if (mForm == BoundForm::Bytes)
        return SQL_C_BINARY;
    return mNarrow ? SQL_C_CHAR : SQL_C_WCHAR;
}

// Numbers held as text go with a text type: the database turns the text into
// the column's number as it does the window's literal. A numeric type would
// have the driver convert it first, cutting digits past the precision and
// scale of the binding.
SQLSMALLINT ParameterEncoder::sqlType(size_t widestBytes) const {
    if (const FixedForm* fixed = fixedForm(mForm))
        return fixed->sqlType;
    if (mForm == BoundForm::Bytes)
        return mVarBinaryOnly || widestBytes <= kLongBinaryFrom ? SQL_VARBINARY : SQL_LONGVARBINARY;
    return columnSize(widestBytes) > kLongTextFrom ? SQL_LONGVARCHAR : SQL_VARCHAR;
}

SQLULEN ParameterEncoder::columnSize(size_t widestBytes) const {
    if (const FixedForm* fixed = fixedForm(mForm))
        return fixed->columnSize;
    const size_t unit = mForm == BoundForm::Text && !mNarrow ? sizeof(char16_t) : 1;
    return std::max<SQLULEN>(1, widestBytes / unit);
}

SQLSMALLINT ParameterEncoder::decimalDigits() const {
    const FixedForm* fixed = fixedForm(mForm);
    return fixed ? fixed->fractionDigits : 0;
}

size_t ParameterEncoder::fixedWidth() const {
    const FixedForm* fixed = fixedForm(mForm);
    return fixed ? fixed->width : 0;
}

} // namespace tallowmere
