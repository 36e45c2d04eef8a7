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
                            q("Shows this command's help.")};
    QCommandLineOption sid{QStringLiteral("oracle-sid"), q(texts::kSidOptionHelp),
                           QStringLiteral("sid")};
    QCommandLineOption user{QStringLiteral("oracle-user"), q(texts::kUserOptionHelp),
                            QStringLiteral("user")};
    QCommandLineOption dsn{QStringLiteral("dsn"), q(texts::kDsnOptionHelp), QStringLiteral("name")};
    QCommandLineOption to{QStringLiteral("to"), q(texts::kToOptionHelp), QStringLiteral("side")};
    QCommandLineOption overwrite{QStringLiteral("overwrite"), q(texts::kOverwriteOptionHelp)};
    QCommandLineOption all{QStringLiteral("all"), q(texts::kAllOptionHelp)};
    QCommandLineOption batchRows{QStringLiteral("batch-rows"), q(texts::kBatchRowsOptionHelp),
                                 QStringLiteral("rows"), QStringLiteral("1000")};
    QCommandLineOption rowByRow{QStringLiteral("row-by-row"), q(texts::kRowByRowOptionHelp)};

    CommandParser(const QString& command, const char* description, const QString& syntax) {
        parser.setApplicationDescription(q(description));
        parser.addOption(help);
        if (command == kCopy) {
            parser.addOption(to);
            parser.addOption(overwrite);
            parser.addOption(all);
            parser.addOption(batchRows);
            parser.addOption(rowByRow);
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
        return QStringLiteral("copy --to sqlanywhere|oracle [--overwrite] [--batch-rows N | "
                              "--row-by-row] (TABLE... | --all)");
    if (command == kDrop)
        return QStringLiteral("drop oracle|sqlanywhere TABLE...");
    return QStringLiteral("rename oracle|sqlanywhere OLD NEW");
}

const char* descriptionOf(const QString& command) {
    if (command == kList)
        return texts::kListDescription;
    if (command == kCopy)
        return texts::kCopyDescription;
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

ParsedCommandLine parseCopy(const CommandParser& p, CommandRequest request) {
    const QStringList tables = p.parser.positionalArguments();
    if (!p.parser.isSet(p.to))
        return UsageError{texts::kToNeeded, "copy"};
    const auto target = parseSide(p.parser.value(p.to));
    if (!target)
        return UsageError{texts::unknownSide(p.parser.value(p.to).toStdString()), "copy"};
    request.all = p.parser.isSet(p.all);
    if (request.all == !tables.isEmpty())
        return UsageError{texts::kTablesOrAll, "copy"};
    bool isNumber = false;
    const qulonglong arrayRows = p.parser.value(p.batchRows).toULongLong(&isNumber);
    if (!isNumber || arrayRows == 0)
        return UsageError{texts::kBatchRowsWrong, "copy"};
    request.arrayRows = static_cast<size_t>(arrayRows);
    request.rowByRow = p.parser.isSet(p.rowByRow);
    request.kind = CommandKind::Copy;
    request.side = *target;
    request.overwrite = p.parser.isSet(p.overwrite);
    request.tables = texts(tables);
    return request;
}

// The words after the side: how many a command takes.
bool rightCount(CommandKind kind, qsizetype names) {
    switch (kind) {
    case CommandKind::List:
        return names == 0;
    case CommandKind::Drop:
        return names >= 1;
    default:
        return names == 2;
    }
}

ParsedCommandLine parseCommand(const QString& command, QStringList arguments) {
    CommandParser p(command, descriptionOf(command), syntaxOf(command));
    arguments.prepend(QCoreApplication::applicationName());
    const std::string name = command.toStdString();
    if (!p.parser.parse(arguments))
        return UsageError{p.parser.errorText().toStdString(), name};
    if (p.parser.isSet(p.help))
        return answer(p.parser.helpText());
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
    if (!rightCount(request.kind, words.size()))
        return UsageError{request.kind == CommandKind::Rename
                              ? texts::kRenameNeedsTwoNames
                              : texts::unknownCommand(words.value(0).toStdString()),
                          name};
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
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    addToolkitOptions(parser);
    parser.addPositionalArgument(QStringLiteral("command"), q("list, copy, drop or rename"),
                                 QStringLiteral("[COMMAND]"));
    if (!parser.parse(arguments))
        return UsageError{parser.errorText().toStdString(), {}};
    QStringList words = parser.positionalArguments();
    if (!words.isEmpty()) {
        const QString command = words.takeFirst();
        if (command != kList && command != kCopy && command != kDrop && command != kRename)
            return UsageError{texts::unknownCommand(command.toStdString()), {}};
        return parseCommand(command, words);
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return answer(parser.helpText());
    if (parser.isSet(version))
        return answer(QCoreApplication::applicationName() + ' ' +
                      QCoreApplication::applicationVersion() + '\n');
    return CommandRequest{};
}

} // namespace tallowmere::cli
