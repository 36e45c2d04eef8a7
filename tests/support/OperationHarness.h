// The main window's surroundings for operations run headless on the real
// databases: plain lists, the window fakes, no window events, and real ODBC
// connections that are counted; with the list steps and checks the tests share.
#pragma once

#include "TestDatabases.h"
#include "WindowFakes.h"

#include "data_access/OdbcConnection.h"
#include "operations/OperationContext.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace tallowmere::testing {

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

struct Harness {
    explicit Harness(ConnectionSettings settings)
        : fields(std::move(settings)) {}

    OperationContext context() {
        return {sqlAnywhereList, oracleList, prompts,     pointer,
                progress,        events,     connections, fields};
    }
    PlainTableList& list(Side side) { return side == Side::Oracle ? oracleList : sqlAnywhereList; }
    // Runs an operation as the window's button does.
    void run(void (*operation)(const OperationContext&));
    // Fills the lists from the catalogues, as the main window does.
    void loadSqlAnywhereList();
    void loadOracleList();
    void loadLists();

    PlainTableList sqlAnywhereList;
    PlainTableList oracleList;
    FakePrompts prompts;
    FakePointer pointer;
    FakeProgress progress;
    NoEventPump events;
    CountingConnectionFactory connections;
    FixedConnectionFields fields;
};

// Selects the entry and makes it the current one; a missing entry fails the test.
void select(TableList& list, const std::string& name);
void deselectAll(TableList& list);
// Exactly these entries selected, the last of them current.
void selectOnly(TableList& list, const Names& names);
Names entries(const TableList& list);

// A failure as the user sees it: "Error <number>", a blank line, then the
// database's description, each record as "[SQLSTATE] text".
::testing::AssertionResult isDatabaseFailure(const std::string& message);

} // namespace tallowmere::testing
