// The benchmark's own steps on the databases around each measurement, each
// run as a child (see DatabaseChildren.h) under the ODBC configuration of the
// pair at hand: a source made, the target reset or emptied, a copy checked.
#pragma once

#include "Pair.h"
#include "Workload.h"
#include "Workspace.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace bench {

class DatabaseSteps {
public:
    explicit DatabaseSteps(const Workspace& workspace);

    const Workspace& workspace() const { return mWorkspace; }
    // This program's command line for one of its child modes.
    std::vector<std::string> child(std::initializer_list<std::string> args) const;

    // An SQLite file of the tables, each with `rows` rows; its path.
    std::string makeSource(const std::string& name, long rows,
                           const std::vector<std::string>& tables = {kTable}) const;
    // Drops the copied table; recreates it empty from create.sql when asked.
    void reset(const Pair& pair, bool recreate) const;
    // Drops each of the tables on the target, where it exists.
    void drop(const Pair& pair, const std::vector<std::string>& tables) const;
    // Deletes every row, keeping the table as the copy made it.
    void empty(const Pair& pair) const;
    // Counts the copy as wrong unless the target's table holds the source's rows.
    void check(const Pair& pair, long rows, const std::string& table = kTable);
    void countWrong() { ++mWrongCopies; }
    int wrongCopies() const { return mWrongCopies; }

private:
    const Workspace& mWorkspace;
    std::string mSelf;
    int mWrongCopies = 0;
};

} // namespace bench
