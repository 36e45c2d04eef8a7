// The one error type of the data-access layer: what the database said, in a
// form a message box can show (native number, SQLSTATE and the text).
#pragma once

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

// Thrown at a yield point when the user closed the window mid-operation.
class OperationCancelled : public std::runtime_error {
public:
    OperationCancelled()
        : std::runtime_error("The operation was cancelled.") {}
};

} // namespace tallowmere
