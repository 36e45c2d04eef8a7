#include "Connection.h"

#include "AdoErrors.h"

namespace tallowmere {

// A connection without transactions, parameter arrays or a catalogue, such as a test's
// fake, refuses them as ADO refuses what a provider does not support.

std::unique_ptr<ResultParts> Connection::openParts(const std::string& commandText) {
    return std::make_unique<RecordsetParts>(openRecordset(commandText));
}

void Connection::setAutoCommit(bool) {
    throw adoError(AdoError::NotCapable);
}

void Connection::commit() {
    throw adoError(AdoError::NotCapable);
}

void Connection::rollback() {
    throw adoError(AdoError::NotCapable);
}

std::unique_ptr<RowArrayInsert> Connection::prepareRowArray(const std::string&,
                                                            const std::vector<FieldInfo>&, size_t,
                                                            size_t, const std::vector<BoundForm>&) {
    throw adoError(AdoError::NotCapable);
}

TableDescription Connection::describeTable(const std::string&) {
    throw adoError(AdoError::NotCapable);
}

long Connection::longestName() {
    throw adoError(AdoError::NotCapable);
}

} // namespace tallowmere
