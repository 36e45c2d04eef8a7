// What an open ODBC connection holds, and the way its calls reach the driver
// where a cancel from another thread can find them. Private to the
// data-access layer: the connection's files share it.
#pragma once

#include "AdoErrors.h"
#include "OdbcConnection.h"
#include "OdbcHandle.h"
#include "OdbcResultReading.h"

#include <atomic>
#include <mutex>
#include <string>

namespace tallowmere {

struct OdbcConnection::Private {
    OdbcHandle environment;
    OdbcHandle connection;
    OdbcHandle executeStatement; // reused by execute(), one per connection
    std::u16string executeText;  // execute()'s statement for a wide driver
    bool connected = false;
    bool autoCommit = true; // as every ODBC connection starts
    CursorLocation cursorLocation = CursorLocation::Server;
    // Set by cancel() from another thread, and never cleared: every call
    // after it fails at once.
    std::atomic<bool> cancelled{false};
    // Whether cancel() may call SQLCancel on a statement that is executing.
    bool driverCancels = false;
    // The statement executing now, for cancel(); only while it waits on the
    // server, never while its result is read.
    std::mutex executingLock;
    SQLHSTMT executing = SQL_NULL_HSTMT;
    ReadingRules reading;

    void requireOpen() const {
        if (!connected)
            throw adoError(AdoError::ObjectClosed);
        throwIfCancelled();
    }
    void throwIfCancelled() const {
        if (cancelled)
            throw adoError(AdoError::OperationCancelled);
    }
    OdbcHandle newStatement() const {
        OdbcHandle statement(SQL_HANDLE_STMT, connection.get());
        statement.setNarrow(connection.narrow());
        return statement;
    }
    void setExecuting(SQLHSTMT handle) {
        const std::lock_guard lock(executingLock);
        executing = handle;
    }
    // Publishes the statement to cancel() unless a cancel came first. The
    // flag is looked at under the lock that cancel() takes after setting it,
    // so one of the two always sees the other: a cancel before this point
    // fails the call here; one after it finds the statement to cancel.
    void startExecuting(SQLHSTMT handle) {
        const std::lock_guard lock(executingLock);
        throwIfCancelled();
        if (driverCancels)
            executing = handle;
    }
    // Runs the call that executes a statement where cancel() can reach it.
    // Once the call returns, cancel() no longer touches the statement; a call
    // that ended well stands, since what it did is done.
    template <typename Call> void executeCancellable(SQLHSTMT handle, Call call) {
        startExecuting(handle);
        try {
            call();
        } catch (...) {
            setExecuting(SQL_NULL_HSTMT);
            throw;
        }
        setExecuting(SQL_NULL_HSTMT);
    }
    // Reads the whole result of a catalogue function called on a new
    // statement, telling no one of its rows.
    template <typename Call> std::unique_ptr<Recordset> catalogue(Call call) {
        OdbcHandle statement = newStatement();
        executeCancellable(statement.get(), [&] { check(call(statement.get()), statement); });
        ReadingRules rules;
        rules.binding = reading.binding;
        return ReadWholeResult(statement, cancelled, rules);
    }
    // Reads a whole result on a statement that cancel() can reach while it
    // executes; a cancel meanwhile fails the read at its first row.
    template <typename Start>
    std::unique_ptr<Recordset> readCancellable(const OdbcHandle& statement, Start start) {
        executeCancellable(statement.get(), start);
        return ReadWholeResult(statement, cancelled, reading);
    }
};

} // namespace tallowmere
