// A result read a part at a time on its own statement, a block a fetch where
// the driver allows, so the rows read so far can go on while the rest are
// still read. Private to the data-access layer.
#pragma once

#include "OdbcBlockFetch.h"
#include "OdbcResultReading.h"
#include "ResultParts.h"

#include <atomic>

namespace tallowmere {

class OdbcResultParts : public ResultParts {
public:
    // On a statement whose result is ready to fetch; the connection's cancel
    // flag stops the reading at its next fetch, as a failure.
    OdbcResultParts(OdbcHandle statement, const std::atomic<bool>& cancelled, ReadingRules rules);
    const std::vector<FieldInfo>& fields() const override { return mFields; }
    std::unique_ptr<Snapshot> next(size_t rows, size_t bytes) override;
    std::unique_ptr<Recordset> rest() override;

private:
    // Fetches the next block when the last is used up; false at the end.
    bool haveRow();

    OdbcHandle mStatement;
    const std::atomic<bool>& mCancelled;
    ReadingRules mRules;
    std::vector<FieldInfo> mFields;
    std::unique_ptr<OdbcBlockFetch> mFetch; // from the first part on
    size_t mBlockRows = 0;
    size_t mRow = 0;
    bool mEnded = false;
};

} // namespace tallowmere
