// The window's copy started under a locale that writes a decimal comma, as
// the program starts: numbers still reach the database with a decimal point.
#include "FormHarness.h"
#include "data_access/OdbcConnection.h"
#include "db/TestSql.h"
#include "ui/Form2.h"
#include "ui/GraphicalCheckBox.h"
#include "ui/TableListWidget.h"

#include <QLocale>

#include <clocale>
#include <string>

#include <gtest/gtest.h>

namespace tallowmere::gui {
namespace {

using namespace testing;

TEST(CommaLocale, TheWindowsCopySendsNumbersWithADecimalPoint) {
    TALLOWMERE_REQUIRE_POSTGRES();
    // This test program runs under a German locale: texts follow it.
    ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
    ASSERT_NE(std::string(std::setlocale(LC_CTYPE, nullptr)).find("de_DE"), std::string::npos);
    SqliteDatabase sqlite;
    OracleAccount oracle;
    oracle.exec("CREATE TABLE nums(d numeric(10,2), f double precision)");
    oracle.exec("INSERT INTO nums VALUES(3.25, 0.1), (-1234.50, 2.5)");
    OdbcConnectionFactory connections;
    FormHarness harness(connections);
    harness.storeSettings(workingSettings(oracle));
    Form2& form = *(harness.start(), harness.mainWindow());
    clickEntry(*form.List2, 0);
    click(*form.Check4); // "Send Table(s) to Sybase"
    EXPECT_TRUE(harness.prompts.shown.empty());
    EXPECT_TRUE(sameRows(sqlite.query("SELECT CAST(d AS TEXT), f FROM nums ORDER BY f"),
                         Rows{{"3.25", "0.1"}, {"-1234.5", "2.5"}}));
}

} // namespace
} // namespace tallowmere::gui
