#include "FaultHarness.h"

#include "data_access/Oracle.h"
#include "data_access/Sybase.h"

#include <algorithm>
#include <regex>
#include <stdexcept>

namespace tallowmere::faults {

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

void HookedProgress::setValue(float percent) {
    values.push_back(percent);
    if (onValue)
        onValue(values.size());
}

void FaultHarness::run(void (*operation)(const OperationContext&)) {
    const OperationContext current = context();
    runGuarded(current, [&] { operation(current); });
}

void FaultHarness::loadSqlAnywhereList() {
    LoadSqlAnywhereTables(sqlAnywhereList, connections, fields, events);
}

void FaultHarness::loadOracleList() {
    LoadOracleTables(oracleList, connections, fields, events);
}

void select(TableList& list, const std::string& name) {
    try {
        testing::Harness::select(list, name);
    } catch (const std::logic_error& missing) {
        ADD_FAILURE() << missing.what();
    }
}

void deselectAll(TableList& list) {
    for (int i = 0; i < list.count(); ++i)
        list.setSelected(i, false);
}

std::vector<std::string> entries(const TableList& list) {
    std::vector<std::string> result;
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

namespace {

std::vector<std::string> firstColumn(const std::vector<std::vector<FieldValue>>& rows) {
    std::vector<std::string> names;
    for (const auto& row : rows)
        names.push_back(row.at(0).value_or(""));
    std::sort(names.begin(), names.end(), tableNameLess);
    return names;
}

long countOf(const std::vector<std::vector<FieldValue>>& rows) {
    return std::stol(rows.at(0).at(0).value_or("-1"));
}

} // namespace

std::vector<std::string> sqliteTables(const testing::SqliteDatabase& database) {
    return firstColumn(database.query("SELECT name FROM sqlite_master WHERE type = 'table'"));
}

std::vector<std::string> oracleTables(const testing::OracleAccount& account) {
    return firstColumn(account.query("SELECT table_name FROM user_tables"));
}

long rowCount(const testing::SqliteDatabase& database, const std::string& table) {
    return countOf(database.query("SELECT COUNT(*) FROM \"" + table + "\""));
}

long rowCount(const testing::OracleAccount& account, const std::string& table) {
    return countOf(account.query("SELECT COUNT(*) FROM \"" + table + "\""));
}

} // namespace tallowmere::faults
