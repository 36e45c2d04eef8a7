#include "CopyWorker.h"

namespace tallowmere::cli {
namespace {

// Rows read beside the sending wait in a queue of so many parts, each of one
// array's rows and its share of one budget for them all.
constexpr size_t kQueuedParts = 4;
constexpr size_t kQueuedBudget = kRowArrayBudget;

} // namespace

CopyWorker::CopyWorker(const CommandRequest& request, const TransferDirection& direction,
                       const OperationContext& context, CopyProgress& progress)
    : mConnections(context, direction)
    , mArrays(request.arrayRows)
    , mWholeTables(direction.target, mConnections.source(), mConnections.target())
    , mExistingTables(direction.target, mConnections.target(), request.into == IntoTarget::Truncate)
    , mCopier(context, direction, mConnections,
              request.rowByRow ? static_cast<RowSender&>(mInsertTexts) : mArrays, progress,
              ReplaceOrder::ReadThenDrop, maker(request)) {
    mConnections.source().setReadProgress([&progress](long rows) { progress.rowsReadSoFar(rows); });
    mCopier.setRowCondition(request.where);
    mCopier.readBesideSending({request.arrayRows, kQueuedBudget / kQueuedParts, kQueuedParts});
}

TableMaker* CopyWorker::maker(const CommandRequest& request) {
    if (request.into != IntoTarget::NewTable)
        return &mExistingTables;
    return request.plain ? nullptr : &mWholeTables; // none: the window's
}

} // namespace tallowmere::cli
