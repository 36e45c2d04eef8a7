#include "DatabaseError.h"

namespace tallowmere {

DatabaseError::DatabaseError(long nativeError, std::string sqlState, const std::string& text)
    : std::runtime_error(text)
    , mNative(nativeError)
    , mState(std::move(sqlState)) {}

} // namespace tallowmere
