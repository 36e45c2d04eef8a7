#include "RowSender.h"

#include "RowStatement.h"

namespace tallowmere {

void InsertTextRows::send(const RowsToSend& job) {
    const long count = job.rows.recordCount(); // unknown while the rows are still read
    RowStatementBuilder statement(job.target, job.table, job.made.insertColumns);
    for (long row = 0; !job.rows.eof(); ++row) {
        job.context.events.yield();
        if (count > 0)
            job.context.progress.setValue(static_cast<float>(double(row + 1) / count * 100.0));
        const std::string& text = statement.build(job.rows, job.context.events);
        job.observer.rowsCommitting(1); // each INSERT commits as it runs
        job.connection.execute(text);
        job.observer.rowsWritten(row + 1);
        job.rows.moveNext();
    }
}

} // namespace tallowmere
