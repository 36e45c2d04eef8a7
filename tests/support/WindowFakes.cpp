#include "WindowFakes.h"

#include <sstream>
#include <stdexcept>

namespace tallowmere::testing {
namespace {

template <typename T>
T takeFirst(std::deque<T>& scripted, const std::string& what, const std::string& text) {
    if (scripted.empty())
        throw std::logic_error("unexpected " + what + ": " + text);
    T first = std::move(scripted.front());
    scripted.pop_front();
    return first;
}

std::vector<std::string> each(const std::vector<Prompt>& shown, std::string Prompt::*part,
                              const char* onlyKind = nullptr) {
    std::vector<std::string> parts;
    for (const Prompt& prompt : shown) {
        if (!onlyKind || prompt.kind == onlyKind)
            parts.push_back(prompt.*part);
    }
    return parts;
}

} // namespace

std::ostream& operator<<(std::ostream& out, const Prompt& prompt) {
    return out << prompt.kind << " \"" << prompt.text << "\"";
}

void FakePrompts::message(const std::string& text, const std::string& title) {
    show({"message", text, title, {}});
}

bool FakePrompts::askYesNo(const std::string& text, const std::string& title) {
    show({"ask", text, title, {}});
    return takeFirst(answers, "question", text);
}

std::string FakePrompts::inputBox(const std::string& prompt, const std::string& defaultAnswer,
                                  const std::string& title) {
    show({"input", prompt, title, defaultAnswer});
    return takeFirst(inputs, "input box", prompt);
}

std::vector<std::string> FakePrompts::texts() const {
    return each(shown, &Prompt::text);
}

std::vector<std::string> FakePrompts::titles() const {
    return each(shown, &Prompt::title);
}

std::vector<std::string> FakePrompts::defaults() const {
    return each(shown, &Prompt::defaultAnswer, "input");
}

void FakePrompts::show(Prompt prompt) {
    if (mLog)
        mLog->push_back(prompt.kind + " " + prompt.text);
    shown.push_back(std::move(prompt));
    if (whileShown)
        whileShown();
}

void FakePointer::setPointer(PointerSetting setting) {
    mSetting = setting;
    if (mLog)
        mLog->push_back("pointer " + std::to_string(static_cast<int>(setting)));
}

void FakeProgress::setValue(float percent) {
    values.push_back(percent);
    if (mLog) {
        std::ostringstream text;
        text << "progress " << percent;
        mLog->push_back(text.str());
    }
    if (onValue)
        onValue(values.size());
}

} // namespace tallowmere::testing
