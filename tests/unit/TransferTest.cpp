// Copying tables in both directions, against the recording fakes.
#include "Fakes.h"

#include "data_access/Oracle.h"
#include "maintenance/TableDeletion.h"
#include "maintenance/TableRenaming.h"
#include "transfer/TableTransfer.h"

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tallowmere {
namespace {

using namespace fakes;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

const CannedTable kEmp{{{"ID", 3}, {"NAME", 200}, {"PIC", 205}},
                       {{"12", "SMITH", std::nullopt}, {"13", "O'Brien", "0A0B"}}};

// The two directions, each seen from the operation's point of view.
struct Direction {
    const char* name;
    bool toOracle;
    const char* noSelection;
    const char* sourceCursor; // cursor and lock type of the SELECT
    const char* createEmp;
    const char* picture; // the long binary 0A0B as the target reads its bytes
};

void PrintTo(const Direction& direction, std::ostream* out) {
    *out << direction.name;
}

const Direction kDirections[] = {
    {"ToSqlAnywhere", false, "Please select a table to send.", "-1 -1",
     "CREATE TABLE \"EMP\"(\"ID\" NUMERIC,\"NAME\" TEXT,\"PIC\" OLEOBJECT);", "'\\x0A\\x0B'"},
    {"ToOracle", true, "Please select a table", "3 3",
     "CREATE TABLE \"EMP\"(\"ID\" NUMERIC,\"NAME\" VARCHAR(2000),\"PIC\" BLOB)", "'0A0B'"},
};

class Transfer : public ::testing::TestWithParam<Direction> {
protected:
    Window w;
    const Direction& d = GetParam();
    PlainTableList& source = d.toOracle ? w.sqlAnywhereList : w.oracleList;
    PlainTableList& target = d.toOracle ? w.oracleList : w.sqlAnywhereList;
    // Connection #1 is always Oracle, #2 SQL Anywhere.
    std::string src = d.toOracle ? "#2 " : "#1 ";
    std::string tgt = d.toOracle ? "#1 " : "#2 ";

    void send() { SendTables(w.context(), d.toOracle ? kToOracle : kToSqlAnywhere); }
    bool sendGuarded() {
        return runGuarded(w.context(), [this] { send(); });
    }
    std::string select(const std::string& table) const {
        return src + "openRecordset SELECT * FROM \"" + table + "\" " + d.sourceCursor;
    }
    // Everything the operation sent to the target database.
    Log targetStatements() const { return w.logWith(tgt + "execute "); }
};

INSTANTIATE_TEST_SUITE_P(BothDirections, Transfer, ::testing::ValuesIn(kDirections),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OracleSession, EveryOperationSetsTheNumberFormatRightAfterOpeningOracle) {
    const std::string alter = std::string("#1 execute ") + kOracleSessionNumberFormat;
    const std::function<void(const OperationContext&)> operations[] = {
        SendTablesToSqlAnywhere, SendTablesToOracle, DeleteOracleTables, RenameOracleTable};
    for (bool refused : {false, true}) {
        for (const auto& operation : operations) {
            Window w;
            w.connections.dbmsName = "Oracle";
            if (refused)
                w.connections.fail(alter.substr(3), 2248, "HY000", "invalid option");
            w.connections.serve("SELECT * FROM \"EMP\"", kEmp);
            fill(w.oracleList, {"EMP"}, {0}, 0);
            fill(w.sqlAnywhereList, {"EMP"}, {0}, 0);
            w.prompts.answers = {true};
            w.prompts.inputs = {"EMP2"};
            EXPECT_TRUE(runGuarded(w.context(), [&] { operation(w.context()); }));
            const auto at = std::find(w.log.begin(), w.log.end(), "#1 dbmsName");
            ASSERT_NE(at, w.log.end());
            EXPECT_EQ(*std::next(at), alter);
            // A session that refuses the format is used as it is.
            EXPECT_THAT(w.logWith("message"), IsEmpty());
        }
    }
}

TEST_P(Transfer, ExactCallSequenceForOneTable) {
    w.connections.serve("SELECT * FROM \"EMP\"", kEmp);
    fill(source, {"DEPT", "EMP"}, {1}, 1);
    send();

    Log expected{"pointer 11",
                 "create#1",
                 std::string("#1 setCursorLocation ") + (d.toOracle ? "2" : "3"),
                 "#1 " + kOracleOpen,
                 "#1 dbmsName",
                 "create#2",
                 std::string("#2 setCursorLocation ") + (d.toOracle ? "3" : "2"),
                 "#2 " + kSqlAnywhereOpen,
                 select("EMP"),
                 tgt + "execute " + d.createEmp,
                 "progress 50",
                 tgt + "execute INSERT INTO \"EMP\" VALUES('12', 'SMITH', NULL)",
                 "progress 100",
                 tgt + "execute INSERT INTO \"EMP\" VALUES('13', 'O''Brien', " + d.picture + ")",
                 "progress 0"};
    if (d.toOracle)
        expected.insert(expected.end(), {"#2 close", "#1 close", "pointer 0"});
    else
        expected.insert(expected.end(), {"pointer 0", "#2 close", "#1 close"});
    expected.insert(expected.end(), {"#2 release", "#1 release"});
    EXPECT_THAT(w.log, ElementsAreArray(expected));
    EXPECT_THAT(target.texts(), ElementsAre("EMP"));
    EXPECT_TRUE(source.isSelected(1)); // the selection is left as it was
    EXPECT_THAT(w.prompts.texts(), IsEmpty());
}

TEST_P(Transfer, NoCurrentEntryShowsOnlyTheMessage) {
    fill(source, {"A", "B"}, {0, 1}, -1);
    send();
    EXPECT_THAT(w.log, ElementsAre(std::string("message ") + d.noSelection));
    EXPECT_THAT(w.prompts.titles(), ElementsAre("Tallowmere"));
    EXPECT_EQ(w.connections.created(), 0);
}

TEST_P(Transfer, CurrentEntryWithoutSelectionOpensAndClosesBothConnections) {
    fill(source, {"A", "B"}, {}, 0);
    send();
    EXPECT_EQ(w.logWith("open ").size(), 2u);
    EXPECT_EQ(w.logWith("close").size(), 2u);
    EXPECT_THAT(w.logWith("execute"), IsEmpty());
    EXPECT_THAT(w.logWith("openRecordset"), IsEmpty());
    EXPECT_EQ(target.count(), 0);
    EXPECT_EQ(w.pointer.pointer(), PointerSetting::Default);
}

TEST_P(Transfer, SelectedTablesGoFromTheBottomOfTheListUp) {
    for (const char* table : {"A", "C", "D"})
        w.connections.serve(std::string("SELECT * FROM \"") + table + "\"", {{{"X", 200}}, {}});
    fill(source, {"A", "B", "C", "D"}, {0, 2, 3}, 0);
    send();
    EXPECT_THAT(w.logWith("openRecordset"), ElementsAre(select("D"), select("C"), select("A")));
    EXPECT_THAT(target.texts(), ElementsAre("A", "C", "D"));
}

TEST_P(Transfer, NoSkipsTheTableAndGoesOnWithTheNext) {
    w.connections.serve("SELECT * FROM \"A\"", {{{"X", 3}}, {{"1"}}});
    fill(source, {"A", "EMP"}, {0, 1}, 0);
    fill(target, {"EMP"});
    w.prompts.answers = {false};
    send();
    EXPECT_THAT(w.logWith("openRecordset"), ElementsAre(select("A")));
    EXPECT_THAT(targetStatements(), ::testing::Each(::testing::Not(::testing::HasSubstr("EMP"))));
    EXPECT_EQ(targetStatements().size(), 2u);
    EXPECT_THAT(target.texts(), ElementsAre("A", "EMP"));
}

TEST_P(Transfer, OtherLetterCaseIsAConflictOnlyTowardsSqlAnywhere) {
    w.connections.serve("SELECT * FROM \"EMP\"", kEmp);
    fill(source, {"EMP"}, {0}, 0);
    fill(target, {"emp"});
    w.prompts.answers = {true};
    send();
    const Log statements = targetStatements();
    if (d.toOracle) {
        // The exact test finds nothing: EMP is created beside emp.
        EXPECT_THAT(w.prompts.texts(), IsEmpty());
        EXPECT_EQ(statements.front(), tgt + "execute " + d.createEmp);
        EXPECT_THAT(target.texts(), ElementsAre("EMP", "emp"));
    } else {
        // The question and the DROP name emp; the entry dropped is removed.
        EXPECT_THAT(w.prompts.texts(), ElementsAre("Would you like to overwrite emp?"));
        EXPECT_EQ(statements.front(), tgt + "execute DROP TABLE \"emp\"");
        EXPECT_EQ(statements[1], tgt + "execute " + d.createEmp);
        EXPECT_THAT(w.logWith("openRecordset"), ElementsAre(select("EMP")));
        EXPECT_THAT(target.texts(), ElementsAre("EMP"));
    }
}

// An exact entry wins over entries in other letter cases: it is the one
// asked about, dropped and replaced.
TEST_P(Transfer, ExactConflictAskedAndYesDropsAndReplaces) {
    w.connections.serve("SELECT * FROM \"EMP\"", kEmp);
    fill(source, {"EMP"}, {0}, 0);
    fill(target, {"DEPT", "EMP", "Emp", "emp"});
    w.prompts.answers = {true};
    send();
    EXPECT_THAT(w.prompts.texts(), ElementsAre("Would you like to overwrite EMP?"));
    EXPECT_THAT(w.prompts.titles(), ElementsAre("Overwrite?"));
    const Log statements = targetStatements();
    ASSERT_EQ(statements.size(), 4u);
    EXPECT_EQ(statements[0], tgt + "execute DROP TABLE \"EMP\"");
    EXPECT_EQ(statements[1], tgt + "execute " + d.createEmp);
    EXPECT_THAT(target.texts(), ElementsAre("DEPT", "EMP", "Emp", "emp"));
}

TEST_P(Transfer, ZeroRowTableIsCreatedAndListedWithoutInsert) {
    w.connections.serve("SELECT * FROM \"EMPTY\"", {{{"A", 200}}, {}});
    fill(source, {"EMPTY"}, {0}, 0);
    send();
    EXPECT_THAT(targetStatements(), ElementsAre(tgt + "execute CREATE TABLE \"EMPTY\"(\"A\" " +
                                                (d.toOracle ? "VARCHAR(2000))" : "TEXT);")));
    EXPECT_THAT(w.progress.values, ElementsAre(0.0f));
    EXPECT_THAT(target.texts(), ElementsAre("EMPTY"));
}

TEST_P(Transfer, ProgressRisesPerRowToOneHundredAndReturnsToZeroPerTable) {
    CannedTable three{{{"N", 3}}, {{"1"}, {"2"}, {"3"}}};
    w.connections.serve("SELECT * FROM \"A\"", three);
    w.connections.serve("SELECT * FROM \"B\"", {{{"N", 3}}, {{"1"}, {"2"}, {"3"}, {"4"}}});
    fill(source, {"A", "B"}, {0, 1}, 0);
    send();
    EXPECT_THAT(w.progress.values,
                ElementsAre(25.0f, 50.0f, 75.0f, 100.0f, 0.0f, ::testing::FloatEq(100.0f / 3),
                            ::testing::FloatEq(200.0f / 3), 100.0f, 0.0f));
    // 100 shows before the last row is sent.
    const auto& log = w.log;
    const auto last =
        std::find(log.begin(), log.end(), tgt + "execute INSERT INTO \"A\" VALUES('3')");
    ASSERT_NE(last, log.end());
    EXPECT_EQ(*(last - 1), "progress 100");
}

TEST_P(Transfer, YieldsPerFieldRowAndValueAndPerSourceEntryOnlyTowardsOracle) {
    w.connections.serve("SELECT * FROM \"EMP\"", kEmp); // 3 fields, 2 rows
    fill(source, {"A", "B", "EMP", "Z"}, {2}, 0);
    send();
    const int perTable = 3 + 2 + 2 * 3;
    EXPECT_EQ(w.events.yields, perTable + (d.toOracle ? 4 : 0));
}

TEST_P(Transfer, ValuesKeepBackslashesTowardsOracleAndDoubleThemTowardsSqlAnywhere) {
    w.connections.serve("SELECT * FROM \"F\"", {{{"P", 200}, {"E", 200}}, {{"C:\\new", ""}}});
    fill(source, {"F"}, {0}, 0);
    send();
    EXPECT_EQ(targetStatements().back(), tgt + "execute INSERT INTO \"F\" VALUES('C:\\" +
                                             (d.toOracle ? "" : "\\") + "new', NULL)");
}

TEST_P(Transfer, QuotesInNamesAreDoubledInEveryStatement) {
    w.connections.serve("SELECT * FROM \"a\"\"b\"", {{{"c\"d", 3}}, {{"1"}}});
    fill(source, {"a\"b"}, {0}, 0);
    fill(target, {"a\"b"});
    w.prompts.answers = {true};
    send();
    EXPECT_THAT(targetStatements(),
                ElementsAre(tgt + "execute DROP TABLE \"a\"\"b\"",
                            tgt + "execute CREATE TABLE \"a\"\"b\"(\"c\"\"d\" NUMERIC)" +
                                (d.toOracle ? "" : ";"),
                            tgt + "execute INSERT INTO \"a\"\"b\" VALUES('1')"));
    EXPECT_THAT(target.texts(), ElementsAre("a\"b"));
}

TEST_P(Transfer, FailingInsertStopsTheRunAndCleansUp) {
    w.connections.serve("SELECT * FROM \"A\"", {{{"N", 3}}, {{"1"}}});
    w.connections.serve("SELECT * FROM \"B\"", {{{"N", 3}}, {{"1"}, {"2"}, {"3"}}});
    w.connections.fail("execute INSERT INTO \"B\" VALUES('2')", 2627, "23000",
                       "[23000] duplicate key");
    fill(source, {"A", "B", "C"}, {0, 1, 2}, 0);
    w.connections.serve("SELECT * FROM \"C\"", {{{"N", 3}}, {}});
    EXPECT_TRUE(sendGuarded());

    EXPECT_THAT(w.prompts.texts(), ElementsAre("Error 2627\n\n[23000] duplicate key"));
    EXPECT_THAT(w.prompts.titles(), ElementsAre("Tallowmere"));
    EXPECT_EQ(w.pointer.pointer(), PointerSetting::Default);
    EXPECT_EQ(w.progress.values.back(), 0.0f);
    // Table C went first and stays listed; B was interrupted; A never began.
    EXPECT_THAT(target.texts(), ElementsAre("C"));
    EXPECT_THAT(w.logWith("INSERT INTO \"B\""),
                ElementsAre(tgt + "execute INSERT INTO \"B\" VALUES('1')",
                            tgt + "execute INSERT INTO \"B\" VALUES('2')"));
    EXPECT_THAT(w.logWith("SELECT * FROM \"A\""), IsEmpty());
    // Both connections are gone before the message is shown.
    const auto message = std::find(w.log.begin(), w.log.end(), "message " + w.prompts.texts()[0]);
    const Log beforeMessage(w.log.begin(), message);
    EXPECT_THAT(beforeMessage, ::testing::IsSupersetOf({"#1 release", "#2 release"}));
}

TEST_P(Transfer, FailingOpenShowsTheErrorAndClosesTheOtherConnection) {
    fill(source, {"A"}, {0}, 0);
    // The second connection to open, the source or the target by direction.
    w.connections.fail(kSqlAnywhereOpen, 12541, "08001", "no listener");
    sendGuarded();
    EXPECT_THAT(w.prompts.texts(), ElementsAre("Error 12541\n\nno listener"));
    EXPECT_THAT(w.logWith("release"), ::testing::UnorderedElementsAre("#1 release", "#2 release"));
    EXPECT_THAT(w.logWith("openRecordset"), IsEmpty());
    EXPECT_EQ(w.pointer.pointer(), PointerSetting::Default);
    EXPECT_EQ(target.count(), 0);
}

TEST_P(Transfer, ClosingTheWindowStopsAtTheNextYieldWithoutMessage) {
    w.connections.serve("SELECT * FROM \"A\"", {{{"N", 3}}, {{"1"}}});
    w.connections.serve("SELECT * FROM \"B\"", {{{"N", 3}}, {{"1"}, {"2"}, {"3"}}});
    fill(source, {"A", "B"}, {0, 1}, 0);
    // B's field, row 1 and its value, then row 2: stop there.
    w.events.cancelAt = (d.toOracle ? 1 : 0) + 4;
    EXPECT_FALSE(sendGuarded());
    EXPECT_THAT(w.prompts.texts(), IsEmpty());
    EXPECT_THAT(w.logWith("INSERT"), ElementsAre(tgt + "execute INSERT INTO \"B\" VALUES('1')"));
    EXPECT_THAT(w.logWith("release"), ::testing::UnorderedElementsAre("#1 release", "#2 release"));
    EXPECT_EQ(w.pointer.pointer(), PointerSetting::Default);
    EXPECT_EQ(w.progress.values.back(), 0.0f);
    EXPECT_EQ(target.count(), 0);
}

TEST(TransferToSqlAnywhere, AmongOtherLetterCasesTheLastEntryIsTheOneReplaced) {
    Window w;
    w.connections.serve("SELECT * FROM \"EMP\"", kEmp);
    fill(w.oracleList, {"EMP"}, {0}, 0);
    fill(w.sqlAnywhereList, {"Emp", "X", "emp"});
    w.prompts.answers = {true};
    SendTablesToSqlAnywhere(w.context());
    EXPECT_THAT(w.prompts.texts(), ElementsAre("Would you like to overwrite emp?"));
    EXPECT_EQ(w.logWith("execute").front(), "#2 execute DROP TABLE \"emp\"");
    EXPECT_THAT(w.sqlAnywhereList.texts(), ElementsAre("EMP", "Emp", "X"));
}

TEST(TransferToSqlAnywhere, ADecimalReportedWithScaleZeroKeepsTheFractionsOfItsValues) {
    Window w;
    w.connections.serve("SELECT * FROM \"PAY\"", {{{"AMOUNT", 131, 38, 0}}, {{"3.25"}, {"12"}}});
    fill(w.oracleList, {"PAY"}, {0}, 0);
    SendTablesToSqlAnywhere(w.context());
    EXPECT_EQ(w.logWith("execute CREATE"),
              Log{"#2 execute CREATE TABLE \"PAY\"(\"AMOUNT\" NUMERIC(38,2));"});
}

TEST(TransferFailure, MessageForOtherFailuresCarriesNumberZero) {
    EXPECT_EQ(failureMessage(std::runtime_error("broken")), "Error 0\n\nbroken");
    EXPECT_EQ(failureMessage(DatabaseError(-3, "HY000", "[HY000] x")), "Error -3\n\n[HY000] x");
}

TEST(TransferFailure, CancelledOperationResetsWithoutMessage) {
    Window w;
    const bool goesOn = runGuarded(w.context(), [&] {
        w.context().pointer.setPointer(PointerSetting::Busy);
        w.context().progress.setValue(40);
        throw OperationCancelled();
    });
    EXPECT_FALSE(goesOn);
    EXPECT_THAT(w.prompts.texts(), IsEmpty());
    EXPECT_EQ(w.pointer.pointer(), PointerSetting::Default);
    EXPECT_EQ(w.progress.values.back(), 0.0f);
}

} // namespace
} // namespace tallowmere
