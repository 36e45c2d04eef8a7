#include "OdbcText.h"

#include "DriverRules.h"

#include "Utf16.h"

#include <sqlucode.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

#include <dlfcn.h>
#include <link.h>

namespace tallowmere {
namespace {

// Room for a short text of SQLGetInfo, such as the database system's name.
constexpr SQLSMALLINT kInfoTextRoom = 256;

// Drivers slow down sharply when asked with a large buffer for every value.
constexpr size_t kChunk = 4096;

bool truncated(SQLRETURN rc, SQLLEN indicator, size_t room) {
    return rc == SQL_SUCCESS_WITH_INFO && (indicator == SQL_NO_TOTAL || size_t(indicator) > room);
}

// Calls get(buffer, size, indicator) until the value is whole; append(bytes,
// count) receives each piece. Returns false for a null value.
template <typename Get, typename Append>
bool readPieces(const OdbcHandle& statement, size_t room, size_t unit, Get get, Append append) {
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = get(&indicator);
        if (rc == SQL_NO_DATA)
            return true;
        check(rc, statement);
        if (indicator == SQL_NULL_DATA)
            return false;
        const bool more = truncated(rc, indicator, room);
        append(more ? room / unit : size_t(indicator) / unit);
        if (!more)
            return true;
    }
}

// Room for the text of any double: the longest, such as
// "-2.2250738585072014e-308" or "-0.00012345678901234567", take 24.
constexpr size_t kNumberRoom = 32;
// Below this power of ten a number is written with an exponent, as printf's
// %g does; from its type's digits10 (15 for a double) upwards too.
constexpr int kLowestFixedExponent = -4;
// The non-numbers as PostgreSQL writes and reads them.
constexpr std::string_view kNotANumber = "NaN";
constexpr std::string_view kInfinity = "Infinity";
constexpr std::string_view kMinusInfinity = "-Infinity";

std::to_chars_result fitted(std::to_chars_result written) {
    if (written.ec != std::errc())
        throw std::length_error("No room for the text of a number.");
    return written;
}

// The fewest digits that read back as the same number, whatever the locale
// (to_chars without a precision), laid out as printf's %g would: so a value
// whose driver text was exact reads as the same text as before, and 1000000
// stays 1000000 rather than 1e+06.
template <typename Number>
std::string_view shortestText(Number number, std::array<char, kNumberRoom>& room) {
    if (std::isnan(number))
        return kNotANumber;
    if (std::isinf(number))
        return number < 0 ? kMinusInfinity : kInfinity;
    char* const first = room.data();
    char* const last = first + room.size();
    char* end = fitted(std::to_chars(first, last, number, std::chars_format::scientific)).ptr;
    const char* const e = std::find(first, end, 'e');
    const char* const digits = e == end ? end : e + (e[1] == '+' ? 2 : 1);
    int exponent = 0;
    if (std::from_chars(digits, end, exponent).ec != std::errc())
        throw std::logic_error("A number's text has no exponent.");
    if (exponent >= kLowestFixedExponent && exponent < std::numeric_limits<Number>::digits10)
        end = fitted(std::to_chars(first, last, number, std::chars_format::fixed)).ptr;
    return std::string_view(first, static_cast<size_t>(end - first));
}

template <typename Number> void assignShortestText(Number number, std::string& text) {
    std::array<char, kNumberRoom> room;
    text.assign(shortestText(number, room));
}

template <typename Number>
bool readNumber(const OdbcHandle& statement, SQLUSMALLINT column, SQLSMALLINT cType,
                std::string& text) {
    Number number{};
    SQLLEN indicator = 0;
    check(SQLGetData(statement.get(), column, cType, &number, SQLLEN(sizeof number), &indicator),
          statement);
    if (indicator == SQL_NULL_DATA)
        return false;
    assignShortestText(number, text);
    return true;
}

} // namespace

std::string infoText(const OdbcHandle& connection, SQLUSMALLINT item) {
    SQLCHAR text[kInfoTextRoom] = {};
    SQLSMALLINT length = 0;
    check(SQLGetInfo(connection.get(), item, text, SQLSMALLINT(sizeof text), &length), connection);
    return reinterpret_cast<const char*>(text);
}

std::string driverName(const OdbcHandle& connection) {
    SQLCHAR name[512] = {};
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(
            SQLGetInfo(connection.get(), SQL_DRIVER_NAME, name, SQLSMALLINT(sizeof name), &length)))
        return {};
    return reinterpret_cast<const char*>(name);
}

bool driverTakesWideText(const OdbcHandle& connection) {
    // The driver manager hands wide calls straight to a driver that has them;
    // for one that has not, it narrows the text in a way that loses every
    // character past Latin-1. So look at the driver library itself.
    const std::string driver = driverName(connection);
    if (driver.empty())
        return true;
    struct Search {
        std::string driver;
        std::string path;
    } search{driver.substr(driver.rfind('/') + 1), {}};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto* search = static_cast<Search*>(data);
            const std::string path = info->dlpi_name ? info->dlpi_name : "";
            const std::string& name = search->driver;
            if (path.size() >= name.size() &&
                path.compare(path.size() - name.size(), name.size(), name) == 0) {
                search->path = path;
                return 1;
            }
            return 0;
        },
        &search);
    if (search.path.empty())
        return true;
    void* library = dlopen(search.path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (!library)
        return true;
    // The lookup also searches the driver's own dependencies, which may
    // include the driver manager: only a definition inside the driver counts.
    void* symbol = dlsym(library, "SQLExecDirectW");
    Dl_info where{};
    const bool wide =
        symbol && dladdr(symbol, &where) && where.dli_fname && search.path == where.dli_fname;
    dlclose(library);
    return wide;
}

void execDirect(const OdbcHandle& statement, const std::string& text, bool noDataIsOk,
                std::u16string* wideBuffer) {
    SQLRETURN rc;
    if (statement.narrow()) {
        rc = SQLExecDirect(statement.get(),
                           reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.data())),
                           SQLINTEGER(text.size()));
    } else {
        std::u16string ownBuffer;
        std::u16string& wide = wideBuffer ? *wideBuffer : ownBuffer;
        assignUtf8AsUtf16(text, wide);
        rc = SQLExecDirectW(statement.get(), reinterpret_cast<SQLWCHAR*>(wide.data()),
                            SQLINTEGER(wide.size()));
    }
    check(rc, statement, noDataIsOk);
}

void prepareStatement(const OdbcHandle& statement, const std::string& text) {
    if (statement.narrow()) {
        check(SQLPrepare(statement.get(),
                         reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.data())),
                         SQLINTEGER(text.size())),
              statement);
        return;
    }
    std::u16string wide = utf8ToUtf16(text);
    check(SQLPrepareW(statement.get(), reinterpret_cast<SQLWCHAR*>(wide.data()),
                      SQLINTEGER(wide.size())),
          statement);
}

std::string columnName(const OdbcHandle& statement, SQLUSMALLINT column, SQLSMALLINT& sqlType) {
    SQLSMALLINT nameLength = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    if (statement.narrow()) {
        SQLCHAR name[1024] = {};
        check(SQLDescribeCol(statement.get(), column, name, SQLSMALLINT(sizeof name), &nameLength,
                             &sqlType, &size, &digits, &nullable),
              statement);
        return reinterpret_cast<const char*>(name);
    }
    SQLWCHAR name[512] = {};
    check(SQLDescribeColW(statement.get(), column, name, SQLSMALLINT(std::size(name)), &nameLength,
                          &sqlType, &size, &digits, &nullable),
          statement);
    return utf16ToUtf8(reinterpret_cast<const char16_t*>(name));
}

std::string columnTypeName(const OdbcHandle& statement, SQLUSMALLINT column) {
    SQLSMALLINT length = 0;
    if (statement.narrow()) {
        SQLCHAR name[256] = {};
        check(SQLColAttribute(statement.get(), column, SQL_DESC_TYPE_NAME, name,
                              SQLSMALLINT(sizeof name), &length, nullptr),
              statement);
        return reinterpret_cast<const char*>(name);
    }
    SQLWCHAR name[256] = {};
    check(SQLColAttributeW(statement.get(), column, SQL_DESC_TYPE_NAME, name,
                           SQLSMALLINT(sizeof name), &length, nullptr),
          statement);
    return utf16ToUtf8(reinterpret_cast<const char16_t*>(name));
}

int BinaryTypeNamed(int sqlType, std::string_view typeName) {
    constexpr std::string_view kBinary = "BINARY", kLong = "LONG";
    const auto at = [&](size_t start, std::string_view name) {
        return start + name.size() <= typeName.size() &&
               EqualsIgnoringCase(typeName.substr(start, name.size()), name);
    };
    for (size_t start = 0; start < typeName.size(); ++start) {
        if (at(start, kBinary))
            return at(0, kLong) ? SQL_LONGVARBINARY : SQL_VARBINARY;
    }
    return sqlType;
}

SQLLEN columnAttribute(const OdbcHandle& statement, SQLUSMALLINT column, SQLUSMALLINT attribute) {
    SQLLEN value = 0;
    check(SQLColAttribute(statement.get(), column, attribute, nullptr, 0, nullptr, &value),
          statement);
    return value;
}

bool readTextValue(const OdbcHandle& statement, SQLUSMALLINT column, std::u16string& wideBuffer,
                   std::string& text) {
    text.clear();
    if (statement.narrow()) {
        char piece[kChunk + 1];
        return readPieces(
            statement, kChunk, 1,
            [&](SQLLEN* indicator) {
                return SQLGetData(statement.get(), column, SQL_C_CHAR, piece, SQLLEN(sizeof piece),
                                  indicator);
            },
            [&](size_t count) { text.append(piece, count); });
    }
    char16_t piece[kChunk / 2 + 1];
    wideBuffer.clear();
    const bool present = readPieces(
        statement, kChunk, sizeof(char16_t),
        [&](SQLLEN* indicator) {
            return SQLGetData(statement.get(), column, SQL_C_WCHAR, piece, SQLLEN(sizeof piece),
                              indicator);
        },
        [&](size_t count) { wideBuffer.append(piece, count); });
    appendUtf16AsUtf8(wideBuffer, text);
    return present;
}

bool readApproximateValue(const OdbcHandle& statement, SQLUSMALLINT column, bool single,
                          std::string& text) {
    if (single)
        return readNumber<SQLREAL>(statement, column, SQL_C_FLOAT, text);
    return readNumber<SQLDOUBLE>(statement, column, SQL_C_DOUBLE, text);
}

bool readBinaryValue(const OdbcHandle& statement, SQLUSMALLINT column, std::string& hex) {
    unsigned char piece[kChunk];
    hex.clear();
    return readPieces(
        statement, kChunk, 1,
        [&](SQLLEN* indicator) {
            return SQLGetData(statement.get(), column, SQL_C_BINARY, piece, SQLLEN(sizeof piece),
                              indicator);
        },
        [&](size_t count) { appendHexDigits(piece, count, hex); });
}

void approximateText(double number, std::string& text) {
    assignShortestText(number, text);
}

void approximateText(float number, std::string& text) {
    assignShortestText(number, text);
}

void appendHexDigits(const unsigned char* bytes, size_t count, std::string& hex) {
    static constexpr char digits[] = "0123456789ABCDEF";
    for (size_t i = 0; i < count; ++i) {
        hex += digits[bytes[i] >> 4];
        hex += digits[bytes[i] & 0x0F];
    }
}

} // namespace tallowmere
