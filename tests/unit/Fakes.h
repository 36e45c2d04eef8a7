// Recording stand-ins for the connection layer and the window: every call is
// written as one line of text into a log shared by all of them, so a test can
// compare the exact sequence of what an operation did. The window's fakes are
// the shared ones (support/WindowFakes.h), given the log.
#pragma once

#include "data_access/Connection.h"
#include "data_access/ConnectionSettings.h"
#include "data_access/DatabaseError.h"
#include "data_access/EventPump.h"
#include "data_access/TableList.h"
#include "operations/OperationContext.h"
#include "support/WindowFakes.h"

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tallowmere {

// Parameterised tests name the side in words.
inline void PrintTo(Side side, std::ostream* out) {
    *out << (side == Side::Oracle ? "Oracle" : "SqlAnywhere");
}

} // namespace tallowmere

namespace tallowmere::fakes {

using testing::Log;

struct CannedTable {
    std::vector<FieldInfo> fields;
    std::vector<std::vector<FieldValue>> rows;
};

// A result from canned rows, on the program's own snapshot recordset.
std::unique_ptr<Recordset> makeRecordset(const CannedTable& table);

// Connection calls are logged as "#N call args"; creation as "create#N", the
// end of a connection object as "#N release".
class FakeConnectionFactory : public ConnectionFactory {
public:
    explicit FakeConnectionFactory(Log& log)
        : mLog(log) {}

    std::unique_ptr<Connection> create() override;

    // Served to openRecordset with exactly this command text; openSchema(20)
    // is served the text "schema 20".
    void serve(const std::string& commandText, CannedTable table);
    // The call whose logged text (without "#N ") equals this one throws.
    void fail(const std::string& call, long native, const std::string& state,
              const std::string& text);

    int created() const { return mCreated; }

    // What every connection answers to dbmsName().
    std::string dbmsName = "PostgreSQL";
    // How long every open takes, as a slow server's would.
    std::chrono::milliseconds openDelay{0};

private:
    friend class FakeConnection;
    Log& mLog;
    int mCreated = 0;
    std::map<std::string, CannedTable> mResults;
    std::map<std::string, DatabaseError> mFailures;
};

// Counts yields; throws OperationCancelled at yield number cancelAt (as when
// the window is closed during an operation), never when it is 0.
class CountingEventPump : public EventPump {
public:
    void yield() override {
        if (++yields == cancelAt)
            throw OperationCancelled();
    }
    int yields = 0;
    int cancelAt = 0;
};

inline ConnectionSettings testSettings() {
    return {"ORCL", "scott", "tiger", "SQLA"};
}
inline const std::string kOracleOpen =
    "open Driver={Microsoft ODBC for Oracle};Server=ORCL;Uid=scott;Pwd=tiger;";
inline const std::string kSqlAnywhereOpen = "open Data Source=SQLA";

// Everything an operation of the main window reaches, all fakes.
struct Window {
    Log log;
    PlainTableList sqlAnywhereList;
    PlainTableList oracleList;
    testing::FakePrompts prompts{&log};
    testing::FakePointer pointer{&log};
    testing::FakeProgress progress{&log};
    CountingEventPump events;
    FakeConnectionFactory connections{log};
    FixedConnectionFields fields{testSettings()};

    PlainTableList& list(Side side) { return side == Side::Oracle ? oracleList : sqlAnywhereList; }
    OperationContext context() {
        return {sqlAnywhereList, oracleList, prompts,     pointer,
                progress,        events,     connections, fields};
    }
    // The log lines that contain the given text, e.g. "execute".
    Log logWith(const std::string& part) const;
};

// Busy pointer, then a deletion's or renaming's connection to the side,
// before anything else.
Log openingOf(Side side);

// Fills a list with entries; those at the given indexes are selected.
void fill(PlainTableList& list, const std::vector<std::string>& entries,
          const std::vector<int>& selected = {}, int current = -1);

} // namespace tallowmere::fakes
