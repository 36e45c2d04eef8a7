// The main window's surroundings for operations run headless on the real
// databases: plain lists, scripted prompts, recorded pointer and bar.
#pragma once

#include "support/TestDatabases.h"

#include "data_access/OdbcConnection.h"
#include "operations/OperationContext.h"

#include <deque>

namespace tallowmere::testing {

class ScriptedPrompts : public Prompts {
public:
    void message(const std::string& text, const std::string& title) override;
    bool askYesNo(const std::string& text, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& defaultAnswer,
                         const std::string& title) override;

    std::vector<std::string> shown; // every text, in order
    std::deque<bool> yesNoAnswers;
    std::deque<std::string> inputAnswers;
};

class RecordedPointer : public WindowPointer {
public:
    PointerSetting pointer() const override { return mSetting; }
    void setPointer(PointerSetting setting) override { mSetting = setting; }

private:
    PointerSetting mSetting = PointerSetting::Default;
};

class RecordedProgress : public ProgressDisplay {
public:
    void setValue(float percent) override { values.push_back(percent); }
    std::vector<float> values;
};

struct Harness {
    explicit Harness(ConnectionSettings settings)
        : fields(std::move(settings)) {}

    OperationContext context() {
        return {sqlAnywhereList, oracleList, prompts,     pointer,
                progress,        events,     connections, fields};
    }
    // Runs an operation as the window's button does.
    void run(void (*operation)(const OperationContext&)) {
        const OperationContext current = context();
        runGuarded(current, [&] { operation(current); });
    }
    // Selects the entry and makes it the current one; throws when it is missing.
    static void select(TableList& list, const std::string& name);

    PlainTableList sqlAnywhereList;
    PlainTableList oracleList;
    ScriptedPrompts prompts;
    RecordedPointer pointer;
    RecordedProgress progress;
    NoEventPump events;
    OdbcConnectionFactory connections;
    FixedConnectionFields fields;
};

} // namespace tallowmere::testing
