// What a command says on standard error when it fails or is interrupted:
// the cause first, then where the copy stood.
#include "CommandRun.h"

#include "data_access/DatabaseError.h"
#include "data_access/DriverRules.h"

namespace tallowmere::cli {

void CommandRun::sayFailure(const std::exception& error,
                            const CopyProgress::Standing& standing) const {
    if (dynamic_cast<const CommandFailure*>(&error)) {
        std::fprintf(mEnvironment.err, "%s\n", error.what());
        return;
    }
    if (dynamic_cast<const CopyRefused*>(&error)) { // a line for each refusal
        const std::string lines = error.what();
        for (size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
            end = lines.find('\n', start);
            std::fprintf(mEnvironment.err, "tallowmere: %s\n",
                         lines.substr(start, end - start).c_str());
        }
        return;
    }
    const auto* database = dynamic_cast<const DatabaseError*>(&error);
    if (const auto* connection = dynamic_cast<const ConnectionFailure*>(&error)) {
        const ConnectionSettings settings = mFields.current();
        std::fprintf(mEnvironment.err, "%s\n%s\n",
                     texts::cannotConnect(connection->side(), settings.oracleServer,
                                          settings.oracleUser, settings.dataSourceName)
                         .c_str(),
                     texts::driverSaid(connection->description(), connection->state()).c_str());
        return;
    }
    std::string context = texts::failureContext(database ? database->state() : "", standing);
    if (database && SaysConnectionLost(database->state())) {
        // The connection's end is the cause, not the row that was under way.
        std::fprintf(mEnvironment.err, "tallowmere: %s%s\n%s\n", texts::kConnectionLost,
                     texts::driverSaid(database->description(), database->state()).c_str(),
                     context.c_str());
        return;
    }
    if (const auto* row = dynamic_cast<const RowFailure*>(&error))
        context += texts::failingRow(row->row());
    std::fprintf(mEnvironment.err, "tallowmere: %s\n%s\n", failureMessage(error).c_str(),
                 context.c_str());
}

void CommandRun::sayInterrupted() const {
    // A progress line may stand on the terminal: the message starts below it.
    std::fputs(mEnvironment.errIsTerminal ? "\n" : "", mEnvironment.err);
    for (const CopyProgress::Standing& standing : standings())
        std::fprintf(mEnvironment.err, "%s\n", texts::interrupted(standing).c_str());
    std::fflush(mEnvironment.err);
}

std::vector<CopyProgress::Standing> CommandRun::standings() const {
    const std::lock_guard lock(mJobsLock);
    if (mJobProgress.empty())
        return {mProgress.standing()};
    std::vector<CopyProgress::Standing> under;
    for (const auto& progress : mJobProgress) {
        if (!progress->standing().table.empty())
            under.push_back(progress->standing());
    }
    if (under.empty())
        under.push_back({}); // said as a plain interrupt
    return under;
}

} // namespace tallowmere::cli
