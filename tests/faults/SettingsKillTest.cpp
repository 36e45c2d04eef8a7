// The program killed (SIGKILL) right after a keystroke in a field of the setup
// window loses nothing: the next start shows the field as it was after that
// keystroke, and the settings file and its folder stay the owner's alone.
#include "Processes.h"

#include "data_access/OdbcConnection.h"
#include "data_access/SettingsStore.h"
#include "gui/GuiFakes.h"
#include "support/TestMain.h"
#include "support/WindowFakes.h"
#include "ui/ConnectionField.h"
#include "ui/Form1.h"
#include "ui/ProgramWindows.h"

#include <QApplication>
#include <QTest>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

namespace tallowmere::faults {
namespace {

// The child side of the keystroke test: the test program started again as
// "program --type-then-die FIELD KEY focus|nofocus" opens the setup window on
// the real settings file, gives one keystroke to the field and kills itself.
constexpr const char* kTypeThenDie = "--type-then-die";

// Does not return when all goes to plan; otherwise a non-zero exit code.
int typeThenDie(int argc, char** argv) {
    if (argc < 5)
        return 2;
    // Only ever on its parent's private settings folder, never the user's.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (!config || std::string(config).find("/tallowmere-test.") == std::string::npos)
        return 6;
    QApplication application(argc, argv);
    OdbcConnectionFactory connections;
    FileSettingsStore settings;
    testing::FakePrompts prompts;
    gui::HomePageSpy homePage; // never opens a browser
    ProgramWindows windows({connections, settings, prompts, homePage.services(),
                            QStringLiteral("/nonexistent-program-folder")});
    windows.start();
    Form1& form = windows.setupWindow(); // the settings reach no database: this window stays
    auto* field = form.findChild<ConnectionField*>(QString::fromLatin1(argv[2]));
    if (!field || !form.isVisible())
        return 3;
    if (std::strcmp(argv[4], "focus") == 0) {
        form.activateWindow();
        QApplication::setActiveWindow(&form);
        field->setFocus(Qt::MouseFocusReason);
        if (!field->hasFocus())
            return 4;
    }
    const std::string key = argv[3];
    if (key == "Backspace")
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClick(field, key.at(0));
    std::raise(SIGKILL);
    return 5;
}

std::optional<int> typeThenDieWhenAsked(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kTypeThenDie) == 0)
        return typeThenDie(argc, argv);
    return std::nullopt;
}

struct Keystroke {
    const char* name;
    bool storedBefore; // a previous run left the values below
    const char* field;
    const char* key;
    bool focusFirst; // taking the focus selects the whole text
    ConnectionSettings after;
};

const ConnectionSettings kStored{"ORCL", "scot", "tiger!", "TallowmereNoSuchSource"};

mode_t modeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

std::string describe(int status) {
    if (WIFSIGNALED(status))
        return "signal " + std::to_string(WTERMSIG(status));
    if (WIFEXITED(status))
        return "exit code " + std::to_string(WEXITSTATUS(status));
    return "status " + std::to_string(status);
}

// Names the case in test output instead of its bytes.
void PrintTo(const Keystroke& keystroke, std::ostream* out) {
    *out << keystroke.name;
}

class FaultKilledAfterAKeystroke : public ::testing::TestWithParam<Keystroke> {};

TEST_P(FaultKilledAfterAKeystroke, TheNextStartShowsTheTextAndOnlyTheOwnerMayReadIt) {
    const Keystroke& keystroke = GetParam();
    const std::string file = FileSettingsStore::filePath(kSettingsApplication);
    const std::string folder = std::filesystem::path(file).parent_path().string();
    std::filesystem::remove_all(folder);
    if (keystroke.storedBefore) {
        FileSettingsStore previous;
        gui::storeConnectionSettings(previous, kStored);
        // Widened behind the program's back: the keystroke's save narrows them.
        std::filesystem::permissions(folder, std::filesystem::perms(0755));
        std::filesystem::permissions(file, std::filesystem::perms(0644));
    }

    const pid_t child = spawn({"/proc/self/exe", kTypeThenDie, keystroke.field, keystroke.key,
                               keystroke.focusFirst ? "focus" : "nofocus"});
    const int status = waitForChild(child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << describe(status);

    EXPECT_EQ(modeOf(file), 0600u);
    EXPECT_EQ(modeOf(folder), 0700u);

    // The next start, on the same file.
    OdbcConnectionFactory connections;
    FileSettingsStore settings;
    testing::FakePrompts prompts;
    gui::HomePageSpy homePage;
    ProgramWindows windows({connections, settings, prompts, homePage.services(),
                            QStringLiteral("/nonexistent-program-folder")});
    windows.start();
    Form1& form = windows.setupWindow();
    EXPECT_EQ(form.Text1->value(), keystroke.after.oracleServer);
    EXPECT_EQ(form.Text2->value(), keystroke.after.oracleUser);
    EXPECT_EQ(form.Text3->value(), keystroke.after.oraclePassword);
    EXPECT_EQ(form.Text4->value(), keystroke.after.dataSourceName);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(modeOf(file), 0600u);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FaultKilledAfterAKeystroke,
    ::testing::Values(
        Keystroke{"FirstCharacterOnAFirstRun", false, "Text1", "O", false, {"O", "", "", ""}},
        Keystroke{"CharacterAppended",
                  true,
                  "Text2",
                  "t",
                  false,
                  {"ORCL", "scott", "tiger!", "TallowmereNoSuchSource"}},
        Keystroke{"PasswordCharacterErased",
                  true,
                  "Text3",
                  "Backspace",
                  false,
                  {"ORCL", "scot", "tiger", "TallowmereNoSuchSource"}},
        Keystroke{"WholeTextReplacedAfterTakingTheFocus",
                  true,
                  "Text4",
                  "N",
                  true,
                  {"ORCL", "scot", "tiger!", "N"}}),
    [](const ::testing::TestParamInfo<Keystroke>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallowmere::faults

// The keystroke child keeps its parent's private folders: it runs before the
// program would make folders of its own.
tallowmere::testing::TestProgramSetup tallowmere::testing::testProgramSetup() {
    return {.insteadOfTests = faults::typeThenDieWhenAsked};
}
