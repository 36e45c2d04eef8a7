#include "DatabaseError.h"

namespace tallowmere {
namespace {

constexpr const char* kBadDateState = "22007";
constexpr const char* kBadNumberState = "22018";

} // namespace

DatabaseError::DatabaseError(long nativeError, std::string sqlState, const std::string& text)
    : std::runtime_error(text)
    , mNative(nativeError)
    , mState(std::move(sqlState)) {}

// The text is the value alone: what a person reads is made from it above.
ValueNotBound::ValueNotBound(std::string value, bool date)
    : DatabaseError(0, date ? kBadDateState : kBadNumberState, value)
    , mValue(std::move(value))
    , mDate(date) {}

} // namespace tallowmere
