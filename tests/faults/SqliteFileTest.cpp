// The SQL Anywhere side's SQLite file is locked by another process, or is
// read-only: copies, deletion and renaming fail with the database's own
// message, and each list still shows exactly the tables the database holds.
#include "support/OperationHarness.h"

#include "maintenance/TableDeletion.h"
#include "maintenance/TableRenaming.h"
#include "transfer/TableTransfer.h"

#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tallowmere::faults {
namespace {

using namespace testing;

// The driver waits this long (ms) for another process's lock before it gives
// up; its own default is 100 seconds. The field passes it on as typed.
const std::string kDataSourceWithShortWait =
    std::string(testing::kSqliteDataSource) + ";Timeout=200";

// Another process, the sqlite3 shell, holding an exclusive lock on the file
// until it is released: no other connection may read or write meanwhile.
class ExclusiveLock {
public:
    explicit ExclusiveLock(const std::string& path) {
        mShell.start(QStringLiteral("sqlite3"), {QString::fromStdString(path)});
        if (!mShell.waitForStarted(60000))
            return;
        // It ends at the first error, so "held" means the lock is taken.
        mShell.write(".bail on\n.timeout 60000\nBEGIN EXCLUSIVE;\nSELECT 'held';\n");
        QByteArray output;
        while (!output.contains("held") && mShell.waitForReadyRead(60000))
            output += mShell.readAllStandardOutput();
        mHeld = output.contains("held");
    }
    ~ExclusiveLock() { release(); }
    bool held() const { return mHeld; }
    // The shell ends at the end of its input, and its lock with it.
    void release() {
        if (mShell.state() == QProcess::NotRunning)
            return;
        mShell.closeWriteChannel();
        mShell.waitForFinished(60000);
        mHeld = false;
    }

private:
    QProcess mShell;
    bool mHeld = false;
};

bool hasSqliteShell() {
    return !QStandardPaths::findExecutable(QStringLiteral("sqlite3")).isEmpty();
}

// This thread's effective capabilities, read and written as a whole.
struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    bool read() { return syscall(SYS_capget, &header, data) == 0; }
    bool write() { return syscall(SYS_capset, &header, data) == 0; }
};

// Makes the file read-only for this process: its mode becomes 0444, and as
// root, who writes through any mode, the thread also gives up the capability
// that allows that (CAP_DAC_OVERRIDE) until the end of the scope.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(std::string path)
        : mPath(std::move(path)) {
        ::chmod(mPath.c_str(), 0444);
        if (mCapabilities.read() && (mCapabilities.data[0].effective & (1u << CAP_DAC_OVERRIDE))) {
            mCapabilities.data[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
            mDropped = mCapabilities.write();
        }
    }
    ~ReadOnlyFile() { makeWritable(); }
    void makeWritable() {
        if (mDropped) {
            mCapabilities.data[0].effective |= 1u << CAP_DAC_OVERRIDE;
            mCapabilities.write();
            mDropped = false;
        }
        ::chmod(mPath.c_str(), 0644);
    }
    // Whether this process really cannot open the file for writing.
    bool effective() const {
        const int fd = ::open(mPath.c_str(), O_WRONLY);
        if (fd >= 0) {
            ::close(fd);
            return false;
        }
        return errno == EACCES;
    }

private:
    std::string mPath;
    Capabilities mCapabilities;
    bool mDropped = false;
};

class SqliteFileFault : public ::testing::Test {
protected:
    void SetUp() override {
        sqlite.exec("CREATE TABLE customers(id INTEGER, name TEXT)");
        sqlite.exec("INSERT INTO customers VALUES(1, 'Ann'), (2, 'O''Brien'), (3, NULL)");
        sqlite.exec("CREATE TABLE orders(n INTEGER)");
        ConnectionSettings settings = testing::sqlAnywhereOnlySettings();
        if (testing::postgresAvailable()) {
            oracle = std::make_unique<testing::OracleAccount>();
            oracle->exec("CREATE TABLE invoices(n INTEGER)");
            oracle->exec("CREATE TABLE orders(n INTEGER)");
            oracle->exec("INSERT INTO orders VALUES(7)");
            settings = testing::workingSettings(*oracle);
        }
        settings.dataSourceName = kDataSourceWithShortWait;
        harness = std::make_unique<Harness>(settings);
        harness->loadSqlAnywhereList();
        if (oracle)
            harness->loadOracleList();
    }

    // Every operation so far showed one failure with the database's text.
    void expectFailuresSaying(size_t count, const std::string& words) {
        ASSERT_EQ(failures().size(), count);
        for (const std::string& failure : failures()) {
            EXPECT_TRUE(isDatabaseFailure(failure));
            EXPECT_NE(failure.find(words), std::string::npos) << failure;
        }
        EXPECT_EQ(harness->pointer.pointer(), PointerSetting::Default);
        EXPECT_EQ(harness->connections.alive(), 0);
    }
    std::vector<std::string> failures() const {
        std::vector<std::string> result;
        for (const std::string& shown : harness->prompts.texts())
            if (shown.rfind("Error ", 0) == 0)
                result.push_back(shown);
        return result;
    }
    // Deletes orders, then renames customers. SQLite parses no form of the
    // SQL Anywhere rename, so that statement fails on any file; what counts
    // is that it is reported and changes nothing.
    void deleteAndRename() {
        select(harness->sqlAnywhereList, "orders");
        harness->run(DeleteSqlAnywhereTables);
        deselectAll(harness->sqlAnywhereList);
        select(harness->sqlAnywhereList, "customers");
        harness->prompts.inputs = {"clients"};
        harness->run(RenameSqlAnywhereTable);
        deselectAll(harness->sqlAnywhereList);
    }
    // The deletion's failure names the fault; the rename's is SQLite's own.
    void expectDeleteAndRenameFailed(const std::string& words) {
        ASSERT_EQ(failures().size(), 2u);
        EXPECT_TRUE(isDatabaseFailure(failures()[0]));
        EXPECT_NE(failures()[0].find(words), std::string::npos) << failures()[0];
        EXPECT_TRUE(isDatabaseFailure(failures()[1]));
        EXPECT_EQ(harness->prompts.shown[1].text, "Enter new name of customers:");
        EXPECT_EQ(entries(harness->sqlAnywhereList), (Names{"customers", "orders"}));
        EXPECT_EQ(harness->pointer.pointer(), PointerSetting::Default);
        EXPECT_EQ(harness->connections.alive(), 0);
    }
    // Oracle's orders and invoices towards SQL Anywhere, where orders already
    // is: orders goes first, is to replace the old one, and its DROP fails.
    void copyTowardsSqlAnywhere() {
        select(harness->oracleList, "invoices");
        select(harness->oracleList, "orders");
        harness->prompts.answers = {true};
        harness->run(SendTablesToSqlAnywhere);
        deselectAll(harness->oracleList);
    }
    void copyFromSqlAnywhere() {
        select(harness->sqlAnywhereList, "customers");
        harness->run(SendTablesToOracle);
        deselectAll(harness->sqlAnywhereList);
    }
    void expectListsTrueToTheDatabases() {
        EXPECT_EQ(entries(harness->sqlAnywhereList), sqliteTables(sqlite));
        if (oracle) {
            EXPECT_EQ(entries(harness->oracleList), oracleTables(*oracle));
        }
    }

    testing::SqliteDatabase sqlite;
    std::unique_ptr<testing::OracleAccount> oracle;
    std::unique_ptr<Harness> harness;
};

// Locked by another process, the sqlite3 shell, while the operations run.
class FaultLockedSqliteFile : public SqliteFileFault {
protected:
    void SetUp() override {
        if (!hasSqliteShell()) {
            if (std::getenv("CI"))
                FAIL() << "The sqlite3 shell is missing (see scripts/packages).";
            GTEST_SKIP() << "The sqlite3 shell is missing (see scripts/packages).";
        }
        SqliteFileFault::SetUp();
    }
};

TEST_F(FaultLockedSqliteFile, DeleteAndRenameFailAndAfterwardsWork) {
    ExclusiveLock lock(sqlite.path());
    ASSERT_TRUE(lock.held());

    deleteAndRename();

    expectDeleteAndRenameFailed("database is locked");
    lock.release();
    expectListsTrueToTheDatabases();
    EXPECT_EQ(sqlite.query("SELECT id FROM customers ORDER BY id").size(), 3u);

    // The lock gone, the same harness deletes.
    select(harness->sqlAnywhereList, "orders");
    harness->run(DeleteSqlAnywhereTables);
    EXPECT_EQ(failures().size(), 2u);
    EXPECT_EQ(entries(harness->sqlAnywhereList), Names{"customers"});
    expectListsTrueToTheDatabases();
}

TEST_F(FaultLockedSqliteFile, CopiesBothWaysFailAndNeitherListGains) {
    TALLOWMERE_REQUIRE_POSTGRES();
    ExclusiveLock lock(sqlite.path());
    ASSERT_TRUE(lock.held());

    copyTowardsSqlAnywhere();
    copyFromSqlAnywhere();

    expectFailuresSaying(2, "database is locked");
    EXPECT_EQ(harness->prompts.shown[0].text, "Would you like to overwrite orders?");
    EXPECT_EQ(entries(harness->sqlAnywhereList), (Names{"customers", "orders"}));
    EXPECT_EQ(entries(harness->oracleList), (Names{"invoices", "orders"}));
    EXPECT_EQ(harness->progress.values.back(), 0.0f);
    lock.release();
    expectListsTrueToTheDatabases();
    EXPECT_EQ(rowCount(sqlite, "orders"), 0); // the old table, untouched

    // The lock gone, the same harness copies both ways.
    copyFromSqlAnywhere();
    copyTowardsSqlAnywhere();
    EXPECT_EQ(failures().size(), 2u);
    EXPECT_EQ(entries(harness->oracleList), (Names{"customers", "invoices", "orders"}));
    EXPECT_EQ(rowCount(*oracle, "customers"), 3);
    EXPECT_EQ(entries(harness->sqlAnywhereList), (Names{"customers", "invoices", "orders"}));
    EXPECT_EQ(rowCount(sqlite, "orders"), 1);
    expectListsTrueToTheDatabases();
}

class FaultReadOnlySqliteFile : public SqliteFileFault {
protected:
    void SetUp() override {
        SqliteFileFault::SetUp();
        readOnly = std::make_unique<ReadOnlyFile>(sqlite.path());
        if (!readOnly->effective()) {
            if (std::getenv("CI"))
                FAIL() << "This process can still write a file of mode 0444.";
            GTEST_SKIP() << "This process can still write a file of mode 0444.";
        }
    }
    void TearDown() override { readOnly.reset(); }

    std::unique_ptr<ReadOnlyFile> readOnly;
};

TEST_F(FaultReadOnlySqliteFile, DeleteAndRenameFailAndTheListStaysTrue) {
    deleteAndRename();

    expectDeleteAndRenameFailed("readonly database");
    expectListsTrueToTheDatabases();

    readOnly->makeWritable();
    select(harness->sqlAnywhereList, "orders");
    harness->run(DeleteSqlAnywhereTables);
    EXPECT_EQ(failures().size(), 2u);
    EXPECT_EQ(entries(harness->sqlAnywhereList), Names{"customers"});
    expectListsTrueToTheDatabases();
}

TEST_F(FaultReadOnlySqliteFile, CopyIntoItFailsWhileCopyOutOfItStillWorks) {
    TALLOWMERE_REQUIRE_POSTGRES();
    copyTowardsSqlAnywhere();

    expectFailuresSaying(1, "readonly database");
    EXPECT_EQ(entries(harness->sqlAnywhereList), (Names{"customers", "orders"}));
    EXPECT_EQ(harness->progress.values.back(), 0.0f);
    expectListsTrueToTheDatabases();

    // Reading is all a copy from it needs.
    copyFromSqlAnywhere();
    EXPECT_EQ(failures().size(), 1u);
    EXPECT_EQ(entries(harness->oracleList), (Names{"customers", "invoices", "orders"}));
    EXPECT_EQ(rowCount(*oracle, "customers"), 3);
    expectListsTrueToTheDatabases();
    readOnly->makeWritable();
    copyTowardsSqlAnywhere();
    EXPECT_EQ(failures().size(), 1u);
    EXPECT_EQ(entries(harness->sqlAnywhereList), (Names{"customers", "invoices", "orders"}));
    EXPECT_EQ(rowCount(sqlite, "orders"), 1);
    expectListsTrueToTheDatabases();
}

} // namespace
} // namespace tallowmere::faults
