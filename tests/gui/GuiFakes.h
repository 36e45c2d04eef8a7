// Stand-ins for what the windows reach outside themselves: a settings store
// in memory, prompts answered by the test, and a home page that is never
// opened for real.
#pragma once

#include "data_access/SettingsStore.h"
#include "operations/WindowInterfaces.h"
#include "ui/FormServices.h"

#include <deque>
#include <functional>
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

struct Prompt {
    std::string kind; // "message", "ask" or "input"
    std::string text;
    std::string title;
};

class ScriptedPrompts : public Prompts {
public:
    void message(const std::string& text, const std::string& title) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& defaultAnswer,
                         const std::string& title) override;

    std::vector<Prompt> shown;
    std::deque<bool> answers;
    std::deque<std::string> inputs;
    // Runs while a prompt is up, as a user's clicks would.
    std::function<void()> whileShown;

private:
    void record(const char* kind, const std::string& text, const std::string& title);
};

// Records every page the program would open; draws the number the test sets.
struct HomePageSpy {
    int draw = 50;
    std::vector<std::string> opened;
    HomePageServices services();
};

} // namespace tallowmere::gui
