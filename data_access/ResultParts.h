// A result read forward a part at a time, so its first rows can be used
// while the rest are still read; each part a snapshot of its rows. Any
// connection gives its results this way: one that cannot read a part at a
// time reads its result whole, then hands it out in parts.
#pragma once

#include "Recordset.h"
#include "Snapshot.h"

#include <memory>
#include <vector>

namespace tallowmere {

class ResultParts {
public:
    virtual ~ResultParts() = default;
    // The result's fields as described, before any value is read.
    virtual const std::vector<FieldInfo>& fields() const = 0;
    // The next rows: up to `rows` of them, fewer once their values take
    // `bytes` or the result ends; none after the last. A part is held in
    // memory whatever its size: the caller bounds it.
    virtual std::unique_ptr<Snapshot> next(size_t rows, size_t bytes) = 0;
    // Instead of any part: the whole result, read as openRecordset reads it
    // (kept in a file past its memory limit).
    virtual std::unique_ptr<Recordset> rest() = 0;
};

// The parts of a result already read whole.
class RecordsetParts : public ResultParts {
public:
    explicit RecordsetParts(std::unique_ptr<Recordset> rows);
    const std::vector<FieldInfo>& fields() const override { return mFields; }
    std::unique_ptr<Snapshot> next(size_t rows, size_t bytes) override;
    std::unique_ptr<Recordset> rest() override { return std::move(mRows); }

private:
    std::unique_ptr<Recordset> mRows;
    std::vector<FieldInfo> mFields;
};

// A snapshot for a part: held in memory however large.
std::unique_ptr<Snapshot> NewPart(const std::vector<FieldInfo>& fields);

} // namespace tallowmere
