#include "Fakes.h"

#include "data_access/AdoErrors.h"
#include "data_access/Snapshot.h"

#include <thread>

namespace tallowmere::fakes {

std::unique_ptr<Recordset> makeRecordset(const CannedTable& table) {
    auto snapshot = std::make_unique<Snapshot>(table.fields);
    for (const auto& row : table.rows) {
        for (const FieldValue& value : row)
            snapshot->appendValue(value);
        snapshot->endRow();
    }
    return std::make_unique<SnapshotRecordset>(std::move(snapshot));
}

class FakeConnection : public Connection {
public:
    FakeConnection(FakeConnectionFactory& factory, int id)
        : mFactory(factory)
        , mId(id) {}
    ~FakeConnection() override { record("release"); }

    void setProvider(const std::string& provider) override { call("setProvider " + provider); }
    void setCursorLocation(CursorLocation location) override {
        call("setCursorLocation " + std::to_string(static_cast<int>(location)));
    }
    void open(const std::string& connectionString, const std::string& user,
              const std::string& password, long options) override {
        std::string text = "open " + connectionString;
        if (!user.empty() || !password.empty() || options != -1)
            text +=
                " user=" + user + " password=" + password + " options=" + std::to_string(options);
        std::this_thread::sleep_for(mFactory.openDelay);
        call(text);
        mOpen = true;
    }
    void execute(const std::string& statement) override {
        requireOpen();
        call("execute " + statement);
    }
    std::unique_ptr<Recordset> openRecordset(const std::string& commandText, CursorType cursorType,
                                             LockType lockType) override {
        requireOpen();
        call("openRecordset " + commandText + " " + std::to_string(static_cast<int>(cursorType)) +
             " " + std::to_string(static_cast<int>(lockType)));
        return serve(commandText);
    }
    std::unique_ptr<Recordset> openSchema(int schema) override {
        requireOpen();
        call("openSchema " + std::to_string(schema));
        return serve("schema " + std::to_string(schema));
    }
    void close() override {
        call("close");
        mOpen = false;
    }
    bool isOpen() const override { return mOpen; }
    std::string dbmsName() const override {
        call("dbmsName");
        return mFactory.dbmsName;
    }

private:
    void record(const std::string& text) const {
        std::string line = "#";
        line.append(std::to_string(mId)).append(" ").append(text);
        mFactory.mLog.push_back(std::move(line));
    }
    void call(const std::string& text) const {
        record(text);
        if (auto failure = mFactory.mFailures.find(text); failure != mFactory.mFailures.end())
            throw failure->second;
    }
    void requireOpen() const {
        if (!mOpen)
            throw adoError(AdoError::ObjectClosed);
    }
    std::unique_ptr<Recordset> serve(const std::string& key) const {
        auto result = mFactory.mResults.find(key);
        if (result == mFactory.mResults.end())
            throw DatabaseError(942, "42S02", "no such table: " + key);
        return makeRecordset(result->second);
    }

    FakeConnectionFactory& mFactory;
    int mId;
    bool mOpen = false;
};

std::unique_ptr<Connection> FakeConnectionFactory::create() {
    ++mCreated;
    mLog.push_back("create#" + std::to_string(mCreated));
    return std::make_unique<FakeConnection>(*this, mCreated);
}

void FakeConnectionFactory::serve(const std::string& commandText, CannedTable table) {
    mResults[commandText] = std::move(table);
}

void FakeConnectionFactory::fail(const std::string& call, long native, const std::string& state,
                                 const std::string& text) {
    mFailures.insert_or_assign(call, DatabaseError(native, state, text));
}

Log Window::logWith(const std::string& part) const {
    Log lines;
    for (const std::string& line : log) {
        if (line.find(part) != std::string::npos)
            lines.push_back(line);
    }
    return lines;
}

void fill(PlainTableList& list, const std::vector<std::string>& entries,
          const std::vector<int>& selected, int current) {
    list.clear();
    for (const std::string& entry : entries)
        list.addItem(entry);
    for (int index : selected)
        list.setSelected(index, true);
    list.setCurrentIndex(current);
}

Log openingOf(Side side) {
    if (side == Side::Oracle)
        return {"pointer 11", "create#1", "#1 " + kOracleOpen, "#1 dbmsName"};
    return {"pointer 11", "create#1", "#1 setProvider MSDASQL", "#1 " + kSqlAnywhereOpen};
}

} // namespace tallowmere::fakes
