// A complete copy of a result, written once and then read forward. Rows are
// packed into one buffer; past a threshold the buffer moves to an unnamed
// file in the user's temporary folder, so a large table does not grow the
// program's memory.
#pragma once

#include "Recordset.h"
#include "SpillFile.h"

#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace tallowmere {

class Snapshot {
public:
    explicit Snapshot(std::vector<FieldInfo> fields, size_t memoryLimit = kDefaultMemoryLimit);
    ~Snapshot();
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;

    static constexpr size_t kDefaultMemoryLimit = 32u << 20;

    const std::vector<FieldInfo>& fields() const { return mFields; }
    long rowCount() const { return mRowCount; }
    bool spilledToFile() const { return mFile != nullptr; }
    // The bytes its values take in memory, lengths included.
    size_t bytes() const { return mBuffer.size(); }

    // Writing: one value at a time, field by field, then endRow(). The digits
    // of each number widen its field's widest as it arrives, and every value
    // its longest, so the fields know every value's size without a second read.
    void appendValue(const FieldValue& value);
    void appendValue(std::string_view text);
    void appendNull();
    void endRow() {
        ++mRowCount;
        mColumn = 0;
    }

    // Reading: after the last endRow(); fills row with the next row's values.
    bool readRow(std::vector<FieldValue>& row);

    // Each value is stored as its length, then its bytes. The length is 64
    // bits wide, so no value's length wraps, and a null is stored as the one
    // length no value can have.
    static constexpr uint64_t kNullLength = std::numeric_limits<uint64_t>::max();
    static constexpr size_t kLengthBytes = sizeof(uint64_t);
    static void appendLength(std::string& buffer, uint64_t length);
    // The length stored at bytes, kLengthBytes of them.
    static uint64_t lengthAt(const char* bytes);

private:
    void spillIfNeeded();
    void openFile();
    void writeBuffer();
    [[noreturn]] void fail(int error) const;
    bool fillReadBuffer(size_t needed);
    bool readBytes(char* into, size_t count);

    std::vector<FieldInfo> mFields;
    std::vector<bool> mNumber; // by field: whose digits are counted
    size_t mColumn = 0;        // the field the next value belongs to
    size_t mMemoryLimit;
    long mRowCount = 0;
    std::string mBuffer;
    std::FILE* mFile = nullptr;
    std::string mFolder; // where mFile lives, for the message when it fails
    bool mReading = false;
    size_t mReadPos = 0;
};

// The recordset over a snapshot: the client-side cursor of the program.
class SnapshotRecordset : public Recordset {
public:
    explicit SnapshotRecordset(std::unique_ptr<Snapshot> snapshot);

    long recordCount() const override { return mSnapshot ? mSnapshot->rowCount() : 0; }
    bool eof() const override { return mEof; }
    void moveNext() override;
    void close() override;
    int fieldCount() const override;
    const FieldInfo& fieldInfo(int index) const override;
    const FieldValue& value(int index) const override;
    using Recordset::value;

private:
    void checkOpen() const;

    std::unique_ptr<Snapshot> mSnapshot;
    std::vector<FieldValue> mRow;
    bool mEof = true;
};

} // namespace tallowmere
