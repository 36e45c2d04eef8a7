// The main window: its layout, the start-up hand-over on the real test
// databases, "OK" refilling both lists, select and deselect all, an operation
// end to end, and one operation at a time.
#include "ui/Form2.h"
#include "FormHarness.h"
#include "data_access/OdbcConnection.h"
#include "support/OperationHarness.h"
#include "tests/unit/Fakes.h"
#include "ui/GraphicalCheckBox.h"
#include "ui/TableListWidget.h"

#include <QGroupBox>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

namespace tallowmere::gui {
namespace {

using testing::entries;
using testing::OracleAccount;
using testing::SqliteDatabase;

bool centred(const QWidget& window) {
    const QRect screen = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    return qAbs(outer.left() - screen.left() - (screen.width() - outer.width()) / 2.0) <= 0.5 &&
           qAbs(outer.top() - screen.top() - (screen.height() - outer.height()) / 2.0) <= 0.5;
}

fakes::CannedTable names(std::vector<FieldInfo> fields, std::vector<std::vector<FieldValue>> rows) {
    return {std::move(fields), std::move(rows)};
}

// Catalogues and one three-row Oracle table EMP, served by the recording fakes.
struct FakeDatabases {
    fakes::Log log;
    fakes::FakeConnectionFactory connections{log};
    FormHarness harness{connections};

    FakeDatabases() {
        connections.serve("schema 20", names({{"TABLE_NAME", 202}, {"TABLE_TYPE", 202}},
                                             {{"emp", "TABLE"}, {"orders", "TABLE"}}));
        connections.serve("SELECT table_name FROM user_tables",
                          names({{"TABLE_NAME", 202}}, {{"EMP"}, {"DEPT"}}));
        connections.serve("SELECT * FROM \"EMP\"", names({{"ID", 3}}, {{"1"}, {"2"}, {"3"}}));
        harness.storeSettings(fakes::testSettings());
    }
    Form2& start() {
        Form2* main = (harness.start(), harness.mainWindow());
        if (!main)
            throw std::logic_error("the main window did not open");
        return *main;
    }
    long count(const std::string& part) const {
        return std::count_if(log.begin(), log.end(), [&part](const std::string& line) {
            return line.find(part) != std::string::npos;
        });
    }
};

struct Placement {
    const char* name;
    const char* container;
    int left, top, width, height;
};

TEST(Form2, EveryControlSitsWhereTheLayoutPutsItAndTheTabOrderFollowsTheTable) {
    FakeDatabases databases;
    Form2& form = databases.start();
    EXPECT_EQ(form.size(), QSize(488, 362));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    const Placement table[] = {
        {"Check7", "Form2", 3960, 3720, 3015, 375},
        {"Check6", "Form2", 360, 3720, 3015, 375},
        {"Check5", "Form2", 3960, 3240, 3015, 375},
        {"Check4", "Form2", 3960, 2760, 3015, 375},
        {"Check2", "Form2", 120, 4920, 7095, 375},
        {"Frame1", "Form2", 3720, 120, 3465, 4215},
        {"Check9", "Frame1", 1680, 2160, 1575, 375},
        {"Check8", "Frame1", 240, 2160, 1335, 375},
        {"List2", "Frame1", 240, 360, 2970, 1635},
        {"fraTables", "Form2", 120, 120, 3465, 4215},
        {"Check11", "fraTables", 1680, 2160, 1575, 375},
        {"Check10", "fraTables", 240, 2160, 1335, 375},
        {"Check1", "fraTables", 240, 3120, 3015, 375},
        {"Check3", "fraTables", 240, 2640, 3015, 375},
        {"List1", "fraTables", 240, 360, 2970, 1635},
        {"ProgressBar1", "Form2", 120, 4440, 7095, 375},
    };
    for (const Placement& p : table) {
        auto* control = form.findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(control->geometry(), QRect(qRound(p.left / 15.0), qRound(p.top / 15.0),
                                             qRound(p.width / 15.0), qRound(p.height / 15.0)))
            << p.name;
        const QWidget* parent = control->parentWidget();
        EXPECT_EQ(parent == &form ? QStringLiteral("Form2") : parent->objectName(),
                  QString::fromLatin1(p.container))
            << p.name;
    }
    EXPECT_EQ(form.Check9->mapTo(&form, QPoint(0, 0)), QPoint(360, 152)); // 5400, 2280
    EXPECT_EQ(form.Check2->text(), QStringLiteral("Setup Sybase && Oracle Connections"));
    EXPECT_TRUE(QKeySequence::mnemonic(form.Check2->text()).isEmpty());
    EXPECT_TRUE(form.Check4->font().bold());
    EXPECT_EQ(form.Check4->font().family(), QStringLiteral("Arial"));

    const QStringList walk = tabWalk(form, *form.List1, 14);
    EXPECT_EQ(walk,
              QStringList({"List1", "List2", "Check3", "Check1", "Check2", "Check4", "Check5",
                           "Check6", "Check7", "Check8", "Check9", "Check10", "Check11", "List1"}));
}

TEST(Form2, WorkingSettingsOpenStraightIntoTheMainWindowWithBothListsSorted) {
    TALLOWMERE_REQUIRE_POSTGRES();
    SqliteDatabase sqlite;
    for (const char* table : {"orders", "Customers", "SysLog", "zip", "analysys"})
        sqlite.exec(std::string("CREATE TABLE \"") + table + "\" (id INTEGER)");
    sqlite.exec("CREATE VIEW recent AS SELECT * FROM orders");
    OracleAccount oracle;
    for (const char* table : {"emp", "dept", "bonus"})
        oracle.exec(std::string("CREATE TABLE ") + table + " (id INTEGER)");

    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    harness.storeSettings(testing::workingSettings(oracle));
    Form1& setup = harness.start();
    Form2* form = harness.mainWindow();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(setup.isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Tallowmere"));
    EXPECT_TRUE(centred(*form));
    EXPECT_EQ(form->ProgressBar1->value(), 0);
    EXPECT_EQ(form->ProgressBar1->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(entries(*form->List1), (std::vector<std::string>{"Customers", "orders", "zip"}));
    EXPECT_EQ(entries(*form->List2), (std::vector<std::string>{"bonus", "dept", "emp"}));
    EXPECT_EQ(form->List1->currentIndex(), -1);
    EXPECT_EQ(form->List2->currentIndex(), 0);
    EXPECT_TRUE(harness.prompts.shown.empty());
}

TEST(Form2, OkAfterTheSetupWindowRebuildsBothListsAndCentresTheWindowAgain) {
    TALLOWMERE_REQUIRE_POSTGRES();
    SqliteDatabase sqlite;
    sqlite.exec("CREATE TABLE orders (id INTEGER)");
    OracleAccount oracle;
    oracle.exec("CREATE TABLE emp (id INTEGER)");
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    harness.storeSettings(testing::workingSettings(oracle));
    Form1& setup = harness.start();
    Form2& form = *harness.mainWindow();
    clickEntry(*form.List1, 0);
    form.move(3, 4);
    QApplication::processEvents(); // the window system's report of the move, as a user's would be

    click(*form.Check2);
    EXPECT_TRUE(setup.isVisible());
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.List1->isSelected(0)); // hidden, not rebuilt

    sqlite.exec("CREATE TABLE invoices (id INTEGER)");
    oracle.exec("DROP TABLE emp");
    oracle.exec("CREATE TABLE dept (id INTEGER)");
    click(*setup.Check2);
    EXPECT_EQ(harness.mainWindow(), &form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(setup.isVisible());
    EXPECT_EQ(entries(*form.List1), (std::vector<std::string>{"invoices", "orders"}));
    EXPECT_EQ(entries(*form.List2), std::vector<std::string>{"dept"});
    EXPECT_EQ(form.List1->selectedCount(), 0);
    EXPECT_TRUE(centred(form));
    EXPECT_EQ(setup.windowPointer().pointer(), PointerSetting::Default);
}

TEST(Form2, SelectAndDeselectAllWorkOnTheirOwnSideOnly) {
    FakeDatabases databases;
    Form2& form = databases.start();
    click(*form.Check10);
    EXPECT_EQ(form.List1->selectedCount(), 2);
    EXPECT_EQ(form.List2->selectedCount(), 0);
    click(*form.Check8);
    click(*form.Check9);
    EXPECT_EQ(form.List2->selectedCount(), 0);
    EXPECT_EQ(form.List1->selectedCount(), 2);
    click(*form.Check11);
    EXPECT_EQ(form.List1->selectedCount(), 0);
    EXPECT_EQ(form.List2->currentIndex(), 0); // the current entry stays
    EXPECT_TRUE(databases.harness.prompts.shown.empty());
    for (GraphicalCheckBox* button : {form.Check8, form.Check9, form.Check10, form.Check11})
        EXPECT_FALSE(button->isChecked());
}

TEST(Form2, DeleteOnTheSqlAnywhereSideDropsTheClickedTableAndItsEntry) {
    TALLOWMERE_REQUIRE_POSTGRES();
    SqliteDatabase sqlite;
    sqlite.exec("CREATE TABLE keep_me (id INTEGER)");
    sqlite.exec("CREATE TABLE \"drop me\" (id INTEGER)");
    OracleAccount oracle;
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    harness.storeSettings(testing::workingSettings(oracle));
    Form2& form = *(harness.start(), harness.mainWindow());
    ASSERT_EQ(entries(*form.List1), (std::vector<std::string>{"drop me", "keep_me"}));

    clickEntry(*form.List1, 0);
    click(*form.Check1);
    EXPECT_EQ(entries(*form.List1), std::vector<std::string>{"keep_me"});
    EXPECT_TRUE(harness.prompts.shown.empty());
    EXPECT_EQ(form.windowPointer().pointer(), PointerSetting::Default);
    const auto left = sqlite.query("SELECT name FROM sqlite_master WHERE type = 'table'");
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0][0], FieldValue("keep_me"));
}

TEST(Form2, AFailureWhileTheListsFillIsShownWithItsNumberAndNoOldNameStays) {
    FakeDatabases databases;
    Form2& form = databases.start();
    databases.connections.fail("openRecordset SELECT table_name FROM user_tables -1 -1", 942,
                               "42S02", "table or view does not exist");
    click(*form.Check2);
    click(*databases.harness.form->Check2);
    ASSERT_EQ(databases.harness.prompts.shown.size(), 1u);
    EXPECT_EQ(databases.harness.prompts.shown[0].text, "Error 942\n\ntable or view does not exist");
    EXPECT_EQ(entries(*form.List1), (std::vector<std::string>{"emp", "orders"}));
    EXPECT_EQ(form.List2->count(), 0);
    EXPECT_TRUE(form.isVisible());
}

TEST(Form2, WhileAnOperationRunsNoOtherDatabaseOrListButtonStartsAnything) {
    FakeDatabases databases;
    Form2& form = databases.start();
    Form1& setup = *databases.harness.form;
    databases.harness.prompts.inputs.push_back("orders_2");
    clickEntry(*form.List1, 1); // orders
    const long createdBefore = databases.connections.created();
    std::vector<PointerSetting> hovered;
    databases.harness.prompts.whileShown = [&] {
        for (GraphicalCheckBox* button : {form.Check1, form.Check3, form.Check4, form.Check5,
                                          form.Check6, form.Check7, form.Check2})
            click(*button);
        click(*setup.Check2);
        click(*setup.Check1);
        click(*form.Check8); // the lists are the operation's until it ends
        for (QWidget* control : std::initializer_list<QWidget*>{
                 form.Check4, form.Frame1, form.List2->viewport(), form.ProgressBar1, &form}) {
            hover(*control);
            hovered.push_back(form.windowPointer().pointer());
        }
    };
    click(*form.Check6); // rename: asks for the new name while busy
    ASSERT_EQ(databases.harness.prompts.shown.size(), 1u);
    EXPECT_EQ(databases.harness.prompts.shown[0].kind, "input");
    EXPECT_EQ(databases.connections.created(), createdBefore + 1);
    EXPECT_FALSE(setup.isVisible());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.List2->selectedCount(), 0);
    EXPECT_EQ(hovered, std::vector<PointerSetting>(5, PointerSetting::Busy));
    EXPECT_EQ(entries(*form.List1), (std::vector<std::string>{"emp", "orders_2"}));

    click(*form.Check2); // free again once it has ended
    EXPECT_TRUE(setup.isVisible());
}

TEST(Form2, SelectAllWhileADeleteWaitsForItsConnectionChangesNothingTheDeleteDrops) {
    FakeDatabases databases;
    Form2& form = databases.start();
    databases.connections.openDelay = std::chrono::milliseconds(300);
    clickEntry(*form.List1, 0); // emp
    bool tried = false;
    PointerSetting overButton = PointerSetting::Default;
    QTimer::singleShot(50, [&] { // while the connection opens
        clickEntry(*form.List1, 1);
        click(*form.Check10); // Select All
        QTest::keyClick(form.List1, Qt::Key_Up);
        hover(*form.Check10);
        overButton = form.windowPointer().pointer();
        tried = true;
    });
    click(*form.Check1); // Delete Table(s)

    ASSERT_TRUE(tried);
    EXPECT_EQ(overButton, PointerSetting::Busy); // the pointer rule still ran
    EXPECT_EQ(databases.count("execute DROP TABLE"), 1);
    EXPECT_EQ(entries(*form.List1), std::vector<std::string>{"orders"});
    EXPECT_EQ(form.List1->selectedCount(), 0);
    click(*form.Check10); // free again once the operation has ended
    EXPECT_EQ(form.List1->selectedCount(), 1);
}

TEST(Form2, AnOperationAsksTheWindowAndWaitsForTheAnswerOnTheWindowsThread) {
    FakeDatabases databases;
    Form2& form = databases.start();
    databases.harness.prompts.inputs.push_back("staff");
    bool onWindowThread = false;
    bool operationWaited = false;
    databases.harness.prompts.whileShown = [&] {
        onWindowThread = QThread::currentThread() == QCoreApplication::instance()->thread();
        operationWaited = databases.harness.windows->operationWorking() &&
                          databases.count("execute ALTER TABLE") == 0;
    };
    clickEntry(*form.List1, 1); // orders
    click(*form.Check6);        // "Rename Table"
    EXPECT_TRUE(onWindowThread);
    EXPECT_TRUE(operationWaited);
    EXPECT_EQ(databases.count("execute ALTER TABLE \"orders\" RENAME \"staff\";"), 1);
    EXPECT_EQ(entries(*form.List1), (std::vector<std::string>{"emp", "staff"}));
}

TEST(Form2, ClosingTheWindowDuringACopyStopsItClosesItsConnectionsAndEndsTheProgram) {
    FakeDatabases databases;
    Form2& form = databases.start();
    QSignalSpy ended(databases.harness.windows.get(), &ProgramWindows::programEndRequested);
    databases.harness.prompts.answers.push_back(true); // overwrite emp
    databases.harness.prompts.whileShown = [&form] { form.close(); };
    clickEntry(*form.List2, 1); // EMP
    click(*form.Check4);

    EXPECT_EQ(ended.count(), 1);
    ASSERT_EQ(databases.harness.prompts.shown.size(), 1u); // the question, no error after it
    EXPECT_EQ(databases.harness.prompts.shown[0].kind, "ask");
    EXPECT_EQ(databases.count("INSERT"), 0);
    EXPECT_EQ(databases.count("create#"), databases.count(" release"));
    EXPECT_EQ(form.ProgressBar1->value(), 0);
    EXPECT_EQ(form.windowPointer().pointer(), PointerSetting::Default);
    EXPECT_FALSE(form.List1->findItems(QStringLiteral("EMP"), Qt::MatchExactly).size() > 0);
}

} // namespace
} // namespace tallowmere::gui
