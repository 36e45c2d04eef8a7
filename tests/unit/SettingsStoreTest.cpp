// The per-user settings store, in the private settings folder of the tests.
#include "data_access/SettingsStore.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

namespace tallowmere {
namespace {

// Each test uses its own application name, so the tests share no file.
std::string application() {
    return std::string("TallowmereUnit") +
           ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

mode_t modeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 0777;
}

TEST(SettingsStore, MissingKeyReadsEmpty) {
    FileSettingsStore store;
    EXPECT_EQ(store.GetSetting(application(), kSettingsSection, kKeyOracleServer), "");
    store.SaveSetting(application(), kSettingsSection, kKeyOracleServer, "ORCL");
    EXPECT_EQ(store.GetSetting(application(), kSettingsSection, kKeyOracleUser), "");
    EXPECT_EQ(store.GetSetting(application(), "OtherSection", kKeyOracleServer), "");
}

TEST(SettingsStore, ValuesAreKeptExactlyAndSurviveANewStore) {
    const std::pair<const char*, std::string> values[] = {
        {kKeyOracleServer, "  ORCL  "},
        {kKeyOracleUser, "Zoë Ωμέγα"},
        {kKeyOraclePassword, "p;w=\"x\",y\\z#"},
        {kKeyDataSourceName, " "},
    };
    {
        FileSettingsStore store;
        for (const auto& [key, value] : values)
            store.SaveSetting(application(), kSettingsSection, key, value);
        store.SaveSetting(application(), kSettingsSection, kKeyOracleUser, "replaced");
    }
    FileSettingsStore fresh;
    EXPECT_EQ(fresh.GetSetting(application(), kSettingsSection, kKeyOracleServer), "  ORCL  ");
    EXPECT_EQ(fresh.GetSetting(application(), kSettingsSection, kKeyOracleUser), "replaced");
    EXPECT_EQ(fresh.GetSetting(application(), kSettingsSection, kKeyOraclePassword),
              "p;w=\"x\",y\\z#");
    EXPECT_EQ(fresh.GetSetting(application(), kSettingsSection, kKeyDataSourceName), " ");
    fresh.SaveSetting(application(), kSettingsSection, kKeyDataSourceName, "");
    EXPECT_EQ(FileSettingsStore().GetSetting(application(), kSettingsSection, kKeyDataSourceName),
              "");
}

TEST(SettingsStore, OnlyTheOwnerMayReadTheFile) {
    FileSettingsStore store;
    store.SaveSetting(application(), kSettingsSection, kKeyOraclePassword, "secret");
    const std::string file = FileSettingsStore::filePath(application());
    EXPECT_EQ(modeOf(file), 0600u);
    EXPECT_EQ(modeOf(std::filesystem::path(file).parent_path().string()), 0700u);
    // A file someone widened is narrowed again by the next save.
    ::chmod(file.c_str(), 0644);
    store.SaveSetting(application(), kSettingsSection, kKeyOraclePassword, "secret2");
    EXPECT_EQ(modeOf(file), 0600u);
    EXPECT_EQ(file.find(std::getenv("XDG_CONFIG_HOME")), 0u) << "outside the private folder";
    // The save is on disk when it returns, under the section and key.
    std::ifstream in(file);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_NE(text.find("[Tallowmere]"), std::string::npos) << text;
    EXPECT_NE(text.find("OraclePassword=secret2"), std::string::npos) << text;
}

} // namespace
} // namespace tallowmere
