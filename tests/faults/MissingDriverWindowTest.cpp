// The setup window with a broken SQL Anywhere data source and a missing Oracle
// driver library: it opens with no message, each "Test Connection" says it
// could not connect, "OK" stays silent, and a working data source typed in
// afterwards connects.
#include "BrokenDrivers.h"
#include "support/OperationHarness.h"

#include "gui/FormHarness.h"
#include "ui/ConnectionField.h"
#include "ui/GraphicalCheckBox.h"

namespace tallowmere::faults {
namespace {

using namespace testing;

constexpr const char* kCouldNotConnect = "Could not connect. Please check with your administrator.";

TEST(FaultMissingDriverWindow, EachTestConnectionSaysItCouldNotConnectAndTheWindowGoesOn) {
    testing::SqliteDatabase sqlite;
    CountingConnectionFactory connections;
    gui::FormHarness harness(connections);
    harness.storeSettings({"127.0.0.1;Port=1", "scott", "tiger", testing::kBrokenDriverDataSource});
    Form1& form = harness.start();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(harness.mainWindow(), nullptr);
    EXPECT_TRUE(harness.prompts.shown.empty());

    std::vector<PointerSetting> pointerWhileShown;
    harness.prompts.whileShown = [&] {
        pointerWhileShown.push_back(form.windowPointer().pointer());
    };
    gui::click(*form.Check1); // its driver library does not exist
    form.Text4->setText(QString::fromLatin1(kNotALibraryDataSource));
    gui::click(*form.Check1);
    form.Text4->setText(QStringLiteral("TallowmereNoSuchDataSource"));
    gui::click(*form.Check1);
    gui::click(*form.Check3); // the Oracle driver library does not exist
    gui::click(*form.Check2); // the check fails without a word

    ASSERT_EQ(harness.prompts.shown.size(), 4u);
    for (const Prompt& prompt : harness.prompts.shown) {
        EXPECT_EQ(prompt.kind, "message");
        EXPECT_EQ(prompt.text, kCouldNotConnect);
        EXPECT_EQ(prompt.title, "Tallowmere");
    }
    EXPECT_EQ(pointerWhileShown, std::vector<PointerSetting>(4, PointerSetting::Busy));
    EXPECT_EQ(form.windowPointer().pointer(), PointerSetting::Default);
    for (GraphicalCheckBox* button : {form.Check1, form.Check2, form.Check3})
        EXPECT_FALSE(button->isChecked());
    EXPECT_EQ(harness.mainWindow(), nullptr);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(connections.alive(), 0);

    // The SQL Anywhere side works again; Oracle still cannot load its driver.
    form.Text4->setText(QString::fromLatin1(testing::kSqliteDataSource));
    gui::click(*form.Check1);
    gui::click(*form.Check2);
    ASSERT_EQ(harness.prompts.shown.size(), 5u);
    EXPECT_EQ(harness.prompts.shown[4].text, "Connection successful.");
    EXPECT_EQ(harness.mainWindow(), nullptr);
    EXPECT_EQ(connections.alive(), 0);
}

} // namespace
} // namespace tallowmere::faults
