// What an operation of the main window reaches: the two table lists, the
// prompts, the window's pointer, the progress bar, the event yield, and the
// connections built from the live connection values.
#pragma once

#include "data_access/Connection.h"
#include "data_access/ConnectionSettings.h"
#include "data_access/EventPump.h"
#include "data_access/TableList.h"

#include <functional>
#include <memory>
#include <string>

namespace tallowmere {

inline constexpr const char* kApplicationTitle = "Tallowmere";

// Modal message box, Yes/No question and input box.
class Prompts {
public:
    virtual ~Prompts() = default;
    // One OK button, no icon.
    virtual void message(const std::string& text, const std::string& title = kApplicationTitle) = 0;
    // Yes and No, Yes the default button, no icon; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
    // The typed text, or empty text when cancelled.
    virtual std::string inputBox(const std::string& prompt, const std::string& defaultAnswer,
                                 const std::string& title = kApplicationTitle) = 0;
};

// A window's pointer setting: 0 default, 11 hourglass, 99 the custom hand.
enum class PointerSetting { Default = 0, Busy = 11, Custom = 99 };

class WindowPointer {
public:
    virtual ~WindowPointer() = default;
    virtual PointerSetting pointer() const = 0;
    virtual void setPointer(PointerSetting setting) = 0;
};

class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    virtual void setValue(float percent) = 0;
};

struct OperationContext {
    TableList& sqlAnywhereList; // List1
    TableList& oracleList;      // List2
    Prompts& prompts;
    WindowPointer& pointer;
    ProgressDisplay& progress;
    EventPump& events;
    ConnectionFactory& connections;
    const ConnectionFields& fields;

    TableList& list(bool oracleSide) const { return oracleSide ? oracleList : sqlAnywhereList; }
};

// Opens a new connection to one side with its connection string.
std::unique_ptr<Connection> openConnection(const OperationContext& context, bool oracleSide,
                                           CursorLocation location, bool setProvider);

// Runs an operation; a failure is shown with its number and the database's
// description, and the window is left usable: default pointer, bar at 0.
// Returns false when the user closed the window during the operation.
bool runGuarded(const OperationContext& context, const std::function<void()>& operation);

// The text shown for a failure.
std::string failureMessage(const std::exception& error);

} // namespace tallowmere
