// One parameter's values for a whole array: slots that widen, and the budget.
#include "data_access/ParameterColumn.h"

#include <gtest/gtest.h>

namespace tallowmere {
namespace {

std::string_view valueAt(ParameterColumn& column, size_t row) {
    const SQLLEN length = *column.length(row);
    return length == SQL_NULL_DATA ? "<null>" : std::string_view(column.slot(row), size_t(length));
}

TEST(ParameterColumn, WiderValuesMoveEveryHeldValueIntoWiderSlots) {
    ParameterColumn column;
    const std::vector<std::string> values{"a", "bbb", "", "cc", std::string(100, 'd'), "e"};
    for (const std::string& value : values)
        column.append(value);
    column.appendNull();
    ASSERT_EQ(column.rows(), values.size() + 1);
    for (size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(valueAt(column, i), values[i]);
    EXPECT_EQ(valueAt(column, values.size()), "<null>");
    EXPECT_EQ(column.widest(), 100u);
    EXPECT_GE(column.width(), 100u);
}

TEST(ParameterColumn, AValueFitsWhileItsWidthTimesTheRowsStaysWithinTheBudget) {
    constexpr size_t kBudget = 1000;
    ParameterColumn column;
    column.append(std::string(100, 'x'));
    EXPECT_TRUE(column.fits(100, kBudget)); // 2 x 100
    EXPECT_FALSE(column.fits(600, kBudget));
    for (int i = 1; i < 10; ++i)
        column.append("y");
    EXPECT_FALSE(column.fits(1, kBudget)); // an eleventh slot of 100
    column.clear();
    EXPECT_EQ(column.rows(), 0u);
    EXPECT_TRUE(column.fits(kBudget, kBudget));
}

} // namespace
} // namespace tallowmere
