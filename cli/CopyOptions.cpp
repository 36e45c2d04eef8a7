// The copy command's options: which tables, into what on the target, and how
// the rows go; what excludes what.
#include "CommandOptions.h"

#include "operations/UserTexts.h"

namespace tallowmere::cli {
namespace {

const std::string kCommand = "copy";

// What the rows go into: a new table, or the one that exists. --overwrite,
// --append and --truncate exclude each other, and --plain makes a table, so
// it excludes the last two.
std::optional<std::string> targetProblem(const CommandParser& p, CommandRequest& request) {
    const int ways = int(p.parser.isSet(p.overwrite)) + int(p.parser.isSet(p.append)) +
                     int(p.parser.isSet(p.truncate));
    if (ways > 1)
        return texts::kOneWayIntoTarget;
    request.overwrite = p.parser.isSet(p.overwrite);
    request.into = p.parser.isSet(p.append)     ? IntoTarget::Append
                   : p.parser.isSet(p.truncate) ? IntoTarget::Truncate
                                                : IntoTarget::NewTable;
    if (request.into != IntoTarget::NewTable && p.parser.isSet(p.plain))
        return texts::kPlainMakesTable;
    if (p.parser.isSet(p.as)) {
        request.as = p.parser.value(p.as).toStdString();
        if (request.as.empty())
            return texts::kAsNeedsName;
        if (request.all || request.tables.size() != 1)
            return texts::kAsTakesOneTable;
    }
    if (p.parser.isSet(p.where)) {
        request.where = p.parser.value(p.where).toStdString();
        if (request.where.find_first_not_of(" \t\n") == std::string::npos)
            return texts::kWhereNeedsCondition;
    }
    return std::nullopt;
}

// How the rows go: in arrays of so many, or one INSERT text a row; and how
// many tables at once.
std::optional<std::string> rowsProblem(const CommandParser& p, CommandRequest& request) {
    bool isNumber = false;
    const qulonglong arrayRows = p.parser.value(p.batchRows).toULongLong(&isNumber);
    if (!isNumber || arrayRows == 0 || arrayRows > BoundArrayRows::kMostArrayRows)
        return texts::batchRowsWrong(BoundArrayRows::kMostArrayRows);
    request.arrayRows = static_cast<size_t>(arrayRows);
    request.rowByRow = p.parser.isSet(p.rowByRow);
    // The option has a default value: only whether it was given tells.
    if (request.rowByRow && p.parser.isSet(p.batchRows))
        return texts::kBatchRowsOrRowByRow;
    const qulonglong jobs = p.parser.value(p.jobs).toULongLong(&isNumber);
    if (!isNumber || jobs == 0 || jobs > kMostJobs)
        return texts::jobsWrong(kMostJobs);
    request.jobs = static_cast<size_t>(jobs);
    return std::nullopt;
}

} // namespace

ParsedCommandLine parseCopy(const CommandParser& p, CommandRequest request) {
    const QStringList tables = p.parser.positionalArguments();
    if (!p.parser.isSet(p.to))
        return UsageError{texts::kToNeeded, kCommand};
    const auto target = parseSide(p.parser.value(p.to));
    if (!target)
        return UsageError{texts::unknownSide(p.parser.value(p.to).toStdString()), kCommand};
    request.all = p.parser.isSet(p.all);
    if (!request.all && tables.isEmpty())
        return UsageError{texts::kTablesOrAllNeeded, kCommand};
    if (request.all && !tables.isEmpty())
        return UsageError{texts::kTablesAndAll, kCommand};
    if (const auto twice = tableNamedTwice(tables))
        return UsageError{texts::tableNamedTwice(*twice), kCommand};
    request.tables = stdStrings(tables);
    if (const auto problem = targetProblem(p, request))
        return UsageError{*problem, kCommand};
    if (const auto problem = rowsProblem(p, request))
        return UsageError{*problem, kCommand};
    request.kind = CommandKind::Copy;
    request.side = *target;
    request.plain = p.parser.isSet(p.plain) || request.rowByRow;
    request.plan = p.parser.isSet(p.plan);
    return request;
}

} // namespace tallowmere::cli
