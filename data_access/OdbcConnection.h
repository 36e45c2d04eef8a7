// The connection object on the ODBC driver manager. "Data Source=NAME" through
// the MSDASQL bridge (or no provider) opens the data source NAME; any other
// string, such as one that names its driver, goes to the driver manager as is.
#pragma once

#include "Connection.h"

#include <memory>

namespace tallowmere {

class OdbcConnection : public Connection {
public:
    OdbcConnection();
    ~OdbcConnection() override;
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    void setProvider(const std::string& provider) override;
    void setCursorLocation(CursorLocation location) override;
    void open(const std::string& connectionString, const std::string& user = {},
              const std::string& password = {}, long options = -1) override;
    void execute(const std::string& statement) override;
    std::unique_ptr<Recordset> openRecordset(const std::string& commandText,
                                             CursorType cursorType = CursorType::Unspecified,
                                             LockType lockType = LockType::Unspecified) override;
    std::unique_ptr<ResultParts> openParts(const std::string& commandText) override;
    std::unique_ptr<Recordset> openSchema(int schema) override;
    void close() override;
    bool isOpen() const override;
    std::string dbmsName() const override;
    void cancel() override;
    void setReadProgress(ReadProgress progress) override;
    void setAutoCommit(bool on) override;
    void commit() override;
    void rollback() override;
    std::unique_ptr<RowArrayInsert>
    prepareRowArray(const std::string& statement, const std::vector<FieldInfo>& fields,
                    size_t arrayRows, size_t rowsPerExecution,
                    const std::vector<BoundForm>& forms = {}) override;
    TableDescription describeTable(const std::string& table) override;
    long longestName() override;

    // The string handed to the driver manager for an ADO-style one.
    static std::string odbcConnectionString(const std::string& connectionString);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

class OdbcConnectionFactory : public ConnectionFactory {
public:
    std::unique_ptr<Connection> create() override { return std::make_unique<OdbcConnection>(); }
};

} // namespace tallowmere
