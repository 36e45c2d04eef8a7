// The connection object the operations work with: the members of an ADO
// connection that this program uses. The ODBC implementation is OdbcConnection;
// tests may supply a recording fake through ConnectionFactory.
#pragma once

#include "Recordset.h"
#include "ResultParts.h"
#include "RowArrayInsert.h"
#include "TableDescription.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tallowmere {

enum class CursorLocation { Unspecified = -1, Server = 2, Client = 3 };
enum class CursorType { Unspecified = -1, Static = 3 };
enum class LockType { Unspecified = -1, Optimistic = 3 };

// The OLE DB tables schema, the only schema this program asks for.
constexpr int adSchemaTables = 20;

// Told how many rows of a result are read so far, while it is read whole.
using ReadProgress = std::function<void(long rows)>;

class Connection {
public:
    virtual ~Connection() = default;

    virtual void setProvider(const std::string& provider) = 0;
    virtual void setCursorLocation(CursorLocation location) = 0;
    // Throws DatabaseError when the driver manager or driver refuses.
    virtual void open(const std::string& connectionString, const std::string& user = {},
                      const std::string& password = {}, long options = -1) = 0;
    // Runs a statement; any result it returns is discarded unread.
    virtual void execute(const std::string& statement) = 0;
    virtual std::unique_ptr<Recordset>
    openRecordset(const std::string& commandText, CursorType cursorType = CursorType::Unspecified,
                  LockType lockType = LockType::Unspecified) = 0;
    // The same result read a part at a time, forward only. The parts must be
    // destroyed before this connection closes. Unless a connection reads
    // its parts as they come, the result is read whole first.
    virtual std::unique_ptr<ResultParts> openParts(const std::string& commandText);
    // Rows with at least TABLE_NAME and TABLE_TYPE, unrestricted.
    virtual std::unique_ptr<Recordset> openSchema(int schema) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // The name the open data source gives its database system (SQL_DBMS_NAME).
    virtual std::string dbmsName() const = 0;
    // Called from another thread: asks the call running on this connection to
    // stop, which it then does by failing. Without such a call it does nothing.
    virtual void cancel() {}
    // Whom the reads of openRecordset tell of their rows as they go; a
    // connection that cannot tell says nothing.
    virtual void setReadProgress(ReadProgress progress) { (void)progress; }

    // Transactions. Autocommit is on from open(); with it off, nothing is
    // kept until commit(). A connection that cannot throws the ADO "not
    // capable" error (AdoError::NotCapable).
    virtual void setAutoCommit(bool on);
    virtual void commit();
    virtual void rollback();
    // The INSERT statement, with one parameter marker per field, prepared once
    // for arrays of up to arrayRows rows sent rowsPerExecution at a time (both
    // at least 1). The fields are those of the rows it will be given. It must
    // be destroyed before this connection closes.
    // Each column's values are bound in their form (BoundFormAsRead when none
    // is given).
    virtual std::unique_ptr<RowArrayInsert>
    prepareRowArray(const std::string& statement, const std::vector<FieldInfo>& fields,
                    size_t arrayRows, size_t rowsPerExecution,
                    const std::vector<BoundForm>& forms = {});

    // The catalogue's description of a table: when several schemas hold a
    // table of that name, the one named like the connected user. A connection
    // without a catalogue throws the ADO "not capable" error.
    virtual TableDescription describeTable(const std::string& table);
    // The longest name the database takes for a table, column or index, in
    // bytes; 0 when it sets none.
    virtual long longestName();
};

class ConnectionFactory {
public:
    virtual ~ConnectionFactory() = default;
    virtual std::unique_ptr<Connection> create() = 0;
};

} // namespace tallowmere
