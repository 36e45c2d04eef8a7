// A table's rows read on a thread of their own while the rows before them
// are sent: the reading puts parts of a few thousand rows in a queue of a
// few, and waits while it is full, so the rows held stay within one budget
// however long the table. What fails in the reading fails the sending at the
// row it had reached; destroying the rows stops the reading.
#pragma once

#include "data_access/ResultParts.h"

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

namespace tallowmere {

// How the rows are parted: parts of so many rows, each within its share of
// the budget, and so many parts held at once.
struct QueueShape {
    size_t partRows;
    size_t partBytes;
    size_t depth;
};

class QueuedRows : public Recordset {
public:
    QueuedRows(std::unique_ptr<ResultParts> parts, QueueShape shape);
    ~QueuedRows() override;
    QueuedRows(const QueuedRows&) = delete;
    QueuedRows& operator=(const QueuedRows&) = delete;

    // Unknown (-1) until the last row is read; the rows read then.
    long recordCount() const override;
    // Wait for the reading where the next row is not read yet.
    bool eof() const override;
    void moveNext() override;
    void close() override;
    int fieldCount() const override { return static_cast<int>(mFields.size()); }
    const FieldInfo& fieldInfo(int index) const override;
    const FieldValue& value(int index) const override;
    using Recordset::value;

private:
    void read();
    void stopReading();
    // Makes the part with the current row current, waiting for it.
    void reachRow() const;

    std::unique_ptr<ResultParts> mParts;
    const std::vector<FieldInfo> mFields;
    QueueShape mShape;

    mutable std::mutex mLock;
    mutable std::condition_variable mChanged;
    mutable std::deque<std::unique_ptr<Snapshot>> mQueue;
    bool mReadAll = false; // under mLock
    bool mStopped = false; // under mLock: the reading is to end
    long mRowsRead = 0;    // under mLock
    std::exception_ptr mFailure;

    // The sending side's: the part it reads and its row.
    mutable std::unique_ptr<Snapshot> mPart;
    mutable std::vector<FieldValue> mRow;
    mutable bool mHasRow = false;
    mutable bool mEof = false;
    std::thread mReader;
};

} // namespace tallowmere
