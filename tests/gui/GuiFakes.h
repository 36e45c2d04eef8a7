// Stand-ins for what the windows reach outside themselves: a settings store
// in memory and a home page that is never opened for real. The prompts are
// the shared fake (support/WindowFakes.h).
#pragma once

#include "data_access/ConnectionSettings.h"
#include "data_access/SettingsStore.h"
#include "ui/FormServices.h"

#include <map>
#include <string>
#include <vector>

namespace tallowmere::gui {

class MemorySettingsStore : public SettingsStore {
public:
    std::string GetSetting(const std::string& application, const std::string& section,
                           const std::string& key) const override;
    void SaveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override;

    std::map<std::string, std::string> values; // "application/section/key" -> text
    std::vector<std::string> saves;            // "key=value", in order
};

// The four values under the program's own keys, as the setup window saves them.
void storeConnectionSettings(SettingsStore& store, const ConnectionSettings& values);

// Records every page the program would open; draws the number the test sets.
struct HomePageSpy {
    int draw = 50;
    std::vector<std::string> opened;
    HomePageServices services();
};

} // namespace tallowmere::gui
