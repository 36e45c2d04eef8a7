// The one message for settings that could not be saved: said once while
// saves keep failing, whichever field failed, and again only after a save
// has worked in between.
#pragma once

#include "operations/WindowInterfaces.h"

#include <string>

namespace tallowmere {

class SaveFailureNotice {
public:
    explicit SaveFailureNotice(Prompts& prompts)
        : mPrompts(prompts) {}

    void saved() { mShown = false; }
    void failed(const std::string& file) {
        if (mShown)
            return;
        mShown = true;
        mPrompts.message(texts::settingsNotSaved(file));
    }

private:
    Prompts& mPrompts;
    bool mShown = false;
};

} // namespace tallowmere
