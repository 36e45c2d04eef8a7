#include "CancellableConnections.h"

namespace tallowmere {

// Forwards every call; known to its factory while it exists.
class CancellableConnection : public Connection {
public:
    CancellableConnection(CancellableConnections& owner, std::unique_ptr<Connection> connection)
        : mOwner(owner)
        , mConnection(std::move(connection)) {
        const std::lock_guard lock(mOwner.mLock);
        mOwner.mOpen.insert(mConnection.get());
        if (mOwner.mCancelled)
            mConnection->cancel();
    }
    ~CancellableConnection() override {
        // Waits for a cancel in progress, which may still use the connection.
        const std::lock_guard lock(mOwner.mLock);
        mOwner.mOpen.erase(mConnection.get());
    }
    void setProvider(const std::string& provider) override { mConnection->setProvider(provider); }
    void setCursorLocation(CursorLocation location) override {
        mConnection->setCursorLocation(location);
    }
    void open(const std::string& connectionString, const std::string& user,
              const std::string& password, long options) override {
        mConnection->open(connectionString, user, password, options);
    }
    void execute(const std::string& statement) override { mConnection->execute(statement); }
    std::unique_ptr<Recordset> openRecordset(const std::string& commandText, CursorType cursorType,
                                             LockType lockType) override {
        return mConnection->openRecordset(commandText, cursorType, lockType);
    }
    std::unique_ptr<ResultParts> openParts(const std::string& commandText) override {
        return mConnection->openParts(commandText);
    }
    std::unique_ptr<Recordset> openSchema(int schema) override {
        return mConnection->openSchema(schema);
    }
    void close() override { mConnection->close(); }
    bool isOpen() const override { return mConnection->isOpen(); }
    std::string dbmsName() const override { return mConnection->dbmsName(); }
    void cancel() override { mConnection->cancel(); }
    void setReadProgress(ReadProgress progress) override {
        mConnection->setReadProgress(std::move(progress));
    }
    void setAutoCommit(bool on) override { mConnection->setAutoCommit(on); }
    void commit() override { mConnection->commit(); }
    void rollback() override { mConnection->rollback(); }
    std::unique_ptr<RowArrayInsert>
    prepareRowArray(const std::string& statement, const std::vector<FieldInfo>& fields,
                    size_t arrayRows, size_t rowsPerExecution,
                    const std::vector<BoundForm>& forms = {}) override {
        return mConnection->prepareRowArray(statement, fields, arrayRows, rowsPerExecution, forms);
    }
    TableDescription describeTable(const std::string& table) override {
        return mConnection->describeTable(table);
    }
    long longestName() override { return mConnection->longestName(); }

private:
    CancellableConnections& mOwner;
    std::unique_ptr<Connection> mConnection;
};

std::unique_ptr<Connection> CancellableConnections::create() {
    return std::make_unique<CancellableConnection>(*this, mConnections.create());
}

void CancellableConnections::cancelAll() {
    const std::lock_guard lock(mLock);
    mCancelled = true;
    for (Connection* connection : mOpen)
        connection->cancel();
}

} // namespace tallowmere
