#include "CommandOptions.h"

#include "operations/UserTexts.h"

namespace tallowmere::cli {

QString q(const char* text) {
    return QString::fromUtf8(text);
}

std::vector<std::string> stdStrings(const QStringList& words) {
    std::vector<std::string> result;
    for (const QString& word : words)
        result.push_back(word.toStdString());
    return result;
}

std::optional<Side> parseSide(const QString& word) {
    if (word == QStringLiteral("oracle"))
        return Side::Oracle;
    if (word == QStringLiteral("sqlanywhere"))
        return Side::SqlAnywhere;
    return std::nullopt;
}

std::optional<std::string> tableNamedTwice(const QStringList& tables) {
    for (qsizetype i = 0; i < tables.size(); ++i) {
        if (tables.indexOf(tables[i], i + 1) != -1)
            return tables[i].toStdString();
    }
    return std::nullopt;
}

CommandParser::CommandParser(const QString& command, const std::string& description,
                             const QString& syntax)
    : help({QStringLiteral("h"), QStringLiteral("help")}, q(texts::kCommandHelpOptionHelp))
    , version({QStringLiteral("v"), QStringLiteral("version")}, q(texts::kCommandVersionOptionHelp))
    , sid(QStringLiteral("oracle-sid"), q(texts::kSidOptionHelp), QStringLiteral("sid"))
    , user(QStringLiteral("oracle-user"), q(texts::kUserOptionHelp), QStringLiteral("user"))
    , dsn(QStringLiteral("dsn"), q(texts::kDsnOptionHelp), QStringLiteral("name"))
    , to(QStringLiteral("to"), q(texts::kToOptionHelp), QStringLiteral("side"))
    , overwrite(QStringLiteral("overwrite"), q(texts::kOverwriteOptionHelp))
    , append(QStringLiteral("append"), q(texts::kAppendOptionHelp))
    , truncate(QStringLiteral("truncate"), q(texts::kTruncateOptionHelp))
    , as(QStringLiteral("as"), q(texts::kAsOptionHelp), QStringLiteral("name"))
    , where(QStringLiteral("where"), q(texts::kWhereOptionHelp), QStringLiteral("condition"))
    , all(QStringLiteral("all"), q(texts::kAllOptionHelp))
    , batchRows(QStringLiteral("batch-rows"),
                QString::fromStdString(texts::batchRowsOptionHelp(BoundArrayRows::kDefaultArrayRows,
                                                                  BoundArrayRows::kMostArrayRows)),
                QStringLiteral("rows"), QString::number(BoundArrayRows::kDefaultArrayRows))
    , rowByRow(QStringLiteral("row-by-row"), q(texts::kRowByRowOptionHelp))
    , jobs(QStringLiteral("jobs"),
           QString::fromStdString(texts::jobsOptionHelp(kDefaultJobs, kMostJobs)),
           QStringLiteral("n"), QString::number(kDefaultJobs))
    , plain(QStringLiteral("plain"), q(texts::kPlainOptionHelp))
    , plan(QStringLiteral("plan"), q(texts::kPlanOptionHelp)) {
    parser.setApplicationDescription(QString::fromStdString(description));
    parser.addOption(help);
    parser.addOption(version);
    if (command == kCopy) {
        for (const QCommandLineOption* option : {&to, &overwrite, &append, &truncate, &as, &where,
                                                 &all, &batchRows, &rowByRow, &jobs, &plain, &plan})
            parser.addOption(*option);
    }
    parser.addOption(sid);
    parser.addOption(user);
    parser.addOption(dsn);
    parser.addPositionalArgument(
        command, q(command == kCopy ? texts::kTablesArgumentHelp : texts::kSideArgumentHelp),
        syntax);
}

SettingOverrides CommandParser::overrides() const {
    SettingOverrides values;
    if (parser.isSet(sid))
        values.oracleServer = parser.value(sid).toStdString();
    if (parser.isSet(user))
        values.oracleUser = parser.value(user).toStdString();
    if (parser.isSet(dsn))
        values.dataSourceName = parser.value(dsn).toStdString();
    return values;
}

} // namespace tallowmere::cli
