#include "CommandOptions.h"

#include "operations/UserTexts.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>

namespace tallowmere::cli {
namespace {

const QString kOptionsEnd = QStringLiteral("--");

// The toolkit's own options, which the windows take as they always have
// (qt6options(7)): a start with them is still a start of the windows.
constexpr std::array kToolkitValueOptions = {
    "style",         "stylesheet", "qmljsdebugger",   "platform",    "platformpluginpath",
    "platformtheme", "plugin",     "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "session",       "display",    "geometry",        "dialogs",     "fontengine",
};
constexpr std::array kToolkitFlags = {"widgetcount", "reverse", "nograb", "dograb", "sync"};

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

QString syntaxOf(const QString& command) {
    if (command == kList)
        return QStringLiteral("list oracle|sqlanywhere");
    if (command == kCopy)
        return QStringLiteral("copy --to sqlanywhere|oracle [--plan] [--plain] "
                              "[--overwrite | --append | --truncate] [--as NAME] "
                              "[--where CONDITION] [--batch-rows N | --row-by-row] [--jobs N] "
                              "(TABLE... | --all)");
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
    request.tables = stdStrings(words);
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
