// Each value bound in its column's form: dates, timestamps and numbers as
// the structures and numbers ODBC takes, read from their texts, and refused
// with ODBC's state when they are none; slots of one width for them all.
#include "data_access/DatabaseError.h"
#include "data_access/ParameterColumn.h"
#include "data_access/ParameterEncoder.h"
#include "db/TestSql.h"

#include <gtest/gtest.h>
#include <sqlext.h>

#include <cmath>
#include <cstring>

namespace tallowmere {
namespace {

template <typename Value> Value boundAs(ParameterEncoder& encoder, const std::string& text) {
    const auto bytes = encoder.encode(FieldValue(text));
    Value value{};
    EXPECT_TRUE(bytes && bytes->size() == sizeof value) << text;
    if (bytes && bytes->size() == sizeof value)
        std::memcpy(&value, bytes->data(), sizeof value);
    return value;
}

TEST(BoundValues, DatesTimestampsAndNumbersGoAsWhatTheyAre) {
    ParameterEncoder date(BoundForm::Date, false, false);
    const auto day = boundAs<SQL_DATE_STRUCT>(date, "2024-02-29");
    EXPECT_EQ(day.year * 10000 + day.month * 100 + day.day, 20240229);
    EXPECT_EQ(date.cType(), SQL_C_TYPE_DATE);
    EXPECT_EQ(date.sqlType(0), SQL_TYPE_DATE);
    EXPECT_FALSE(date.encode(FieldValue("")));
    EXPECT_FALSE(date.encode(std::nullopt));

    ParameterEncoder timestamp(BoundForm::Timestamp, true, false);
    EXPECT_EQ(boundAs<SQL_TIMESTAMP_STRUCT>(timestamp, "1999-12-31 23:59:59.000001").fraction,
              1000u);
    EXPECT_EQ(timestamp.decimalDigits(), 9); // every digit of the fraction is sent

    ParameterEncoder number(BoundForm::Double, false, false);
    for (const std::string& text : testing::kExactDoubles) // every bit, a zero's sign too
        EXPECT_EQ(std::bit_cast<uint64_t>(boundAs<SQLDOUBLE>(number, text)),
                  testing::doubleBits({text}).front())
            << text;
    EXPECT_TRUE(std::isinf(boundAs<SQLDOUBLE>(number, "-Infinity")));
    EXPECT_TRUE(std::isnan(boundAs<SQLDOUBLE>(number, "NaN")));
    ParameterEncoder single(BoundForm::Single, false, false);
    EXPECT_EQ(boundAs<SQLREAL>(single, "0.1"), 0.1f);
    EXPECT_EQ(single.sqlType(0), SQL_REAL);
}

TEST(BoundValues, ATextThatIsNoDateOrNumberIsRefusedWithOdbcsState) {
    const std::tuple<BoundForm, const char*, const char*> cases[] = {
        {BoundForm::Date, "2024-02-29 13:00", "22007"},
        {BoundForm::Timestamp, "soon", "22007"},
        {BoundForm::Double, "1,5", "22018"},
        {BoundForm::Single, "0x10", "22018"},
    };
    for (const auto& [form, text, state] : cases) {
        ParameterEncoder encoder(form, false, false);
        try {
            (void)encoder.encode(FieldValue(text));
            ADD_FAILURE() << text << " was bound";
        } catch (const ValueNotBound& refused) {
            EXPECT_EQ(refused.state(), state) << text;
            EXPECT_EQ(refused.value(), text);
        }
    }
}

TEST(BoundValues, NumbersAndStructuresTakeSlotsOfTheirOwnWidth) {
    ParameterEncoder number(BoundForm::Double, false, false);
    ParameterColumn column(number.fixedWidth());
    column.appendNull();
    column.append(*number.encode(FieldValue("2.5")));
    EXPECT_EQ(column.width(), sizeof(SQLDOUBLE));
    EXPECT_EQ(column.slot(1) - column.slot(0), static_cast<std::ptrdiff_t>(sizeof(SQLDOUBLE)));
    EXPECT_EQ(ParameterEncoder(BoundForm::Text, false, false).fixedWidth(), 0u);
}

} // namespace
} // namespace tallowmere
