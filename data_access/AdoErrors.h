// The ADO errors the connection layer raises itself, by their ADO numbers,
// each with ADO's own description.
#pragma once

#include "DatabaseError.h"

namespace tallowmere {

enum class AdoError : long {
    NoCurrentRecord = 3021,    // read or moved past the last row
    NotCapable = 3251,         // a schema other than the tables schema; transactions
                               // or parameter arrays on a connection without them
    ObjectClosed = 3704,       // a call on a connection that is not open
    ObjectOpen = 3705,         // opening a connection that is already open
    ProviderNotFound = 3706,   // a provider other than the ODBC one
    OperationCancelled = 3712, // a call after the operation was asked to stop
};

DatabaseError adoError(AdoError error);

} // namespace tallowmere
