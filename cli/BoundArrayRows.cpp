#include "BoundArrayRows.h"

#include "data_access/DatabaseError.h"
#include "data_access/DriverRules.h"
#include "data_access/RowArrayInsert.h"
#include "data_access/SqlTexts.h"
#include "transfer/RowStatement.h"

namespace tallowmere::cli {
namespace {

bool hasLongBinary(const Recordset& rows) {
    for (int i = 0; i < rows.fieldCount(); ++i) {
        if (isLongBinary(rows.fieldInfo(i).adoType))
            return true;
    }
    return false;
}

// One table's rows on their way in arrays; committed counts the rows on the
// target for good.
class ArraySending {
public:
    ArraySending(const RowsToSend& job, size_t arrayRows)
        : mJob(job) {
        std::vector<FieldInfo> fields;
        for (int i = 0; i < job.rows.fieldCount(); ++i)
            fields.push_back(job.rows.fieldInfo(i));
        const bool oneRowAtATime =
            job.target == Side::Oracle && !kOracleTakesLargeObjectArrays && hasLongBinary(job.rows);
        mArray = job.connection.prepareRowArray(BoundInsertText(job.table, fields.size()), fields,
                                                arrayRows, oneRowAtATime ? 1 : arrayRows);
    }

    void sendAll() {
        const long count = mJob.rows.recordCount();
        for (long row = 0; row < count; ++row) {
            mJob.context.events.yield();
            if (!mArray->addRow(mJob.rows)) { // full, or its memory budget is reached
                sendArray();
                (void)mArray->addRow(mJob.rows); // an empty array always takes a row
            }
            mJob.rows.moveNext();
        }
        sendArray();
    }

private:
    void sendArray() {
        if (mArray->size() == 0)
            return;
        try {
            mArray->executeAll();
            mJob.connection.commit();
            committed(mArray->size());
        } catch (const DatabaseError&) {
            if (mJob.context.events.stopped())
                throw;
            mJob.connection.rollback();
            sendRowByRow();
        }
        mArray->clear();
    }

    // After a failed array: each row alone and committed, up to the one that
    // fails, which ends the copy as a failure of that row.
    void sendRowByRow() {
        for (size_t i = 0; i < mArray->size(); ++i) {
            mJob.context.events.yield();
            try {
                mArray->executeRow(i);
            } catch (const DatabaseError& error) {
                mJob.connection.rollback();
                throw RowFailure(mCommitted + 1, error);
            }
            mJob.connection.commit();
            committed(1);
        }
    }

    void committed(size_t rows) {
        mCommitted += static_cast<long>(rows);
        mJob.observer.rowsWritten(mCommitted);
    }

    const RowsToSend& mJob;
    std::unique_ptr<RowArrayInsert> mArray;
    long mCommitted = 0;
};

} // namespace

void BoundArrayRows::send(const RowsToSend& job) {
    job.connection.setAutoCommit(false);
    {
        ArraySending sending(job, mArrayRows);
        sending.sendAll();
    } // the array goes before the connection returns to autocommit
    job.connection.setAutoCommit(true);
}

} // namespace tallowmere::cli
