#include "Snapshot.h"

#include "AdoType.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tallowmere {
namespace {

constexpr size_t kFileChunk = 1u << 20;

} // namespace

Snapshot::Snapshot(std::vector<FieldInfo> fields, size_t memoryLimit)
    : mFields(std::move(fields))
    , mMemoryLimit(memoryLimit) {
    for (const FieldInfo& field : mFields)
        mNumber.push_back(isNumberType(field.adoType));
}

Snapshot::~Snapshot() {
    if (mFile)
        std::fclose(mFile); // an unnamed temporary file goes with its handle
}

void Snapshot::appendLength(std::string& buffer, uint64_t length) {
    char bytes[kLengthBytes];
    std::memcpy(bytes, &length, kLengthBytes);
    buffer.append(bytes, kLengthBytes);
}

uint64_t Snapshot::lengthAt(const char* bytes) {
    uint64_t length = 0;
    std::memcpy(&length, bytes, kLengthBytes);
    return length;
}

void Snapshot::appendValue(std::string_view text) {
    if (mColumn < mFields.size()) {
        FieldInfo& field = mFields[mColumn];
        if (mNumber[mColumn])
            field.widest.widen(DigitsOf(text));
        field.longest = std::max(field.longest, text.size());
        field.holdsEmpty = field.holdsEmpty || text.empty();
    }
    ++mColumn;
    appendLength(mBuffer, text.size());
    mBuffer.append(text);
    spillIfNeeded();
}

void Snapshot::appendNull() {
    ++mColumn;
    appendLength(mBuffer, kNullLength);
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
    if (!mFile)
        openFile();
    writeBuffer();
    mBuffer.shrink_to_fit();
}

void Snapshot::openFile() {
    mFolder = TemporaryFolder();
    mFile = OpenSpillFile(mFolder);
}

void Snapshot::writeBuffer() {
    errno = 0;
    if (std::fwrite(mBuffer.data(), 1, mBuffer.size(), mFile) != mBuffer.size())
        fail(errno);
    mBuffer.clear();
}

void Snapshot::fail(int error) const {
    throw SpillFailure(mFolder, error);
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
    errno = 0;
    const size_t got = std::fread(mBuffer.data() + had, 1, want, mFile);
    if (got < want && std::ferror(mFile))
        fail(errno);
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
            if (!mBuffer.empty())
                writeBuffer();
            errno = 0;
            if (std::fflush(mFile) != 0 || std::fseek(mFile, 0, SEEK_SET) != 0)
                fail(errno);
        }
    }
    row.resize(mFields.size());
    for (FieldValue& value : row) {
        char lengthBytes[kLengthBytes];
        if (!readBytes(lengthBytes, kLengthBytes))
            return false;
        const uint64_t length = lengthAt(lengthBytes);
        if (length == kNullLength) {
            value.reset();
            continue;
        }
        if (!fillReadBuffer(length))
            fail(0); // the file ended inside a value
        // Reusing the value's own room spares an allocation per value and row.
        if (value)
            value->assign(mBuffer.data() + mReadPos, length);
        else
            value.emplace(mBuffer.data() + mReadPos, length);
        mReadPos += length;
    }
    return true;
}

} // namespace tallowmere
