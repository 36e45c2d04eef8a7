#include "GuiFakes.h"

#include <stdexcept>

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

void ScriptedPrompts::record(const char* kind, const std::string& text, const std::string& title) {
    shown.push_back({kind, text, title});
    if (whileShown)
        whileShown();
}

void ScriptedPrompts::message(const std::string& text, const std::string& title) {
    record("message", text, title);
}

bool ScriptedPrompts::askYesNo(const std::string& text, const std::string& title) {
    record("ask", text, title);
    if (answers.empty())
        throw std::logic_error("unexpected question: " + text);
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::string ScriptedPrompts::inputBox(const std::string& prompt, const std::string& defaultAnswer,
                                      const std::string& title) {
    record("input", prompt, title);
    if (inputs.empty())
        return defaultAnswer;
    std::string answer = inputs.front();
    inputs.pop_front();
    return answer;
}

HomePageServices HomePageSpy::services() {
    return {[this] { return draw; },
            [this](const std::string& address) { opened.push_back(address); }};
}

} // namespace tallowmere::gui
