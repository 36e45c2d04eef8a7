// The connection's transactions and the parameter arrays prepared on it.
#include "OdbcConnectionState.h"
#include "OdbcRowArray.h"

#include <sqlext.h>

#include <stdexcept>

namespace tallowmere {

void OdbcConnection::setAutoCommit(bool on) {
    d->requireOpen();
    const SQLULEN value = on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
    check(SQLSetConnectAttr(d->connection.get(), SQL_ATTR_AUTOCOMMIT,
                            reinterpret_cast<SQLPOINTER>(value), SQL_IS_UINTEGER),
          d->connection);
    d->autoCommit = on;
}

void OdbcConnection::commit() {
    d->requireOpen();
    check(SQLEndTran(SQL_HANDLE_DBC, d->connection.get(), SQL_COMMIT), d->connection);
}

void OdbcConnection::rollback() {
    // Also after a cancel: what the cancelled work left open is undone.
    if (!d->connected)
        throw adoError(AdoError::ObjectClosed);
    check(SQLEndTran(SQL_HANDLE_DBC, d->connection.get(), SQL_ROLLBACK), d->connection);
}

std::unique_ptr<RowArrayInsert>
OdbcConnection::prepareRowArray(const std::string& statement, const std::vector<FieldInfo>& fields,
                                size_t arrayRows, size_t rowsPerExecution,
                                const std::vector<BoundForm>& forms) {
    d->requireOpen();
    std::vector<BoundForm> bound = forms;
    if (bound.empty()) {
        for (const FieldInfo& field : fields)
            bound.push_back(BoundFormAsRead(field.adoType));
    }
    if (bound.size() != fields.size())
        throw std::invalid_argument("A bound form is wanted for every field.");
    Private* const connection = d.get(); // the array goes before its connection closes
    return std::make_unique<OdbcRowArray>(
        d->connection, statement, bound, arrayRows, rowsPerExecution,
        [connection](SQLHSTMT handle, const std::function<void()>& call) {
            connection->executeCancellable(handle, call);
        });
}

} // namespace tallowmere
