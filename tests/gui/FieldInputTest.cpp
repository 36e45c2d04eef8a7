// The connection fields with what a user may put in them: values longer than
// a line edit keeps by default, a settings file that cannot be written, and a
// paste from the field's own context menu.
#include "FormHarness.h"
#include "data_access/OdbcConnection.h"
#include "operations/UserTexts.h"
#include "ui/ConnectionField.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QMenu>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

namespace tallowmere::gui {
namespace {

TEST(ConnectionFields, AValueOfAHundredThousandCharactersGoesWholeThroughStoreFieldAndStore) {
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    const std::string longValue(100'000, 'k');
    harness.storeSettings({"KWDB", "scott", longValue, "dsn"});
    Form1& form = harness.start();
    EXPECT_EQ(form.Text3->value(), longValue);
    EXPECT_EQ(harness.settings.saves.at(2), "OraclePassword=" + longValue);
    form.Text3->end(false);
    QTest::keyClick(form.Text3, Qt::Key_X);
    EXPECT_EQ(harness.settings.saves.back(), "OraclePassword=" + longValue + "x");
}

TEST(ConnectionFields, AFailedSaveIsSaidOnceNamingTheFileAndTheNextKeystrokeTriesAgain) {
    const QString file = QString::fromStdString(FileSettingsStore::filePath(kSettingsApplication));
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file)); // a folder where the file should be
    OdbcConnectionFactory connections;
    FileSettingsStore store;
    testing::FakePrompts prompts;
    HomePageSpy homePage;
    ProgramWindows windows({connections, store, prompts, homePage.services(), QString()});
    windows.start();
    Form1& form = windows.setupWindow();

    QTest::keyClicks(form.Text4, "ab");
    QTest::keyClicks(form.Text1, "x"); // another field, the same failing file
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text, texts::settingsNotSaved(file.toStdString()));
    EXPECT_EQ(form.Text4->value(), "ab");

    ASSERT_TRUE(QDir(file).removeRecursively());
    QTest::keyClick(form.Text4, Qt::Key_C);
    EXPECT_EQ(store.GetSetting(kSettingsApplication, kSettingsSection, kKeyDataSourceName), "abc");

    ASSERT_TRUE(QFile::remove(file) && QDir().mkpath(file)); // failing again after a save
    QTest::keyClick(form.Text4, Qt::Key_D);
    EXPECT_EQ(prompts.shown.size(), 2u);
    QDir(file).removeRecursively();
}

TEST(ConnectionFields, ComingBackFromItsOwnContextMenuKeepsTheUsersSelection) {
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    harness.storeSettings({"KWDB", "scott", "tiger", "sales db"});
    Form1& form = harness.start();
    tabWalk(form, *form.Text4, 0);
    ASSERT_EQ(form.Text4->selectedText(), QStringLiteral("sales db")); // taking the focus
    form.Text4->setSelection(6, 2);
    const QPoint middle = form.Text4->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, middle, form.Text4->mapToGlobal(middle));
    QApplication::sendEvent(form.Text4, &request);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    menu->close();
    // What a desktop sends the field once its menu has gone (the offscreen
    // platform hands the focus back to no one).
    QFocusEvent back(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(form.Text4, &back);
    EXPECT_EQ(form.Text4->selectedText(), QStringLiteral("db"));
    QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(form.Text4, &tabbedIn);
    EXPECT_EQ(form.Text4->selectedText(), QStringLiteral("sales db"));
}

} // namespace
} // namespace tallowmere::gui
