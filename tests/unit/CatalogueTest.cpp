// The connection probes, the connection check and the two table catalogues,
// against the recording connection.
#include "Fakes.h"

#include "data_access/Oracle.h"
#include "data_access/Sybase.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tallowmere {
namespace {

using namespace fakes;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class Catalogue : public ::testing::Test {
protected:
    Log log;
    FakeConnectionFactory connections{log};
    FixedConnectionFields fields{testSettings()};
    CountingEventPump events;
    PlainTableList list;

    static CannedTable oracleTables(std::vector<std::string> names) {
        CannedTable table{{{"TABLE_NAME", 200}}, {}};
        for (auto& name : names)
            table.rows.push_back({std::move(name)});
        return table;
    }
    static CannedTable schemaRows(const std::vector<std::pair<std::string, FieldValue>>& rows) {
        // Columns in the order of the OLE DB tables schema.
        CannedTable table{{{"TABLE_CATALOG", 202},
                           {"TABLE_SCHEMA", 202},
                           {"TABLE_NAME", 202},
                           {"TABLE_TYPE", 202}},
                          {}};
        for (const auto& [name, type] : rows)
            table.rows.push_back({std::nullopt, std::string("dba"), name, type});
        return table;
    }
};

TEST_F(Catalogue, CheckTriesSqlAnywhereFirstThroughTheBridgeThenOracle) {
    EXPECT_TRUE(ConnectionCheckPasses(connections, fields));
    EXPECT_THAT(log, ElementsAre("create#1", "#1 setProvider MSDASQL", "#1 " + kSqlAnywhereOpen,
                                 "#1 release", "create#2", "#2 " + kOracleOpen, "#2 dbmsName",
                                 "#2 release"));
}

TEST_F(Catalogue, AnOracleDatabaseGetsTheSessionNumberFormatAndARefusalChangesNothing) {
    const std::string alter = std::string("#2 execute ") + kOracleSessionNumberFormat;
    connections.dbmsName = "ORACLE";
    EXPECT_TRUE(ConnectionCheckPasses(connections, fields));
    EXPECT_THAT(log, ::testing::Contains(alter));

    log.clear();
    connections.fail(alter.substr(3), 2248, "HY000", "invalid option for ALTER SESSION");
    EXPECT_TRUE(ConnectionCheckPasses(connections, fields));
    EXPECT_THAT(log,
                ElementsAre("create#3", "#3 setProvider MSDASQL", "#3 " + kSqlAnywhereOpen,
                            "#3 release", "create#4", "#4 " + kOracleOpen, "#4 dbmsName",
                            "#4 execute " + std::string(kOracleSessionNumberFormat), "#4 release"));
}

TEST_F(Catalogue, FailingSqlAnywhereProbeNeverTriesOracle) {
    connections.fail(kSqlAnywhereOpen, -1, "IM002", "Data source name not found");
    EXPECT_FALSE(CanConnectSqlAnywhere(connections, fields));
    EXPECT_FALSE(ConnectionCheckPasses(connections, fields));
    EXPECT_EQ(connections.created(), 2); // one per probe of SQL Anywhere, none for Oracle
    EXPECT_THAT(log, ::testing::Each(::testing::Not(::testing::HasSubstr("Driver="))));
}

TEST_F(Catalogue, FailingOracleProbeIsSwallowed) {
    connections.fail(kOracleOpen, 1017, "28000", "invalid username/password");
    EXPECT_TRUE(CanConnectSqlAnywhere(connections, fields));
    EXPECT_FALSE(CanConnectOracle(connections, fields));
    EXPECT_FALSE(ConnectionCheckPasses(connections, fields));
}

TEST_F(Catalogue, OracleListsEveryTableInArrivalOrderAndMakesEntry0Current) {
    connections.serve("SELECT table_name FROM user_tables",
                      oracleTables({"SYSLOG", "EMP", "dept", "Bonus"}));
    fill(list, {"OLD1", "OLD2"}, {0}, 1);
    LoadOracleTables(list, connections, fields, events);

    EXPECT_THAT(list.texts(), ElementsAre("Bonus", "dept", "EMP", "SYSLOG"));
    EXPECT_EQ(list.currentIndex(), 0);
    EXPECT_EQ(list.selectedCount(), 0);
    EXPECT_EQ(events.yields, 4);
    // Client-side cursor; the connection is only released, never closed.
    EXPECT_THAT(log, ElementsAre("create#1", "#1 setCursorLocation 3", "#1 " + kOracleOpen,
                                 "#1 dbmsName",
                                 "#1 openRecordset SELECT table_name FROM user_tables -1 -1",
                                 "#1 release"));
}

TEST_F(Catalogue, EmptyOracleCatalogueLeavesNoCurrentEntry) {
    connections.serve("SELECT table_name FROM user_tables", oracleTables({}));
    fill(list, {"OLD"}, {}, 0);
    LoadOracleTables(list, connections, fields, events);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.currentIndex(), -1);
}

TEST_F(Catalogue, SqlAnywhereListsOnlyTablesWithoutSysAndSetsNoCurrentEntry) {
    connections.serve("schema 20", schemaRows({{"SYSTABLE", "SYSTEM TABLE"},
                                               {"zeta", "TABLE"},
                                               {"SysLog", "TABLE"},
                                               {"MYSYSTEM", "TABLE"},
                                               {"analysys", "TABLE"},
                                               {"Orders View", "VIEW"},
                                               {"lower", "table"},
                                               {"NoType", std::nullopt},
                                               {"Alpha", "TABLE"},
                                               {"Sy_s", "TABLE"},
                                               {"TABLE_X", "TABLE "},
                                               {"Tmp", "GLOBAL TEMPORARY"}}));
    fill(list, {"OLD"}, {0}, 0);
    LoadSqlAnywhereTables(list, connections, fields, events);

    EXPECT_THAT(list.texts(), ElementsAre("Alpha", "Sy_s", "zeta"));
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(events.yields, 6); // one per row of type TABLE, listed or not
    EXPECT_THAT(log, ElementsAre("create#1", "#1 setProvider MSDASQL", "#1 " + kSqlAnywhereOpen,
                                 "#1 openSchema 20", "#1 close", "#1 release"));
}

TEST_F(Catalogue, FailuresBeforeTheClearLeaveTheListUntouched) {
    fill(list, {"A", "B"}, {1}, 1);
    connections.fail(kOracleOpen, 12154, "08001", "TNS: could not resolve");
    EXPECT_THROW(LoadOracleTables(list, connections, fields, events), DatabaseError);
    connections.fail("openSchema 20", 1, "HY000", "schema refused");
    EXPECT_THROW(LoadSqlAnywhereTables(list, connections, fields, events), DatabaseError);
    // The Oracle query has no canned result here, so it fails too.
    Log otherLog;
    FakeConnectionFactory noTables(otherLog);
    EXPECT_THROW(LoadOracleTables(list, noTables, fields, events), DatabaseError);

    EXPECT_THAT(list.texts(), ElementsAre("A", "B"));
    EXPECT_TRUE(list.isSelected(1));
    EXPECT_EQ(list.currentIndex(), 1);
    EXPECT_EQ(events.yields, 0);
    EXPECT_EQ(otherLog.back(), "#1 release");
}

TEST_F(Catalogue, FailureWhileReadingKeepsTheEntriesAddedSoFar) {
    connections.serve("SELECT table_name FROM user_tables", oracleTables({"A", "B", "C", "D"}));
    fill(list, {"OLD"}, {}, 0);
    events.cancelAt = 3;
    EXPECT_THROW(LoadOracleTables(list, connections, fields, events), OperationCancelled);
    EXPECT_THAT(list.texts(), ElementsAre("A", "B"));
    EXPECT_EQ(log.back(), "#1 release");
}

TEST_F(Catalogue, ReloadReplacesTheWholeList) {
    connections.serve("schema 20", schemaRows({{"A", "TABLE"}, {"B", "TABLE"}}));
    LoadSqlAnywhereTables(list, connections, fields, events);
    connections.serve("schema 20", schemaRows({{"B", "TABLE"}, {"C", "TABLE"}}));
    LoadSqlAnywhereTables(list, connections, fields, events);
    EXPECT_THAT(list.texts(), ElementsAre("B", "C"));

    connections.serve("SELECT table_name FROM user_tables", oracleTables({"X"}));
    LoadOracleTables(list, connections, fields, events);
    EXPECT_THAT(list.texts(), ElementsAre("X"));
    connections.serve("SELECT table_name FROM user_tables", oracleTables({}));
    LoadOracleTables(list, connections, fields, events);
    EXPECT_THAT(list.texts(), IsEmpty());
}

} // namespace
} // namespace tallowmere
