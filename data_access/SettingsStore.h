// The per-user settings store: texts addressed by application, section and
// key. On Linux it is an INI file under the XDG config folder, in a folder of
// its own that only the owner may enter, since the password is kept in clear.
#pragma once

#include <stdexcept>
#include <string>

namespace tallowmere {

inline constexpr const char* kSettingsApplication = "Brindlecote";
inline constexpr const char* kSettingsSection = "Tallowmere";

inline constexpr const char* kKeyOracleServer = "OracleServer";
inline constexpr const char* kKeyOracleUser = "OracleUser";
inline constexpr const char* kKeyOraclePassword = "OraclePassword";
inline constexpr const char* kKeyDataSourceName = "DataSourceName";

// The settings file could not be written: the value is not on disk.
class SettingsNotSaved : public std::runtime_error {
public:
    explicit SettingsNotSaved(const std::string& file)
        : std::runtime_error("Cannot write " + file)
        , mFile(file) {}
    const std::string& file() const noexcept { return mFile; }

private:
    std::string mFile;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // A key that does not exist reads as the empty text.
    virtual std::string GetSetting(const std::string& application, const std::string& section,
                                   const std::string& key) const = 0;
    // Creates or replaces the value; it is on disk when this returns, and
    // SettingsNotSaved is thrown when it could not be put there.
    virtual void SaveSetting(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
};

class FileSettingsStore : public SettingsStore {
public:
    std::string GetSetting(const std::string& application, const std::string& section,
                           const std::string& key) const override;
    void SaveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override;

    // Where the given application's settings live.
    static std::string filePath(const std::string& application);
};

} // namespace tallowmere
