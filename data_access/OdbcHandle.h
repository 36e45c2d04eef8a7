// RAII ownership of one ODBC handle, and the one checking helper every ODBC
// call goes through. Private to the data-access layer.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <utility>

namespace tallowmere {

class OdbcHandle {
public:
    OdbcHandle() = default;
    // Allocates a handle of the given type under the parent (SQL_NULL_HANDLE
    // for an environment); throws DatabaseError on failure.
    OdbcHandle(SQLSMALLINT type, SQLHANDLE parent);
    ~OdbcHandle() { reset(); }
    OdbcHandle(OdbcHandle&& other) noexcept { swap(other); }
    OdbcHandle& operator=(OdbcHandle&& other) noexcept {
        OdbcHandle(std::move(other)).swap(*this);
        return *this;
    }
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;

    SQLHANDLE get() const noexcept { return mHandle; }
    // Whether this handle's driver takes text only through the narrow (UTF-8)
    // calls, because the driver manager's wide-to-narrow conversion loses
    // every character outside Latin-1.
    bool narrow() const noexcept { return mNarrow; }
    void setNarrow(bool narrow) noexcept { mNarrow = narrow; }
    SQLSMALLINT type() const noexcept { return mType; }
    explicit operator bool() const noexcept { return mHandle != SQL_NULL_HANDLE; }
    void reset() noexcept;

private:
    void swap(OdbcHandle& other) noexcept {
        std::swap(mHandle, other.mHandle);
        std::swap(mType, other.mType);
        std::swap(mNarrow, other.mNarrow);
    }

    SQLHANDLE mHandle = SQL_NULL_HANDLE;
    SQLSMALLINT mType = 0;
    bool mNarrow = false;
};

// Throws DatabaseError with the handle's diagnostics unless rc is a success
// (SQL_SUCCESS_WITH_INFO counts as one). SQL_NO_DATA passes when allowed.
SQLRETURN check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, bool noDataIsOk = false,
                bool narrow = false);
inline SQLRETURN check(SQLRETURN rc, const OdbcHandle& handle, bool noDataIsOk = false) {
    return check(rc, handle.type(), handle.get(), noDataIsOk, handle.narrow());
}

} // namespace tallowmere
