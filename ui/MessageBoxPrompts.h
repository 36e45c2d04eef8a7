// The prompts as modal Qt dialogs: message boxes without an icon, the Yes/No
// question and the input box.
#pragma once

#include "operations/WindowInterfaces.h"

#include <QString>

namespace tallowmere {

class MessageBoxPrompts : public Prompts {
public:
    void message(const std::string& text,
                 const std::string& title = texts::kApplicationTitle) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& defaultAnswer,
                         const std::string& title = texts::kApplicationTitle) override;

    // Message texts break lines with carriage returns as well as line feeds.
    static QString displayText(const std::string& text);
};

} // namespace tallowmere
