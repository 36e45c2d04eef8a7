// What an operation asks of the window it runs for: the prompts, the window's
// pointer and the progress bar. The windows give the real ones; headless use
// and the tests give their own.
#pragma once

#include "UserTexts.h"

#include <string>

namespace tallowmere {

// Modal message box, Yes/No question and input box.
class Prompts {
public:
    virtual ~Prompts() = default;
    // One OK button, no icon.
    virtual void message(const std::string& text,
                         const std::string& title = texts::kApplicationTitle) = 0;
    // Yes and No, Yes the default button, no icon; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& title) = 0;
    // The typed text, or empty text when cancelled.
    virtual std::string inputBox(const std::string& prompt, const std::string& defaultAnswer,
                                 const std::string& title = texts::kApplicationTitle) = 0;
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

} // namespace tallowmere
