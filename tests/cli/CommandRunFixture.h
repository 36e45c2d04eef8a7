// The program run as a script runs it, against both real stand-ins: the
// settings file holds values that reach both, and each run is a process with
// its output and exit status.
#pragma once

#include "db/TestSql.h"
#include "faults/Processes.h"

#include <chrono>
#include <thread>

namespace tallowmere::testing {

using faults::ProgramRun;

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Whether the condition held once before the time was up.
template <typename Condition> bool waitFor(Condition condition) {
    constexpr auto kWaitAtMost = std::chrono::seconds(30);
    const auto started = std::chrono::steady_clock::now();
    do {
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    } while (std::chrono::steady_clock::now() - started < kWaitAtMost);
    return false;
}

// The numbers 1 to rows, as a query SQLite takes.
inline std::string numbersUpTo(long rows) {
    return "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c WHERE x < " +
           std::to_string(rows) + ") SELECT x FROM c";
}

class CommandRun : public BothDatabases {
protected:
    void SetUp() override {
        BothDatabases::SetUp();
        if (oracle)
            storeSettingsFile(workingSettings(*oracle));
    }
    void TearDown() override { storeSettingsFile({}); }

    static ProgramRun run(const std::vector<std::string>& words,
                          const std::vector<std::string>& environment = {},
                          const std::string& standardOutput = {}) {
        std::vector<std::string> argv{TALLOWMERE_PROGRAM};
        argv.insert(argv.end(), words.begin(), words.end());
        return faults::runProgram(argv, environment, standardOutput);
    }
    // A table on the SQL Anywhere side with these rows, every value a literal.
    void makeSqliteTable(const std::string& table, const std::string& columns, const Rows& rows) {
        sqlAnywhere.exec("CREATE TABLE " + quoted(table) + "(" + columns + ")");
        for (const auto& row : rows) {
            std::string values;
            for (const FieldValue& value : row)
                values += (values.empty() ? "" : ", ") + (value ? literal(*value) : "NULL");
            sqlAnywhere.exec("INSERT INTO " + quoted(table) + " VALUES(" + values + ")");
        }
    }
};

} // namespace tallowmere::testing
