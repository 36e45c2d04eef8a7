// Running a command: its steps for list, drop and rename, and what every
// command shares (the sides it needs, the lists it loads, the tables it names,
// the lines it prints).
#include "CommandRun.h"

#include "data_access/Oracle.h"
#include "data_access/Sybase.h"
#include "maintenance/TableDeletion.h"
#include "maintenance/TableRenaming.h"
#include "transfer/Main.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tallowmere::cli {
namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "\"" : ", \"") + name + "\"";
    return text;
}

} // namespace

int CommandRun::run() {
    try {
        switch (mRequest.kind) {
        case CommandKind::List:
            list();
            break;
        case CommandKind::Copy:
            copy();
            break;
        case CommandKind::Drop:
            drop();
            break;
        default:
            rename();
            break;
        }
        return kDone;
    } catch (const std::exception& error) {
        if (mInterrupt.interrupted()) {
            sayInterrupted();
            return mInterrupt.status();
        }
        const CopyProgress::Standing standing = mProgress.standing();
        mProgress.abandonTable();
        sayFailure(error, standing);
        return kFailed;
    }
}

void CommandRun::requireSides(std::initializer_list<Side> sides) const {
    for (Side side : sides) {
        if (!mFields.hasSide(side))
            throw CommandFailure(texts::sideNotSetUp(side, mEnvironment.settingsFile));
    }
}

TableList& CommandRun::load(Side side) {
    TableList& list = mContext.list(side);
    if (side == Side::Oracle)
        LoadOracleTables(list, mConnections, mFields, mEvents);
    else
        LoadSqlAnywhereTables(list, mConnections, mFields, mEvents);
    return list;
}

// The tables named, as the side lists them: every one is there, or nothing is
// done at all. SQL Anywhere's names ignore letter case, as its overwrite rule
// does; Oracle's are taken exactly.
std::vector<std::string> CommandRun::listed(Side side,
                                            const std::vector<std::string>& names) const {
    const TableList& list = mContext.list(side);
    std::vector<std::string> tables;
    for (const std::string& name : names) {
        std::vector<std::string> matches;
        for (int i = 0; i < list.count(); ++i) {
            const bool same =
                side == Side::SqlAnywhere ? equalsNoCase(list.text(i), name) : list.text(i) == name;
            if (same)
                matches.push_back(list.text(i));
        }
        if (matches.empty())
            throw CommandFailure(texts::tableNotOnSide(name, side));
        if (matches.size() > 1)
            throw CommandFailure(texts::ambiguousName(name, side, joined(matches)));
        tables.push_back(matches.front());
    }
    return tables;
}

// Exactly these entries selected, one of them current, as a person would.
void CommandRun::select(Side side, const std::vector<std::string>& tables) {
    TableList& list = mContext.list(side);
    for (int i = 0; i < list.count(); ++i) {
        const bool chosen = std::find(tables.begin(), tables.end(), list.text(i)) != tables.end();
        list.setSelected(i, chosen);
        if (chosen)
            list.setCurrentIndex(i);
    }
}

// Every line of standard output goes through here: one that cannot be
// written stops the run, so a full disk never passes for a finished list.
// Written with the progress line out of the way, which may share its terminal.
void CommandRun::printLine(const std::string& line) const {
    const std::lock_guard lock(mOutputLock);
    mLine.aside([&] {
        if (std::fprintf(mEnvironment.out, "%s\n", line.c_str()) < 0 ||
            std::fflush(mEnvironment.out) != 0)
            throw CommandFailure(texts::outputNotWritten(std::strerror(errno)));
    });
}

void CommandRun::list() {
    requireSides({mRequest.side});
    const TableList& list = load(mRequest.side);
    for (int i = 0; i < list.count(); ++i)
        printLine(list.text(i));
}

void CommandRun::drop() {
    requireSides({mRequest.side});
    load(mRequest.side);
    select(mRequest.side, listed(mRequest.side, mRequest.tables));
    reportingList(mRequest.side).onRemoved = [this](const std::string& name) { printLine(name); };
    DeleteTables(mContext, mRequest.side);
}

void CommandRun::rename() {
    requireSides({mRequest.side});
    load(mRequest.side);
    select(mRequest.side, listed(mRequest.side, {mRequest.tables.front()}));
    reportingList(mRequest.side).onAdded = [this](const std::string& name) { printLine(name); };
    RenameTable(mContext, mRequest.side);
}

int RunCommand(const CommandRequest& request, CommandEnvironment& environment) {
    CommandRun run(request, environment);
    return run.run();
}

} // namespace tallowmere::cli
