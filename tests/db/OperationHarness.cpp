#include "OperationHarness.h"

#include <stdexcept>

namespace tallowmere::testing {

void ScriptedPrompts::message(const std::string& text, const std::string&) {
    shown.push_back(text);
}

bool ScriptedPrompts::askYesNo(const std::string& text, const std::string&) {
    shown.push_back(text);
    if (yesNoAnswers.empty())
        throw std::logic_error("unexpected question: " + text);
    const bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

std::string ScriptedPrompts::inputBox(const std::string& prompt, const std::string&,
                                      const std::string&) {
    shown.push_back(prompt);
    if (inputAnswers.empty())
        throw std::logic_error("unexpected input box: " + prompt);
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

void Harness::select(TableList& list, const std::string& name) {
    for (int i = 0; i < list.count(); ++i) {
        if (list.text(i) == name) {
            list.setSelected(i, true);
            list.setCurrentIndex(i);
            return;
        }
    }
    throw std::logic_error("no entry " + name);
}

} // namespace tallowmere::testing
