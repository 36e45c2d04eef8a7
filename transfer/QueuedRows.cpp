#include "QueuedRows.h"

#include "data_access/AdoErrors.h"

namespace tallowmere {

QueuedRows::QueuedRows(std::unique_ptr<ResultParts> parts, QueueShape shape)
    : mParts(std::move(parts))
    , mFields(mParts->fields())
    , mShape(shape)
    , mReader([this] { read(); }) {}

QueuedRows::~QueuedRows() {
    stopReading();
}

void QueuedRows::read() {
    try {
        for (;;) {
            std::unique_ptr<Snapshot> part = mParts->next(mShape.partRows, mShape.partBytes);
            std::unique_lock lock(mLock);
            if (!part) {
                mReadAll = true;
                break;
            }
            mChanged.wait(lock, [this] { return mStopped || mQueue.size() < mShape.depth; });
            if (mStopped)
                break;
            mRowsRead += part->rowCount();
            mQueue.push_back(std::move(part));
            mChanged.notify_all();
        }
    } catch (...) {
        const std::lock_guard lock(mLock);
        mFailure = std::current_exception();
    }
    mParts.reset(); // its statement goes while the connection is surely open
    mChanged.notify_all();
}

void QueuedRows::stopReading() {
    {
        const std::lock_guard lock(mLock);
        mStopped = true;
    }
    mChanged.notify_all();
    if (mReader.joinable())
        mReader.join();
}

long QueuedRows::recordCount() const {
    const std::lock_guard lock(mLock);
    return mReadAll ? mRowsRead : -1;
}

void QueuedRows::reachRow() const {
    while (!mHasRow && !mEof) {
        if (mPart && mPart->readRow(mRow)) {
            mHasRow = true;
            return;
        }
        std::unique_lock lock(mLock);
        mChanged.wait(lock, [this] { return !mQueue.empty() || mReadAll || mFailure; });
        if (mQueue.empty() && mFailure)
            std::rethrow_exception(mFailure);
        if (mQueue.empty()) {
            mEof = true;
            return;
        }
        mPart = std::move(mQueue.front());
        mQueue.pop_front();
        mChanged.notify_all(); // room for the next part
    }
}

bool QueuedRows::eof() const {
    reachRow();
    return mEof;
}

void QueuedRows::moveNext() {
    reachRow();
    if (mEof)
        throw adoError(AdoError::NoCurrentRecord);
    mHasRow = false;
}

void QueuedRows::close() {
    stopReading();
    mPart.reset();
    mRow.clear();
    mHasRow = false;
    mEof = true;
}

const FieldInfo& QueuedRows::fieldInfo(int index) const {
    return mFields.at(static_cast<size_t>(index));
}

const FieldValue& QueuedRows::value(int index) const {
    reachRow();
    if (mEof)
        throw adoError(AdoError::NoCurrentRecord);
    return mRow.at(static_cast<size_t>(index));
}

} // namespace tallowmere
