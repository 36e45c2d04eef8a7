#include "ResultParts.h"

#include <limits>

namespace tallowmere {

std::unique_ptr<Snapshot> NewPart(const std::vector<FieldInfo>& fields) {
    return std::make_unique<Snapshot>(fields, std::numeric_limits<size_t>::max());
}

RecordsetParts::RecordsetParts(std::unique_ptr<Recordset> rows)
    : mRows(std::move(rows)) {
    for (int i = 0; i < mRows->fieldCount(); ++i) {
        mFields.push_back(mRows->fieldInfo(i));
        // As described: what the whole read learnt of the values is not a
        // description's, and each part learns its own.
        mFields.back().widest = {};
        mFields.back().longest = 0;
        mFields.back().holdsEmpty = false;
    }
}

std::unique_ptr<Snapshot> RecordsetParts::next(size_t rows, size_t bytes) {
    if (mRows->eof())
        return nullptr;
    auto part = NewPart(mFields);
    for (size_t row = 0; row < rows && part->bytes() < bytes && !mRows->eof(); ++row) {
        for (int i = 0; i < mRows->fieldCount(); ++i)
            part->appendValue(mRows->value(i));
        part->endRow();
        mRows->moveNext();
    }
    return part;
}

} // namespace tallowmere
