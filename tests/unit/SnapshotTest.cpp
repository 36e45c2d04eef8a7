// The row store behind every client-side result, in memory and spilled to a
// temporary file.
#include "data_access/Snapshot.h"
#include "data_access/DatabaseError.h"

#include <gtest/gtest.h>

namespace tallowmere {
namespace {

std::vector<std::vector<FieldValue>> sampleRows() {
    std::vector<std::vector<FieldValue>> rows;
    for (int r = 0; r < 300; ++r) {
        rows.push_back({std::to_string(r), std::nullopt, std::string()});
        rows.back().push_back(std::string(static_cast<size_t>(r * 97 % 5000), char('a' + r % 26)));
    }
    rows[7][3] = std::string(3u << 20, 'L'); // larger than a file chunk
    rows[8][3] = std::string("nul\0inside", 10);
    rows[9][1] = "Ωμέγα 😀";
    return rows;
}

const std::vector<FieldInfo> kFields{{"ID", 3}, {"NOTE", 200}, {"EMPTY", 200}, {"BODY", 201}};

class SnapshotRoundTrip : public ::testing::TestWithParam<size_t> {};

TEST_P(SnapshotRoundTrip, ReadsBackEveryValueInOrder) {
    const auto rows = sampleRows();
    auto snapshot = std::make_unique<Snapshot>(kFields, GetParam());
    for (const auto& row : rows) {
        for (const FieldValue& value : row)
            snapshot->appendValue(value);
        snapshot->endRow();
    }
    EXPECT_EQ(snapshot->spilledToFile(), GetParam() < 1000);
    EXPECT_EQ(snapshot->rowCount(), static_cast<long>(rows.size()));

    SnapshotRecordset recordset(std::move(snapshot));
    EXPECT_EQ(recordset.recordCount(), static_cast<long>(rows.size()));
    ASSERT_EQ(recordset.fieldCount(), 4);
    EXPECT_EQ(recordset.fieldInfo(3).name, "BODY");
    EXPECT_EQ(recordset.fieldInfo(3).adoType, 201);
    for (const auto& row : rows) {
        ASSERT_FALSE(recordset.eof());
        for (size_t i = 0; i < row.size(); ++i)
            ASSERT_EQ(recordset.value(static_cast<int>(i)), row[i]) << row[0].value() << "/" << i;
        EXPECT_EQ(static_cast<const Recordset&>(recordset).value(std::string_view("NOTE")), row[1]);
        recordset.moveNext();
    }
    EXPECT_TRUE(recordset.eof());
    EXPECT_THROW(recordset.moveNext(), DatabaseError);
    EXPECT_THROW(recordset.value(0), DatabaseError);
    EXPECT_EQ(recordset.fieldIndex("EMPTY"), 2);
    EXPECT_THROW(recordset.fieldIndex("MISSING"), std::out_of_range);
}

INSTANTIATE_TEST_SUITE_P(MemoryLimits, SnapshotRoundTrip,
                         ::testing::Values(size_t{16}, size_t{1}, Snapshot::kDefaultMemoryLimit));

TEST(Snapshot, EmptyResultStartsAtEndAndClosedRecordsetRefusesUse) {
    SnapshotRecordset empty(std::make_unique<Snapshot>(kFields, 1));
    EXPECT_TRUE(empty.eof());
    EXPECT_EQ(empty.recordCount(), 0);
    empty.close();
    EXPECT_EQ(empty.recordCount(), 0);
    EXPECT_THROW(empty.fieldCount(), std::logic_error);
}

} // namespace
} // namespace tallowmere
