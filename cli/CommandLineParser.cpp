#include "CommandRequest.h"

#include "operations/UserTexts.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>

namespace tallowmere::cli {
namespace {

const QString kList = QStringLiteral("list");
const QString kCopy = QStringLiteral("copy");
const QString kDrop = QStringLiteral("drop");
const QString kRename = QStringLiteral("rename");
const QString kOptionsEnd = QStringLiteral("--");

// The toolkit's own options, which the windows take as they always have
// (qt6options(7)): a start with them is still a start of the windows.
constexpr std::array kToolkitValueOptions = {
    "style",         "stylesheet", "qmljsdebugger",   "platform",    "platformpluginpath",
    "platformtheme", "plugin",     "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "session",       "display",    "geometry",        "dialogs",     "fontengine",
};
constexpr std::array kToolkitFlags = {"widgetcount", "reverse", "nograb", "dograb", "sync"};

QString q(const char* text) {
    return QString::fromUtf8(text);
}

void addToolkitOptions(QCommandLineParser& parser) {
    for (const char* name : kToolkitValueOptions) {
        QCommandLineOption option(q(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kToolkitFlags) {
        QCommandLineOption option(q(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// A word that asks for the help or the version instead of a run.
enum class AnswerWord { None, Help, Version };

AnswerWord answerNamed(const QString& option) {
    if (option == QStringLiteral("h") || option == QStringLiteral("help") ||
        option == QStringLiteral("help-all"))
        return AnswerWord::Help;
    if (option == QStringLiteral("v") || option == QStringLiteral("version"))
        return AnswerWord::Version;
    return AnswerWord::None;
}

// The first help or version word before any "--", wherever it stands and
// whether or not the rest could be parsed, then any among the options parsed
// (as in "-hv"): it is answered and nothing runs, even beside a command that
// would drop a table.
AnswerWord answerAsked(const QStringList& words, const QCommandLineParser& parser,
                       bool understood) {
    for (const QString& word : words) {
        if (word == kOptionsEnd)
            break;
        if (!word.startsWith('-'))
            continue;
        const AnswerWord asked = answerNamed(word.mid(word.startsWith(kOptionsEnd) ? 2 : 1));
        if (asked != AnswerWord::None)
            return asked;
    }
    for (const QString& option : understood ? parser.optionNames() : QStringList()) {
        if (const AnswerWord asked = answerNamed(option); asked != AnswerWord::None)
            return asked;
    }
    return AnswerWord::None;
}

std::optional<Side> parseSide(const QString& word) {
    if (word == QStringLiteral("oracle"))
        return Side::Oracle;
    if (word == QStringLiteral("sqlanywhere"))
        return Side::SqlAnywhere;
    return std::nullopt;
}

std::vector<std::string> texts(const QStringList& words) {
    std::vector<std::string> result;
    for (const QString& word : words)
        result.push_back(word.toStdString());
    return result;
}

// One command's own parser: its options, its help, the connection overrides.
struct CommandParser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            q(texts::kCommandHelpOptionHelp)};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               q(texts::kCommandVersionOptionHelp)};
    QCommandLineOption sid{QStringLiteral("oracle-sid"), q(texts::kSidOptionHelp),
                           QStringLiteral("sid")};
    QCommandLineOption user{QStringLiteral("oracle-user"), q(texts::kUserOptionHelp),
                            QStringLiteral("user")};
    QCommandLineOption dsn{QStringLiteral("dsn"), q(texts::kDsnOptionHelp), QStringLiteral("name")};
    QCommandLineOption to{QStringLiteral("to"), q(texts::kToOptionHelp), QStringLiteral("side")};
    QCommandLineOption overwrite{QStringLiteral("overwrite"), q(texts::kOverwriteOptionHelp)};
    QCommandLineOption all{QStringLiteral("all"), q(texts::kAllOptionHelp)};
    QCommandLineOption batchRows{
        QStringLiteral("batch-rows"),
        QString::fromStdString(texts::batchRowsOptionHelp(BoundArrayRows::kDefaultArrayRows,
                                                          BoundArrayRows::kMostArrayRows)),
        QStringLiteral("rows"), QString::number(BoundArrayRows::kDefaultArrayRows)};
    QCommandLineOption rowByRow{QStringLiteral("row-by-row"), q(texts::kRowByRowOptionHelp)};
    QCommandLineOption plain{QStringLiteral("plain"), q(texts::kPlainOptionHelp)};
    QCommandLineOption plan{QStringLiteral("plan"), q(texts::kPlanOptionHelp)};

    CommandParser(const QString& command, const std::string& description, const QString& syntax) {
        parser.setApplicationDescription(QString::fromStdString(description));
        parser.addOption(help);
        parser.addOption(version);
        if (command == kCopy) {
            parser.addOption(to);
            parser.addOption(overwrite);
            parser.addOption(all);
            parser.addOption(batchRows);
            parser.addOption(rowByRow);
            parser.addOption(plain);
            parser.addOption(plan);
        }
        parser.addOption(sid);
        parser.addOption(user);
        parser.addOption(dsn);
        parser.addPositionalArgument(
            command, q(command == kCopy ? texts::kTablesArgumentHelp : texts::kSideArgumentHelp),
            syntax);
    }

    SettingOverrides overrides() const {
        SettingOverrides values;
        if (parser.isSet(sid))
            values.oracleServer = parser.value(sid).toStdString();
        if (parser.isSet(user))
            values.oracleUser = parser.value(user).toStdString();
        if (parser.isSet(dsn))
            values.dataSourceName = parser.value(dsn).toStdString();
        return values;
    }
};

QString syntaxOf(const QString& command) {
    if (command == kList)
        return QStringLiteral("list oracle|sqlanywhere");
    if (command == kCopy)
        return QStringLiteral("copy --to sqlanywhere|oracle [--plan] [--plain] [--overwrite] "
                              "[--batch-rows N | --row-by-row] (TABLE... | --all)");
    if (command == kDrop)
        return QStringLiteral("drop oracle|sqlanywhere TABLE...");
    return QStringLiteral("rename oracle|sqlanywhere OLD NEW");
}

std::string descriptionOf(const QString& command) {
    if (command == kList)
        return texts::kListDescription;
    if (command == kCopy)
        return texts::copyDescription(MappingTable());
    if (command == kDrop)
        return texts::kDropDescription;
    return texts::kRenameDescription;
}

CommandRequest answer(const QString& text) {
    CommandRequest request;
    request.kind = CommandKind::Answer;
    request.answer = text;
    return request;
}

// The help of the parser the word was found for, or the version; nothing
// when neither was asked for.
std::optional<CommandRequest> answerOf(AnswerWord asked, const QCommandLineParser& parser) {
    switch (asked) {
    case AnswerWord::Help:
        return answer(parser.helpText());
    case AnswerWord::Version:
        return answer(QCoreApplication::applicationName() + ' ' +
                      QCoreApplication::applicationVersion() + '\n');
    default:
        return std::nullopt;
    }
}

// The first table named more than once, or nothing: a table copied or dropped
// twice in one run is a slip, not a wish.
std::optional<std::string> tableNamedTwice(const QStringList& tables) {
    for (qsizetype i = 0; i < tables.size(); ++i) {
        if (tables.indexOf(tables[i], i + 1) != -1)
            return tables[i].toStdString();
    }
    return std::nullopt;
}

ParsedCommandLine parseCopy(const CommandParser& p, CommandRequest request) {
    const QStringList tables = p.parser.positionalArguments();
    if (!p.parser.isSet(p.to))
        return UsageError{texts::kToNeeded, "copy"};
    const auto target = parseSide(p.parser.value(p.to));
    if (!target)
        return UsageError{texts::unknownSide(p.parser.value(p.to).toStdString()), "copy"};
    request.all = p.parser.isSet(p.all);
    if (!request.all && tables.isEmpty())
        return UsageError{texts::kTablesOrAllNeeded, "copy"};
    if (request.all && !tables.isEmpty())
        return UsageError{texts::kTablesAndAll, "copy"};
    if (const auto twice = tableNamedTwice(tables))
        return UsageError{texts::tableNamedTwice(*twice), "copy"};
    bool isNumber = false;
    const qulonglong arrayRows = p.parser.value(p.batchRows).toULongLong(&isNumber);
    if (!isNumber || arrayRows == 0 || arrayRows > BoundArrayRows::kMostArrayRows)
        return UsageError{texts::batchRowsWrong(BoundArrayRows::kMostArrayRows), "copy"};
    request.arrayRows = static_cast<size_t>(arrayRows);
    request.rowByRow = p.parser.isSet(p.rowByRow);
    // The option has a default value: only whether it was given tells.
    if (request.rowByRow && p.parser.isSet(p.batchRows))
        return UsageError{texts::kBatchRowsOrRowByRow, "copy"};
    request.kind = CommandKind::Copy;
    request.side = *target;
    request.overwrite = p.parser.isSet(p.overwrite);
    request.plain = p.parser.isSet(p.plain) || request.rowByRow;
    request.plan = p.parser.isSet(p.plan);
    request.tables = texts(tables);
    return request;
}

// What is wrong with the names after the side, or nothing.
std::optional<std::string> namesProblem(CommandKind kind, const QStringList& names) {
    switch (kind) {
    case CommandKind::List:
        if (!names.isEmpty())
            return texts::unknownCommand(names.first().toStdString());
        return std::nullopt;
    case CommandKind::Drop:
        if (names.isEmpty())
            return texts::kDropNeedsTables;
        if (const auto twice = tableNamedTwice(names))
            return texts::tableNamedTwice(*twice);
        return std::nullopt;
    default:
        if (names.size() != 2)
            return texts::kRenameNeedsTwoNames;
        return std::nullopt;
    }
}

ParsedCommandLine parseCommand(const QString& command, const QStringList& arguments) {
    CommandParser p(command, descriptionOf(command), syntaxOf(command));
    const bool understood =
        p.parser.parse(QStringList{QCoreApplication::applicationName()} + arguments);
    if (const auto reply = answerOf(answerAsked(arguments, p.parser, understood), p.parser))
        return *reply;
    const std::string name = command.toStdString();
    if (!understood)
        return UsageError{p.parser.errorText().toStdString(), name};
    CommandRequest request;
    request.overrides = p.overrides();
    if (command == kCopy)
        return parseCopy(p, std::move(request));
    request.kind = command == kList   ? CommandKind::List
                   : command == kDrop ? CommandKind::Drop
                                      : CommandKind::Rename;
    QStringList words = p.parser.positionalArguments();
    if (words.isEmpty())
        return UsageError{texts::kSideNeeded, name};
    const auto side = parseSide(words.takeFirst());
    if (!side)
        return UsageError{texts::unknownSide(p.parser.positionalArguments().first().toStdString()),
                          name};
    if (const auto problem = namesProblem(request.kind, words))
        return UsageError{*problem, name};
    request.side = *side;
    request.tables = texts(words);
    return request;
}

} // namespace

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(q(texts::kProgramDescription) + '\n' +
                                     QString::fromStdString(texts::commandLineSummary()));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // What follows a command is the command's own, options included.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addHelpOption();
    parser.addVersionOption();
    addToolkitOptions(parser);
    parser.addPositionalArgument(QStringLiteral("command"), q(texts::kCommandArgumentHelp),
                                 QStringLiteral("[COMMAND]"));
    const bool understood = parser.parse(arguments);
    const QStringList words = understood ? parser.positionalArguments() : QStringList();
    // The words before the command are the program's: all of them when the
    // line could not be parsed, or the command is no command.
    const QString command = words.value(0);
    const bool isCommand =
        command == kList || command == kCopy || command == kDrop || command == kRename;
    const QStringList programWords =
        isCommand ? arguments.mid(1, arguments.size() - 1 - words.size()) : arguments.mid(1);
    if (const auto reply = answerOf(answerAsked(programWords, parser, understood), parser))
        return *reply;
    if (!understood)
        return UsageError{parser.errorText().toStdString(), {}};
    if (isCommand)
        return parseCommand(command, words.mid(1));
    if (!words.isEmpty())
        return UsageError{texts::unknownCommand(command.toStdString()), {}};
    return CommandRequest{};
}

} // namespace tallowmere::cli
