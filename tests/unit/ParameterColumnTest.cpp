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

TEST(ParameterColumn, BytesWithOneMoreValueAreEverySlotAtItsNewWidth) {
    ParameterColumn column;
    column.append(std::string(100, 'x'));
    EXPECT_EQ(column.bytesWith(100), 200u); // 2 x 100
    EXPECT_EQ(column.bytesWith(40), 200u);  // a narrower value takes a whole slot
    EXPECT_EQ(column.bytesWith(600), 1200u);
    for (int i = 1; i < 10; ++i)
        column.append("y");
    EXPECT_EQ(column.bytesWith(1), 1100u);   // an eleventh slot of 100
    EXPECT_EQ(column.bytesWith(120), 1650u); // slots widen by half at least
    column.clear();
    EXPECT_EQ(column.rows(), 0u);
    EXPECT_EQ(column.bytesWith(1000), 1000u);
}

} // namespace
} // namespace tallowmere
