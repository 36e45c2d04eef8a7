#include "ParameterEncoder.h"

#include "AdoType.h"
#include "Utf16.h"

#include <sqlext.h>
#include <sqlucode.h>

#include <algorithm>

namespace tallowmere {
namespace {

// Longer values go as long text and long binaries: drivers hold a plain
// VARCHAR or VARBINARY parameter to the database's own limits for those
// types, the smaller of which are Oracle's: 4,000 bytes of VARCHAR2 and
// 2,000 of RAW.
constexpr size_t kLongTextFrom = 4000;
constexpr size_t kLongBinaryFrom = 2000;

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

} // namespace

ParameterEncoder::ParameterEncoder(int adoType, bool narrow, bool varBinaryOnly)
    : mForm(adoType == adLongVarBinary ? Form::Bytes
            : narrow                   ? Form::NarrowText
                                       : Form::WideText)
    , mVarBinaryOnly(varBinaryOnly) {}

std::optional<std::string_view> ParameterEncoder::encode(const FieldValue& value) {
    if (!value || value->empty())
        return std::nullopt;
    switch (mForm) {
    case Form::Bytes:
        decodeHex(*value, mBytes);
        return std::string_view(mBytes);
    case Form::NarrowText:
        return std::string_view(*value);
    case Form::WideText:
        break;
    }
    assignUtf8AsUtf16(*value, mWide);
    return std::string_view(reinterpret_cast<const char*>(mWide.data()),
                            mWide.size() * sizeof(char16_t));
}

SQLSMALLINT ParameterEncoder::cType() const {
    switch (mForm) {
    case Form::Bytes:
        return SQL_C_BINARY;
    case Form::NarrowText:
        return SQL_C_CHAR;
    case Form::WideText:
        break;
    }
    return SQL_C_WCHAR;
}

// Numbers go as text too, with a text type: the database turns the text into
// the column's number as it does the window's literal. A numeric type would
// have the driver convert it first, cutting digits past the precision and
// scale of the binding.
SQLSMALLINT ParameterEncoder::sqlType(size_t widestBytes) const {
    if (mForm == Form::Bytes)
        return mVarBinaryOnly || widestBytes <= kLongBinaryFrom ? SQL_VARBINARY : SQL_LONGVARBINARY;
    return columnSize(widestBytes) > kLongTextFrom ? SQL_LONGVARCHAR : SQL_VARCHAR;
}

SQLULEN ParameterEncoder::columnSize(size_t widestBytes) const {
    const size_t unit = mForm == Form::WideText ? sizeof(char16_t) : 1;
    return std::max<SQLULEN>(1, widestBytes / unit);
}

} // namespace tallowmere
