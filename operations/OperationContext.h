// What an operation of the main window reaches: the two table lists, the
// window's prompts, pointer and progress bar, the event yield, and the
// connections built from the live connection values.
#pragma once

#include "WindowInterfaces.h"

#include "data_access/Connection.h"
#include "data_access/ConnectionSettings.h"
#include "data_access/EventPump.h"
#include "data_access/Side.h"
#include "data_access/TableList.h"

#include <functional>
#include <memory>
#include <string>

namespace tallowmere {

struct OperationContext {
    TableList& sqlAnywhereList; // List1
    TableList& oracleList;      // List2
    Prompts& prompts;
    WindowPointer& pointer;
    ProgressDisplay& progress;
    EventPump& events;
    ConnectionFactory& connections;
    const ConnectionFields& fields;

    TableList& list(Side side) const { return side == Side::Oracle ? oracleList : sqlAnywhereList; }
};

// Whether a SQL Anywhere connection is told its provider first, as deletion
// and renaming do; the copies leave it unset.
enum class ProviderSetting { Named, Unset };

// Opens a new connection to one side with its connection string.
std::unique_ptr<Connection> openConnection(const OperationContext& context, Side side,
                                           CursorLocation location, ProviderSetting provider);

// Runs an operation; a failure is shown with its number and the database's
// description, and the window is left usable: default pointer, bar at 0.
// Returns false when the user closed the window during the operation.
bool runGuarded(const OperationContext& context, const std::function<void()>& operation);

// The text shown for a failure.
std::string failureMessage(const std::exception& error);

} // namespace tallowmere
