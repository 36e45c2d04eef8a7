// The connection setup window: its layout, its fields, its buttons and the
// start-up sequence on empty, failing and working settings.
#include "FormHarness.h"
#include "data_access/OdbcConnection.h"
#include "operations/UserTexts.h"
#include "support/TestDatabases.h"
#include "tests/unit/Fakes.h"
#include "ui/ConnectionField.h"
#include "ui/Form2.h"
#include "ui/GraphicalCheckBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace tallowmere::gui {
namespace {

using testing::OracleAccount;
using testing::SqliteDatabase;

QRect pixels(int left, int top, int width, int height) {
    return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
                 qRound(height / 15.0));
}

struct Placement {
    const char* name;
    const char* container;
    QRect rect;
};

TEST(Form1, EveryControlSitsWhereTheLayoutPutsItInAFixedWhiteWindow) {
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    Form1& form = harness.create();
    EXPECT_EQ(form.size(), QSize(425, 342));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Setup Connections"));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::white));

    const Placement table[] = {
        {"Text1", "Frame1", pixels(1320, 360, 4095, 330)},
        {"Check6", "Frame1", pixels(5520, 360, 375, 375)},
        {"Text2", "Frame1", pixels(1320, 840, 4575, 330)},
        {"Text3", "Frame1", pixels(1320, 1320, 4575, 330)},
        {"Check3", "Form1", pixels(240, 1920, 4335, 375)},
        {"Check5", "Frame1", pixels(4560, 1800, 1335, 375)},
        {"Text4", "Frame2", pixels(2040, 360, 3855, 330)},
        {"Check1", "Frame2", pixels(120, 840, 4335, 375)},
        {"Check4", "Frame2", pixels(4560, 840, 1335, 375)},
        {"Check2", "Form1", pixels(120, 4130, 6135, 375)},
        {"Frame1", "Form1", pixels(120, 120, 6135, 2415)},
        {"Label4", "Frame1", pixels(240, 1365, 1095, 255)},
        {"Label1", "Frame1", pixels(240, 885, 1095, 255)},
        {"Label2", "Frame1", pixels(240, 405, 975, 255)},
        {"Label8", "Form1", pixels(120, 4600, 6135, 495)},
        {"Frame2", "Form1", pixels(120, 2640, 6135, 1420)},
        {"Label3", "Frame2", pixels(240, 405, 1695, 255)},
    };
    for (const Placement& p : table) {
        auto* control = form.findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(control->geometry(), p.rect) << p.name;
        const QString container = control->parentWidget() == &form
                                      ? QStringLiteral("Form1")
                                      : control->parentWidget()->objectName();
        EXPECT_EQ(container, QString::fromLatin1(p.container)) << p.name;
        EXPECT_EQ(control->font().family(), QStringLiteral("Arial")) << p.name;
        EXPECT_TRUE(control->font().bold()) << p.name;
    }
    EXPECT_GT(form.Check6->font().pixelSize(), form.Check5->font().pixelSize());
    EXPECT_FALSE(form.font().bold());
}

TEST(Form1, CaptionsAndTheNoteReadExactlyAndTheTabOrderFollowsTheTable) {
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    Form1& form = harness.create();
    EXPECT_EQ(form.Label8->text(), QStringLiteral(" Note: This software does not support the CLOB "
                                                  "and NLOB data type in      Oracle."));
    EXPECT_EQ(form.Frame1->title(), QStringLiteral("Oracle Login"));
    EXPECT_EQ(form.Frame2->title(), QStringLiteral("Sybase SQL Anywhere Database"));
    EXPECT_EQ(form.Label3->text(), QStringLiteral("Data Source Name:"));
    EXPECT_EQ(form.Text3->echoMode(), QLineEdit::Password);

    const QStringList walk = tabWalk(form, *form.Text1, 11);
    EXPECT_EQ(walk, QStringList({"Text1", "Check6", "Text2", "Text3", "Check3", "Check5", "Text4",
                                 "Check1", "Check4", "Check2", "Text1"}));
}

TEST(Form1, FirstRunWithAnEmptyStoreShowsTheWindowWithEmptyFieldsAndNoMessage) {
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    Form1& form = harness.start();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(harness.mainWindow(), nullptr);
    EXPECT_TRUE(harness.prompts.shown.empty());
    for (ConnectionField* field : {form.Text1, form.Text2, form.Text3, form.Text4})
        EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(form.windowPointer().pointer(), PointerSetting::Default);
}

TEST(Form1, AFailingSqlAnywhereSideNeverTriesOracleAtStartUpOrOnOk) {
    fakes::Log log;
    fakes::FakeConnectionFactory connections(log);
    connections.fail("open Data Source=Nowhere", 0, "IM002", "Data source name not found");
    FormHarness harness(connections);
    harness.storeSettings({"ORCL", "scott", "tiger", "Nowhere"});
    Form1& form = harness.start();
    EXPECT_TRUE(form.isVisible());
    click(*form.Check2);
    EXPECT_EQ(harness.mainWindow(), nullptr);
    EXPECT_TRUE(harness.prompts.shown.empty());
    for (const std::string& line : log)
        EXPECT_EQ(line.find("Oracle"), std::string::npos) << line;
    EXPECT_EQ(connections.created(), 2);
}

TEST(Form1, LoadingStoresEachValueBackAndEveryKeystrokeStoresTheWholeField) {
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    harness.storeSettings({"KWDB", "scott", "tiger", " dsn "});
    Form1& form = harness.start();
    EXPECT_EQ(harness.settings.saves,
              std::vector<std::string>({"OracleServer=KWDB", "OracleUser=scott",
                                        "OraclePassword=tiger", "DataSourceName= dsn "}));
    harness.settings.saves.clear();
    form.Text2->setFocus();
    form.Text2->setCursorPosition(5);
    QTest::keyClicks(form.Text2, "_x");
    QTest::keyClick(form.Text2, Qt::Key_Backspace);
    EXPECT_EQ(
        harness.settings.saves,
        std::vector<std::string>({"OracleUser=scott_", "OracleUser=scott_x", "OracleUser=scott_"}));
    EXPECT_EQ(form.current().oracleUser, "scott_");
    EXPECT_EQ(form.current().dataSourceName, " dsn ");
}

TEST(Form1, TheRealStoreKeepsWhatWasTypedForTheNextStart) {
    OdbcConnectionFactory connections;
    FileSettingsStore store;
    QFile::remove(QString::fromStdString(FileSettingsStore::filePath(kSettingsApplication)));
    HomePageSpy homePage;
    testing::FakePrompts prompts;
    {
        ProgramWindows windows({connections, store, prompts, homePage.services(), QString()});
        windows.start();
        QTest::keyClicks(windows.setupWindow().Text4, "Sales DB");
        QTest::keyClicks(windows.setupWindow().Text3, "p;w'd");
    }
    ProgramWindows windows({connections, store, prompts, homePage.services(), QString()});
    windows.start();
    const Form1& again = windows.setupWindow();
    EXPECT_EQ(again.Text4->text(), QStringLiteral("Sales DB"));
    EXPECT_EQ(again.Text3->text(), QStringLiteral("p;w'd"));
    EXPECT_EQ(store.GetSetting(kSettingsApplication, kSettingsSection, kKeyDataSourceName),
              "Sales DB");
}

TEST(Form1, TabbingIntoAFieldSelectsItsWholeText) {
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    harness.storeSettings({"KWDB", "scott", "tiger", "dsn"});
    Form1& form = harness.start();
    tabWalk(form, *form.Text1, 2); // Text1, then "?", then into Text2
    ASSERT_EQ(QApplication::focusWidget(), form.Text2);
    EXPECT_EQ(form.Text2->selectedText(), QStringLiteral("scott"));
    QTest::keyClicks(form.Text2, "adams");
    EXPECT_EQ(form.Text2->text(), QStringLiteral("adams"));
}

TEST(Form1, HelpButtonsShowTheirTextsAndTheQuestionMarkShowsTheOracleHelp) {
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    Form1& form = harness.start();
    click(*form.Check5);
    click(*form.Check4);
    click(*form.Check6);
    ASSERT_EQ(harness.prompts.shown.size(), 3u);
    EXPECT_EQ(harness.prompts.shown[0].text, texts::oracleHelpText());
    EXPECT_EQ(harness.prompts.shown[1].text, texts::sqlAnywhereHelpText());
    EXPECT_EQ(harness.prompts.shown[2].text, texts::oracleHelpText());
    for (const testing::Prompt& prompt : harness.prompts.shown) {
        EXPECT_EQ(prompt.kind, "message");
        EXPECT_EQ(prompt.title, "Tallowmere");
    }
    for (GraphicalCheckBox* button : {form.Check4, form.Check5, form.Check6})
        EXPECT_FALSE(button->isChecked());
}

TEST(Form1, TestConnectionReportsEachSideTwiceWhenPressedTwiceWithTheHourglassMeanwhile) {
    SqliteDatabase database;
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    harness.storeSettings({"", "", "", testing::kSqliteDataSource});
    Form1& form = harness.start();
    std::vector<PointerSetting> pointerWhileShown;
    harness.prompts.whileShown = [&] {
        pointerWhileShown.push_back(form.windowPointer().pointer());
    };
    click(*form.Check1);
    click(*form.Check1);
    click(*form.Check3); // no Oracle driver settings: cannot connect
    ASSERT_EQ(harness.prompts.shown.size(), 3u);
    EXPECT_EQ(harness.prompts.shown[0].text, "Connection successful.");
    EXPECT_EQ(harness.prompts.shown[1].text, "Connection successful.");
    EXPECT_EQ(harness.prompts.shown[2].text,
              "Could not connect. Please check with your administrator.");
    EXPECT_EQ(pointerWhileShown, std::vector<PointerSetting>(3, PointerSetting::Busy));
    EXPECT_EQ(form.windowPointer().pointer(), PointerSetting::Default);
    EXPECT_FALSE(form.Check1->isChecked());
}

TEST(Form1, HoverShowsTheHandOverButtonsKeepsItOverLabelsAndRespectsTheHourglass) {
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    Form1& form = harness.start();
    FormPointer& pointer = form.windowPointer();

    hover(*form.Check1);
    EXPECT_EQ(pointer.pointer(), PointerSetting::Custom);
    EXPECT_EQ(form.Check1->cursor().shape(), Qt::PointingHandCursor);
    hover(*form.Label3);
    EXPECT_EQ(pointer.pointer(), PointerSetting::Custom);
    hover(*form.Frame2);
    EXPECT_EQ(pointer.pointer(), PointerSetting::Default);
    hover(*form.Check6);
    hover(*form.Text1);
    EXPECT_EQ(pointer.pointer(), PointerSetting::Default);
    hover(*form.Check2);
    hover(form);
    EXPECT_EQ(pointer.pointer(), PointerSetting::Default);

    pointer.setPointer(PointerSetting::Busy);
    for (QWidget* control : std::initializer_list<QWidget*>{
             form.Check2, form.Frame1, form.Text1, form.Text2, form.Text3, form.Label8, &form}) {
        hover(*control);
        EXPECT_EQ(pointer.pointer(), PointerSetting::Busy) << control->objectName().toStdString();
    }
    EXPECT_EQ(form.Text1->cursor().shape(), Qt::WaitCursor);
    hover(*form.Text4); // the data source field ends even the hourglass
    EXPECT_EQ(pointer.pointer(), PointerSetting::Default);
    EXPECT_EQ(form.Text4->cursor().shape(), Qt::IBeamCursor);
}

TEST(Form1, ClosingTheWindowEndsTheProgram) {
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    Form1& form = harness.start();
    QSignalSpy ended(&form, &Form1::programEndRequested);
    form.close();
    EXPECT_EQ(ended.count(), 1);
}

TEST(Form1, TheHomePageOpensOnlyOnTheLuckyDraw) {
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    harness.homePage.draw = 7;
    harness.start();
    EXPECT_EQ(harness.homePage.opened,
              std::vector<std::string>{HomePageAddress(harness.programFolder)});
    FormHarness unlucky(connections);
    unlucky.homePage.draw = 8;
    unlucky.start();
    EXPECT_TRUE(unlucky.homePage.opened.empty());
}

} // namespace
} // namespace tallowmere::gui
