// Stand-ins for what an operation asks of its window: prompts answered by the
// test, the pointer and the progress bar, each recording what it was given.
// Given a log, each also writes one line a call into it ("message ...",
// "ask ...", "input ...", "pointer 11", "progress 50"), so a test can compare
// that with the calls of other fakes in one sequence.
#pragma once

#include "operations/WindowInterfaces.h"

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace tallowmere::testing {

using Log = std::vector<std::string>;

struct Prompt {
    std::string kind; // "message", "ask" or "input"
    std::string text;
    std::string title;
    std::string defaultAnswer; // an input box's; empty for the others

    bool operator==(const Prompt&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Prompt& prompt);

// Questions and input boxes take their answers in order from answers and
// inputs; one that finds none left throws, as nothing was meant to ask.
class FakePrompts : public Prompts {
public:
    explicit FakePrompts(Log* log = nullptr)
        : mLog(log) {}

    void message(const std::string& text, const std::string& title) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& defaultAnswer,
                         const std::string& title) override;

    // Each of the shown prompts' texts, titles, and input boxes' defaults.
    std::vector<std::string> texts() const;
    std::vector<std::string> titles() const;
    std::vector<std::string> defaults() const;

    std::vector<Prompt> shown;
    std::deque<bool> answers;
    std::deque<std::string> inputs;
    // Runs while a prompt is up, as a user's clicks would.
    std::function<void()> whileShown;

private:
    void show(Prompt prompt);
    Log* mLog;
};

class FakePointer : public WindowPointer {
public:
    explicit FakePointer(Log* log = nullptr)
        : mLog(log) {}
    PointerSetting pointer() const override { return mSetting; }
    void setPointer(PointerSetting setting) override;

private:
    Log* mLog;
    PointerSetting mSetting = PointerSetting::Default;
};

// onValue runs after each value with the number of values so far (1 for the
// first), so a test can act at an exact step of a copy.
class FakeProgress : public ProgressDisplay {
public:
    explicit FakeProgress(Log* log = nullptr)
        : mLog(log) {}
    void setValue(float percent) override;

    std::vector<float> values;
    std::function<void(size_t)> onValue;

private:
    Log* mLog;
};

} // namespace tallowmere::testing
