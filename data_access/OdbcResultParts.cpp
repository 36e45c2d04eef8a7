#include "OdbcResultParts.h"

#include "AdoErrors.h"

namespace tallowmere {

OdbcResultParts::OdbcResultParts(OdbcHandle statement, const std::atomic<bool>& cancelled,
                                 ReadingRules rules)
    : mStatement(std::move(statement))
    , mCancelled(cancelled)
    , mRules(std::move(rules))
    , mFields(DescribeResultColumns(mStatement, mRules)) {}

bool OdbcResultParts::haveRow() {
    if (mRow < mBlockRows)
        return true;
    if (mEnded)
        return false;
    if (mCancelled)
        throw adoError(AdoError::OperationCancelled);
    if (!mFetch)
        mFetch = std::make_unique<OdbcBlockFetch>(mStatement, ValueFormsOf(mFields, mRules),
                                                  mRules.binding);
    mBlockRows = mFetch->nextBlock();
    mRow = 0;
    if (mBlockRows == 0 && mCancelled) // the end of the data may be the cancel's doing
        throw adoError(AdoError::OperationCancelled);
    mEnded = mBlockRows == 0;
    return !mEnded;
}

std::unique_ptr<Snapshot> OdbcResultParts::next(size_t rows, size_t bytes) {
    auto part = NewPart(mFields);
    while (static_cast<size_t>(part->rowCount()) < rows && part->bytes() < bytes && haveRow())
        mFetch->appendRow(mRow++, *part);
    return part->rowCount() > 0 ? std::move(part) : nullptr;
}

std::unique_ptr<Recordset> OdbcResultParts::rest() {
    if (mFetch)
        throw std::logic_error("The whole result is read before any part of it.");
    return ReadWholeResult(mStatement, mCancelled, mRules);
}

} // namespace tallowmere
