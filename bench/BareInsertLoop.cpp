#include "BareInsertLoop.h"

#include "BareOdbc.h"

#include "data_access/Utf16.h"

#include <chrono>
#include <fstream>
#include <sqlucode.h>
#include <stdexcept>
#include <vector>

namespace bench {
namespace {

std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("Cannot read " + path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(std::move(line));
    return lines;
}

template <typename Execute> double timed(size_t count, Execute execute) {
    const auto start = std::chrono::steady_clock::now();
    for (size_t i = 0; i < count; ++i)
        execute(i);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

LoopResult runBareInsertLoop(const std::string& connectionString, const std::string& statements,
                             bool wide) {
    std::vector<std::string> narrow = readLines(statements);
    std::vector<std::u16string> wideTexts;
    if (wide) {
        for (const std::string& text : narrow)
            wideTexts.push_back(tallowmere::utf8ToUtf16(text));
    }
    BareOdbc database(connectionString);
    // Made after the connection, so freed before the disconnect, on every path.
    BareStatement statement(database.connection());
    const SQLHSTMT handle = statement.get();
    const double seconds = timed(narrow.size(), [&](size_t i) {
        const SQLRETURN rc =
            wide ? SQLExecDirectW(handle, reinterpret_cast<SQLWCHAR*>(wideTexts[i].data()),
                                  SQLINTEGER(wideTexts[i].size()))
                 : SQLExecDirect(handle, reinterpret_cast<SQLCHAR*>(narrow[i].data()),
                                 SQLINTEGER(narrow[i].size()));
        checkOdbc(rc, SQL_HANDLE_STMT, handle, "INSERT");
        checkOdbc(SQLFreeStmt(handle, SQL_CLOSE), SQL_HANDLE_STMT, handle, "Closing the INSERT");
    });
    return {static_cast<long>(narrow.size()), seconds};
}

} // namespace bench
