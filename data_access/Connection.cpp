#include "Connection.h"

#include "AdoErrors.h"

namespace tallowmere {

// A connection without transactions or parameter arrays, such as a test's
// fake, refuses them as ADO refuses what a provider does not support.

void Connection::setAutoCommit(bool) {
    throw adoError(AdoError::NotCapable);
}

void Connection::commit() {
    throw adoError(AdoError::NotCapable);
}

void Connection::rollback() {
    throw adoError(AdoError::NotCapable);
}

std::unique_ptr<RowArrayInsert>
Connection::prepareRowArray(const std::string&, const std::vector<FieldInfo>&, size_t, size_t) {
    throw adoError(AdoError::NotCapable);
}

} // namespace tallowmere
