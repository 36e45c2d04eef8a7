#include "AdoErrors.h"
#include "Snapshot.h"

#include <stdexcept>

namespace tallowmere {

SnapshotRecordset::SnapshotRecordset(std::unique_ptr<Snapshot> snapshot)
    : mSnapshot(std::move(snapshot)) {
    mEof = !mSnapshot->readRow(mRow);
}

void SnapshotRecordset::checkOpen() const {
    if (!mSnapshot)
        throw std::logic_error("The recordset is closed.");
}

void SnapshotRecordset::moveNext() {
    checkOpen();
    if (mEof)
        throw adoError(AdoError::NoCurrentRecord);
    mEof = !mSnapshot->readRow(mRow);
}

void SnapshotRecordset::close() {
    mSnapshot.reset();
    mRow.clear();
    mEof = true;
}

int SnapshotRecordset::fieldCount() const {
    checkOpen();
    return static_cast<int>(mSnapshot->fields().size());
}

const FieldInfo& SnapshotRecordset::fieldInfo(int index) const {
    checkOpen();
    return mSnapshot->fields().at(static_cast<size_t>(index));
}

const FieldValue& SnapshotRecordset::value(int index) const {
    checkOpen();
    if (mEof)
        throw adoError(AdoError::NoCurrentRecord);
    return mRow.at(static_cast<size_t>(index));
}

} // namespace tallowmere
