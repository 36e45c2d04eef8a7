#include "Snapshot.h"

#include "AdoErrors.h"

#include <cstring>
#include <stdexcept>

namespace tallowmere {
namespace {

constexpr uint32_t kNullMarker = 0xFFFFFFFFu;
constexpr size_t kFileChunk = 1u << 20;

[[noreturn]] void throwFileError() {
    throw DatabaseError(0, "HY000", "The temporary file that holds the table's rows failed.");
}

} // namespace

Snapshot::Snapshot(std::vector<FieldInfo> fields, size_t memoryLimit)
    : mFields(std::move(fields))
    , mMemoryLimit(memoryLimit) {}

Snapshot::~Snapshot() {
    if (mFile)
        std::fclose(mFile); // an unnamed temporary file goes with its handle
}

void Snapshot::appendLength(uint32_t length) {
    char bytes[sizeof length];
    std::memcpy(bytes, &length, sizeof length);
    mBuffer.append(bytes, sizeof length);
}

void Snapshot::appendValue(std::string_view text) {
    appendLength(static_cast<uint32_t>(text.size()));
    mBuffer.append(text);
    spillIfNeeded();
}

void Snapshot::appendNull() {
    appendLength(kNullMarker);
}

void Snapshot::appendValue(const FieldValue& value) {
    if (value)
        appendValue(std::string_view(*value));
    else
        appendNull();
}

void Snapshot::spillIfNeeded() {
    if (!mFile && mBuffer.size() <= mMemoryLimit)
        return;
    if (mFile && mBuffer.size() < kFileChunk)
        return;
    if (!mFile && !(mFile = std::tmpfile()))
        throwFileError();
    if (std::fwrite(mBuffer.data(), 1, mBuffer.size(), mFile) != mBuffer.size())
        throwFileError();
    mBuffer.clear();
    mBuffer.shrink_to_fit();
}

bool Snapshot::fillReadBuffer(size_t needed) {
    if (mBuffer.size() - mReadPos >= needed)
        return true;
    if (!mFile)
        return false;
    mBuffer.erase(0, mReadPos);
    mReadPos = 0;
    const size_t want = std::max(needed - mBuffer.size(), kFileChunk);
    const size_t had = mBuffer.size();
    mBuffer.resize(had + want);
    const size_t got = std::fread(mBuffer.data() + had, 1, want, mFile);
    mBuffer.resize(had + got);
    return mBuffer.size() >= needed;
}

bool Snapshot::readBytes(char* into, size_t count) {
    if (!fillReadBuffer(count))
        return false;
    std::memcpy(into, mBuffer.data() + mReadPos, count);
    mReadPos += count;
    return true;
}

bool Snapshot::readRow(std::vector<FieldValue>& row) {
    if (!mReading) {
        mReading = true;
        if (mFile) {
            if (!mBuffer.empty() &&
                std::fwrite(mBuffer.data(), 1, mBuffer.size(), mFile) != mBuffer.size())
                throwFileError();
            mBuffer.clear();
            if (std::fflush(mFile) != 0 || std::fseek(mFile, 0, SEEK_SET) != 0)
                throwFileError();
        }
    }
    row.resize(mFields.size());
    for (FieldValue& value : row) {
        uint32_t length = 0;
        if (!readBytes(reinterpret_cast<char*>(&length), sizeof length))
            return false;
        if (length == kNullMarker) {
            value.reset();
            continue;
        }
        if (!fillReadBuffer(length))
            throwFileError();
        // Reusing the value's own room spares an allocation per value and row.
        if (value)
            value->assign(mBuffer.data() + mReadPos, length);
        else
            value.emplace(mBuffer.data() + mReadPos, length);
        mReadPos += length;
    }
    return true;
}

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
