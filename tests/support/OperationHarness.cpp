#include "OperationHarness.h"

#include "data_access/Oracle.h"
#include "data_access/Sybase.h"

#include <regex>

namespace tallowmere::testing {

// Forwards every call, cancel too, to the real connection it wraps.
class CountedConnection : public Connection {
public:
    explicit CountedConnection(CountingConnectionFactory& factory)
        : mFactory(factory) {
        ++mFactory.mAlive;
        ++mFactory.mCreated;
    }
    ~CountedConnection() override { --mFactory.mAlive; }

    void setProvider(const std::string& provider) override { mInner.setProvider(provider); }
    void setCursorLocation(CursorLocation location) override { mInner.setCursorLocation(location); }
    void open(const std::string& connectionString, const std::string& user,
              const std::string& password, long options) override {
        mInner.open(connectionString, user, password, options);
    }
    void execute(const std::string& statement) override { mInner.execute(statement); }
    std::unique_ptr<Recordset> openRecordset(const std::string& commandText, CursorType cursorType,
                                             LockType lockType) override {
        return mInner.openRecordset(commandText, cursorType, lockType);
    }
    std::unique_ptr<Recordset> openSchema(int schema) override { return mInner.openSchema(schema); }
    void close() override { mInner.close(); }
    bool isOpen() const override { return mInner.isOpen(); }
    std::string dbmsName() const override { return mInner.dbmsName(); }
    void cancel() override { mInner.cancel(); }

private:
    CountingConnectionFactory& mFactory;
    OdbcConnection mInner;
};

std::unique_ptr<Connection> CountingConnectionFactory::create() {
    return std::make_unique<CountedConnection>(*this);
}

void Harness::run(void (*operation)(const OperationContext&)) {
    const OperationContext current = context();
    runGuarded(current, [&] { operation(current); });
}

void Harness::loadSqlAnywhereList() {
    LoadSqlAnywhereTables(sqlAnywhereList, connections, fields, events);
}

void Harness::loadOracleList() {
    LoadOracleTables(oracleList, connections, fields, events);
}

void Harness::loadLists() {
    loadSqlAnywhereList();
    loadOracleList();
}

void select(TableList& list, const std::string& name) {
    for (int i = 0; i < list.count(); ++i) {
        if (list.text(i) == name) {
            list.setSelected(i, true);
            list.setCurrentIndex(i);
            return;
        }
    }
    ADD_FAILURE() << "no entry " << name;
}

void deselectAll(TableList& list) {
    for (int i = 0; i < list.count(); ++i)
        list.setSelected(i, false);
}

void selectOnly(TableList& list, const Names& names) {
    deselectAll(list);
    for (const std::string& name : names)
        select(list, name);
}

Names entries(const TableList& list) {
    Names result;
    for (int i = 0; i < list.count(); ++i)
        result.push_back(list.text(i));
    return result;
}

::testing::AssertionResult isDatabaseFailure(const std::string& message) {
    static const std::regex shape(R"(Error -?[0-9]+\n\n\[[0-9A-Z]{5}\] \S[\s\S]*)");
    if (std::regex_match(message, shape))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "not a database failure: \"" << message << "\"";
}

} // namespace tallowmere::testing
