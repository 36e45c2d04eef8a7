#include "BoundArrayRows.h"

#include "data_access/DatabaseError.h"
#include "data_access/DriverRules.h"
#include "data_access/RowArrayInsert.h"
#include "data_access/SqlTexts.h"

namespace tallowmere::cli {
namespace {

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
            job.target == Side::Oracle && !kOracleTakesLargeObjectArrays && job.made.largeObjects;
        mArray = job.connection.prepareRowArray(
            BoundInsertText(job.table, fields.size(), job.made.insertColumns), fields, arrayRows,
            oneRowAtATime ? 1 : arrayRows, job.made.forms);
    }

    // Until the rows end: they may still be read as they are sent.
    void sendAll() {
        while (!mJob.rows.eof()) {
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
            commit(mArray->size());
        } catch (const DatabaseError& error) {
            // Nothing to retry row by row: interrupted, or no connection left.
            if (mJob.context.events.stopped() || SaysConnectionLost(error.state()))
                throw;
            rollbackAfter(error);
            sendRowByRow();
        }
        mArray->clear();
    }

    // After a failed array: each row alone and committed, up to the one that
    // fails, in its INSERT or its commit, which ends the copy as a failure of
    // that row.
    void sendRowByRow() {
        for (size_t i = 0; i < mArray->size(); ++i) {
            mJob.context.events.yield();
            try {
                mArray->executeRow(i);
                commit(1);
            } catch (const DatabaseError& error) {
                if (mJob.context.events.stopped() || SaysConnectionLost(error.state()))
                    throw;
                rollbackAfter(error);
                throw RowFailure(mCommitted + 1, error);
            }
        }
    }

    void commit(size_t rows) {
        mJob.observer.rowsCommitting(static_cast<long>(rows));
        try {
            mJob.connection.commit();
        } catch (const DatabaseError& error) {
            // A commit the database refused kept nothing; one cut off by an
            // interrupt or a lost connection may have been done.
            if (!mJob.context.events.stopped() && !SaysConnectionLost(error.state()))
                mJob.observer.rowsCommitting(0);
            throw;
        }
        mCommitted += static_cast<long>(rows);
        mJob.observer.rowsWritten(mCommitted);
    }

    // Undoes what the failure left open. A rollback that fails too (SQLite
    // has already rolled back after a full disk) must not hide the failure
    // that led to it, nor let rows go on into a transaction of unknown state.
    void rollbackAfter(const DatabaseError& failure) {
        try {
            mJob.connection.rollback();
        } catch (const DatabaseError&) {
            throw failure;
        }
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
