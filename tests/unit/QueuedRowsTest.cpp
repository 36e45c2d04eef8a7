// Rows read on a thread of their own while they are used: every row in its
// order across the parts, a read's failure after the rows before it, and the
// reading stopped when the rows go before their end.
#include "transfer/QueuedRows.h"
#include "data_access/AdoErrors.h"

#include <atomic>
#include <stdexcept>

#include <gtest/gtest.h>

namespace tallowmere {
namespace {

const std::vector<FieldInfo> kFields = {{"n", 3}};
constexpr QueueShape kShape{3, 1u << 20, 2}; // parts of 3 rows, 2 held at once

// The numbers 1 to rows, failing once `failAt` rows were handed out (0: never).
class Numbers : public ResultParts {
public:
    Numbers(long rows, long failAt, std::atomic<long>& handedOut)
        : mRows(rows)
        , mFailAt(failAt)
        , mHandedOut(handedOut) {}
    const std::vector<FieldInfo>& fields() const override { return kFields; }
    std::unique_ptr<Snapshot> next(size_t rows, size_t) override {
        if (mFailAt > 0 && mHandedOut >= mFailAt)
            throw std::runtime_error("the read failed");
        if (mHandedOut == mRows)
            return nullptr;
        auto part = NewPart(kFields);
        for (size_t i = 0; i < rows && mHandedOut < mRows; ++i) {
            part->appendValue(FieldValue(std::to_string(++mHandedOut)));
            part->endRow();
        }
        return part;
    }
    std::unique_ptr<Recordset> rest() override { return nullptr; }

private:
    long mRows;
    long mFailAt;
    std::atomic<long>& mHandedOut;
};

std::vector<long> readAll(Recordset& rows) {
    std::vector<long> read;
    for (; !rows.eof(); rows.moveNext())
        read.push_back(std::stol(*rows.value(0)));
    return read;
}

TEST(QueuedRows, EveryRowArrivesInOrderAndTheCountIsKnownAtTheEnd) {
    for (long count : {0L, 1L, 3L, 10L}) {
        std::atomic<long> handedOut{0};
        QueuedRows rows(std::make_unique<Numbers>(count, 0, handedOut), kShape);
        const std::vector<long> read = readAll(rows);
        ASSERT_EQ(static_cast<long>(read.size()), count);
        for (long i = 0; i < count; ++i)
            EXPECT_EQ(read[i], i + 1);
        EXPECT_EQ(rows.recordCount(), count);
        EXPECT_THROW(rows.moveNext(), DatabaseError);
    }
}

TEST(QueuedRows, AReadThatFailsFailsAfterTheRowsReadBeforeIt) {
    std::atomic<long> handedOut{0};
    QueuedRows rows(std::make_unique<Numbers>(100, 6, handedOut), kShape);
    std::vector<long> read;
    EXPECT_THROW(
        {
            for (; !rows.eof(); rows.moveNext())
                read.push_back(std::stol(*rows.value(0)));
        },
        std::runtime_error);
    EXPECT_EQ(read, (std::vector<long>{1, 2, 3, 4, 5, 6}));
}

TEST(QueuedRows, RowsLetGoOfEarlyStopTheReadingWithinTheQueue) {
    std::atomic<long> handedOut{0};
    {
        QueuedRows rows(std::make_unique<Numbers>(1000000, 0, handedOut), kShape);
        EXPECT_EQ(*rows.value(0), "1");
    }
    // The part being used, the parts held and the one waiting for room.
    EXPECT_LE(handedOut, static_cast<long>(kShape.partRows * (kShape.depth + 2)));
}

} // namespace
} // namespace tallowmere
