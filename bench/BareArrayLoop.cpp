#include "BareArrayLoop.h"

#include "BareOdbc.h"
#include "Workload.h"

#include "data_access/Utf16.h"

#include <sqlucode.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

namespace bench {
namespace {

// The size of each piece a long value is read in.
constexpr SQLLEN kPiece = 4096;

// One column of the whole table: every value one after another.
struct TableColumn {
    std::string bytes;
    std::vector<size_t> starts;
    std::vector<SQLLEN> lengths; // or SQL_NULL_DATA
    size_t widest = 0;

    void add(const std::string& text, bool present, bool wide) {
        starts.push_back(bytes.size());
        if (!present || text.empty()) {
            lengths.push_back(SQL_NULL_DATA);
            return;
        }
        if (wide) {
            const std::u16string units = tallowmere::utf8ToUtf16(text);
            bytes.append(reinterpret_cast<const char*>(units.data()),
                         units.size() * sizeof(char16_t));
        } else {
            bytes += text;
        }
        lengths.push_back(static_cast<SQLLEN>(bytes.size() - starts.back()));
        widest = std::max(widest, bytes.size() - starts.back());
    }
};

// One value as UTF-8 text, in pieces; false for NULL.
bool readValue(SQLHSTMT statement, SQLUSMALLINT column, std::string& text) {
    text.clear();
    char piece[kPiece + 1];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc =
            SQLGetData(statement, column, SQL_C_CHAR, piece, sizeof piece, &indicator);
        if (rc == SQL_NO_DATA)
            return true;
        checkOdbc(rc, SQL_HANDLE_STMT, statement, "Reading a value");
        if (indicator == SQL_NULL_DATA)
            return false;
        const bool more =
            rc == SQL_SUCCESS_WITH_INFO && (indicator == SQL_NO_TOTAL || indicator > kPiece);
        text.append(piece, more ? size_t(kPiece) : size_t(indicator));
        if (!more)
            return true;
    }
}

std::vector<TableColumn> readTable(const std::string& connection, const std::string& table,
                                   bool wide) {
    BareOdbc source(connection);
    BareStatement statement(source.connection());
    std::string query = wholeTableQuery(table);
    checkOdbc(SQLExecDirect(statement.get(), reinterpret_cast<SQLCHAR*>(query.data()),
                            SQLINTEGER(query.size())),
              SQL_HANDLE_STMT, statement.get(), "Reading the table");
    SQLSMALLINT count = 0;
    checkOdbc(SQLNumResultCols(statement.get(), &count), SQL_HANDLE_STMT, statement.get(),
              "Counting columns");
    std::vector<TableColumn> columns(static_cast<size_t>(count));
    std::string text;
    for (;;) {
        const SQLRETURN fetched = SQLFetch(statement.get());
        checkOdbc(fetched, SQL_HANDLE_STMT, statement.get(), "Fetching");
        if (fetched == SQL_NO_DATA)
            return columns;
        for (SQLUSMALLINT c = 1; c <= count; ++c) {
            const bool present = readValue(statement.get(), c, text);
            columns[c - 1].add(text, present, wide);
        }
    }
}

// The bound buffers of one column: arrayRows slots of the column's widest value.
struct BoundColumn {
    size_t width;
    std::vector<char> values;
    std::vector<SQLLEN> lengths;

    BoundColumn(const TableColumn& column, size_t arrayRows)
        : width(std::max<size_t>(column.widest, 2))
        , values(width * arrayRows)
        , lengths(arrayRows) {}

    void fill(const TableColumn& column, size_t first, size_t count) {
        for (size_t r = 0; r < count; ++r) {
            const SQLLEN length = column.lengths[first + r];
            lengths[r] = length;
            if (length > 0)
                std::memcpy(&values[r * width], &column.bytes[column.starts[first + r]],
                            size_t(length));
        }
    }
};

void bind(SQLHSTMT statement, std::vector<BoundColumn>& bound, bool wide) {
    const size_t unit = wide ? sizeof(char16_t) : 1;
    for (size_t c = 0; c < bound.size(); ++c)
        checkOdbc(SQLBindParameter(statement, SQLUSMALLINT(c + 1), SQL_PARAM_INPUT,
                                   wide ? SQL_C_WCHAR : SQL_C_CHAR, SQL_VARCHAR,
                                   bound[c].width / unit, 0, bound[c].values.data(),
                                   SQLLEN(bound[c].width), bound[c].lengths.data()),
                  SQL_HANDLE_STMT, statement, "Binding");
}

void prepare(SQLHSTMT statement, const std::string& text, bool wide) {
    std::string narrow = text;
    std::u16string units = tallowmere::utf8ToUtf16(text);
    checkOdbc(wide ? SQLPrepareW(statement, reinterpret_cast<SQLWCHAR*>(units.data()),
                                 SQLINTEGER(units.size()))
                   : SQLPrepare(statement, reinterpret_cast<SQLCHAR*>(narrow.data()),
                                SQLINTEGER(narrow.size())),
              SQL_HANDLE_STMT, statement, "Preparing the INSERT");
}

} // namespace

LoopResult runBareArrayLoop(const std::string& sourceConnection, const std::string& table,
                            const std::string& targetConnection, bool wide, size_t arrayRows) {
    const auto reading = std::chrono::steady_clock::now();
    const std::vector<TableColumn> columns = readTable(sourceConnection, table, wide);
    const std::chrono::duration<double> fetchSeconds = std::chrono::steady_clock::now() - reading;
    const size_t rows = columns.empty() ? 0 : columns.front().lengths.size();
    arrayRows = std::max<size_t>(arrayRows, 1);
    BareOdbc target(targetConnection);
    target.setAutocommit(false);
    // Made after the connection, so freed before the disconnect, on every path.
    BareStatement statement(target.connection());
    std::vector<BoundColumn> bound;
    for (const TableColumn& column : columns)
        bound.emplace_back(column, arrayRows);
    prepare(statement.get(), boundInsert(table, columns.size()), wide);
    bind(statement.get(), bound, wide);

    const auto start = std::chrono::steady_clock::now();
    for (size_t first = 0; first < rows; first += arrayRows) {
        const size_t count = std::min(arrayRows, rows - first);
        for (size_t c = 0; c < columns.size(); ++c)
            bound[c].fill(columns[c], first, count);
        checkOdbc(SQLSetStmtAttr(statement.get(), SQL_ATTR_PARAMSET_SIZE,
                                 reinterpret_cast<SQLPOINTER>(count), 0),
                  SQL_HANDLE_STMT, statement.get(), "Setting the array size");
        checkOdbc(SQLExecute(statement.get()), SQL_HANDLE_STMT, statement.get(), "INSERT");
        target.commit();
    }
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    return {static_cast<long>(rows), seconds.count(), fetchSeconds.count()};
}

} // namespace bench
