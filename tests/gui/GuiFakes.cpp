#include "GuiFakes.h"

namespace tallowmere::gui {

std::string MemorySettingsStore::GetSetting(const std::string& application,
                                            const std::string& section,
                                            const std::string& key) const {
    const auto found = values.find(application + "/" + section + "/" + key);
    return found == values.end() ? std::string() : found->second;
}

void MemorySettingsStore::SaveSetting(const std::string& application, const std::string& section,
                                      const std::string& key, const std::string& value) {
    values[application + "/" + section + "/" + key] = value;
    saves.push_back(key + "=" + value);
}

void storeConnectionSettings(SettingsStore& store, const ConnectionSettings& values) {
    store.SaveSetting(kSettingsApplication, kSettingsSection, kKeyOracleServer,
                      values.oracleServer);
    store.SaveSetting(kSettingsApplication, kSettingsSection, kKeyOracleUser, values.oracleUser);
    store.SaveSetting(kSettingsApplication, kSettingsSection, kKeyOraclePassword,
                      values.oraclePassword);
    store.SaveSetting(kSettingsApplication, kSettingsSection, kKeyDataSourceName,
                      values.dataSourceName);
}

HomePageServices HomePageSpy::services() {
    return {[this] { return draw; },
            [this](const std::string& address) { opened.push_back(address); }};
}

} // namespace tallowmere::gui
