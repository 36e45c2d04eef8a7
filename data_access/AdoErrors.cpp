#include "AdoErrors.h"

namespace tallowmere {
namespace {

const char* description(AdoError error) {
    switch (error) {
    case AdoError::NoCurrentRecord:
        return "Either BOF or EOF is True, or the current record has been deleted.";
    case AdoError::NotCapable:
        return "Object or provider is not capable of performing the requested operation.";
    case AdoError::ObjectClosed:
        return "Operation is not allowed when the object is closed.";
    case AdoError::ObjectOpen:
        return "Operation is not allowed when the object is open.";
    case AdoError::OperationCancelled:
        return "Operation has been cancelled by the user.";
    case AdoError::ProviderNotFound:
        break;
    }
    return "Provider cannot be found. It may not be properly installed.";
}

} // namespace

DatabaseError adoError(AdoError error) {
    // ODBC's own state for a cancelled call, so a caller can tell it apart.
    const char* state = error == AdoError::OperationCancelled ? "HY008" : "";
    return DatabaseError(static_cast<long>(error), state, description(error));
}

} // namespace tallowmere
