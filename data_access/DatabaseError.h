// The one error type of the data-access layer: what the database said, in a
// form a message box can show (native number, SQLSTATE and the text).
#pragma once

#include "Side.h"

#include <stdexcept>
#include <string>

namespace tallowmere {

class DatabaseError : public std::runtime_error {
public:
    DatabaseError(long nativeError, std::string sqlState, const std::string& text);

    // The driver's own error number.
    long native() const noexcept { return mNative; }
    // The SQLSTATE of the first diagnostic record, five characters.
    const std::string& state() const noexcept { return mState; }
    // Every diagnostic record, each as "[SQLSTATE] text", joined by newlines.
    std::string description() const { return what(); }

private:
    long mNative;
    std::string mState;
};

// A connection to one side that did not open, with the database's error as
// it was: a front end can say which side's settings to look at.
class ConnectionFailure : public DatabaseError {
public:
    ConnectionFailure(Side side, const DatabaseError& error)
        : DatabaseError(error)
        , mSide(side) {}
    Side side() const noexcept { return mSide; }

private:
    Side mSide;
};

// A value that does not read as what its column is bound as, such as a text
// in a date column of a database that does not check its types. The state
// is ODBC's for a bad date or number (22007, 22018).
class ValueNotBound : public DatabaseError {
public:
    ValueNotBound(std::string value, bool date);
    const std::string& value() const noexcept { return mValue; }
    // Whether a date or timestamp was wanted; otherwise a number.
    bool wantsDate() const noexcept { return mDate; }

private:
    std::string mValue;
    bool mDate;
};

// Thrown at a yield point when the user closed the window mid-operation.
class OperationCancelled : public std::runtime_error {
public:
    OperationCancelled()
        : std::runtime_error("The operation was cancelled.") {}
};

} // namespace tallowmere
