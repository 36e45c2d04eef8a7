#include "DatabaseSteps.h"

#include "ChildProcess.h"

namespace bench {

DatabaseSteps::DatabaseSteps(const Workspace& workspace)
    : mWorkspace(workspace)
    , mSelf(selfPath()) {}

std::vector<std::string> DatabaseSteps::child(std::initializer_list<std::string> args) const {
    std::vector<std::string> all{mSelf, "--child"};
    all.insert(all.end(), args);
    return all;
}

std::string DatabaseSteps::makeSource(const std::string& name, long rows,
                                      const std::vector<std::string>& tables) const {
    const std::string file = mWorkspace.file(name);
    // Any configuration that names the SQLite driver will do.
    mWorkspace.use(sqlitePair(mWorkspace, "").setup);
    std::vector<std::string> args =
        child({"make-source", sqliteSourceString(file), std::to_string(rows)});
    args.insert(args.end(), tables.begin(), tables.end());
    runChildOrThrow(args);
    return file;
}

void DatabaseSteps::reset(const Pair& pair, bool recreate) const {
    if (recreate)
        runChildOrThrow(child({"reset", pair.targetString(), mWorkspace.file("create.sql")}));
    else
        runChildOrThrow(child({"reset", pair.targetString()}));
}

void DatabaseSteps::drop(const Pair& pair, const std::vector<std::string>& tables) const {
    std::vector<std::string> args = child({"drop", pair.targetString()});
    args.insert(args.end(), tables.begin(), tables.end());
    runChildOrThrow(args);
}

void DatabaseSteps::empty(const Pair& pair) const {
    runChildOrThrow(child({"empty", pair.targetString(), pair.targetIsPostgres() ? "1" : "0"}));
}

void DatabaseSteps::check(const Pair& pair, long rows, const std::string& table) {
    const ChildResult result = runChild(child(
        {"check", pair.targetString(), std::to_string(rows), pair.wideTarget ? "1" : "0", table}));
    if (result.exitCode != 0)
        ++mWrongCopies;
}

} // namespace bench
