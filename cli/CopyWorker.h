// What copies tables over one pair of connections: its row senders, its
// table makers and its copier, as the request asks. One worker copies the
// tables one after another; with --jobs, several copy side by side, each on
// its own connections.
#pragma once

#include "BoundArrayRows.h"
#include "CommandRequest.h"
#include "TerminalSide.h"

#include "transfer/ExistingTables.h"
#include "transfer/TableTransfer.h"
#include "transfer/WholeTables.h"

namespace tallowmere::cli {

class CopyWorker {
public:
    CopyWorker(const CommandRequest& request, const TransferDirection& direction,
               const OperationContext& context, CopyProgress& progress);
    TableCopier& copier() { return mCopier; }
    Connection& target() const { return mConnections.target(); }
    void close() { mConnections.close(); }

private:
    TableMaker* maker(const CommandRequest& request);

    TransferConnections mConnections;
    InsertTextRows mInsertTexts;
    BoundArrayRows mArrays;
    WholeTables mWholeTables;
    ExistingTables mExistingTables;
    TableCopier mCopier;
};

} // namespace tallowmere::cli
