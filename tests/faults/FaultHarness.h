// What the fault tests share: a connection factory that knows how many of its
// connections still exist, a progress display that can strike at a given
// step, the main window's surroundings for headless operations, and the checks
// every survived fault ends with.
#pragma once

#include "db/OperationHarness.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace tallowmere::faults {

// Real ODBC connections, counted: alive() is how many connection objects
// exist now, so zero means every one was released (and so closed).
class CountingConnectionFactory : public ConnectionFactory {
public:
    std::unique_ptr<Connection> create() override;
    int alive() const { return mAlive; }
    int created() const { return mCreated; }

private:
    friend class CountedConnection;
    int mAlive = 0;
    int mCreated = 0;
};

// Records every value; onValue runs after the value with the number of calls
// so far (1 for the first), so a test can act at an exact step of a copy.
class HookedProgress : public ProgressDisplay {
public:
    void setValue(float percent) override;
    std::vector<float> values;
    std::function<void(size_t)> onValue;
};

struct FaultHarness {
    explicit FaultHarness(ConnectionSettings settings)
        : fields(std::move(settings)) {}

    OperationContext context() {
        return {sqlAnywhereList, oracleList, prompts,     pointer,
                progress,        events,     connections, fields};
    }
    // Runs an operation as the window's button does.
    void run(void (*operation)(const OperationContext&));
    void loadSqlAnywhereList();
    void loadOracleList();

    PlainTableList sqlAnywhereList;
    PlainTableList oracleList;
    testing::ScriptedPrompts prompts;
    testing::RecordedPointer pointer;
    HookedProgress progress;
    NoEventPump events;
    CountingConnectionFactory connections;
    FixedConnectionFields fields;
};

// Selects the entry and makes it the current one.
void select(TableList& list, const std::string& name);
void deselectAll(TableList& list);
std::vector<std::string> entries(const TableList& list);

// A failure as the user sees it: "Error <number>", a blank line, then the
// database's description, each record as "[SQLSTATE] text".
::testing::AssertionResult isDatabaseFailure(const std::string& message);

// The tables the databases themselves hold, in the lists' order.
std::vector<std::string> sqliteTables(const testing::SqliteDatabase& database);
std::vector<std::string> oracleTables(const testing::OracleAccount& account);
long rowCount(const testing::SqliteDatabase& database, const std::string& table);
long rowCount(const testing::OracleAccount& account, const std::string& table);

} // namespace tallowmere::faults
