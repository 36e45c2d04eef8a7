// The command line's words: what starts the windows, what is answered on the
// terminal, and what is refused as a wrong command line.
#include "cli/CommandRequest.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace tallowmere::cli {
namespace {

ParsedCommandLine parse(const QString& line) {
    QStringList words = line.split(' ', Qt::SkipEmptyParts);
    words.prepend(QStringLiteral("tallowmere"));
    return ParseCommandLine(words);
}

// The request, or an answer saying the line was refused.
CommandRequest request(const ParsedCommandLine& parsed) {
    if (const auto* got = std::get_if<CommandRequest>(&parsed))
        return *got;
    CommandRequest refused;
    refused.kind = CommandKind::Answer;
    refused.answer = QStringLiteral("refused");
    return refused;
}

TEST(CommandLineWords, WindowsStartWithNothingOrTheToolkitsOwnOptions) {
    for (const char* line : {"", "-style Fusion", "-platform offscreen -reverse", "-style=Fusion"})
        EXPECT_EQ(request(parse(line)).kind, CommandKind::Windows) << line;
}

TEST(CommandLineWords, HelpAndVersionAreAnsweredForTheProgramAndEachCommand) {
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    EXPECT_TRUE(request(parse("--version")).answer.endsWith(QStringLiteral(" 1.0\n")));
    for (const char* line : {"--help", "-h", "--help-all"})
        EXPECT_TRUE(
            request(parse(line)).answer.contains(QStringLiteral("rename oracle|sqlanywhere")))
            << line;
    for (const char* command : {"list", "copy", "drop", "rename"}) {
        const QString help = request(parse(QString::fromLatin1(command) + " --help")).answer;
        EXPECT_TRUE(help.contains(QStringLiteral("--oracle-sid"))) << command;
        EXPECT_TRUE(help.contains(QString::fromLatin1(command) + ' ')) << command;
    }
}

TEST(CommandLineWords, CommandsTakeTheirSideTablesAndOptions) {
    const CommandRequest copy =
        request(parse("copy --to oracle --overwrite EMP DEPT --dsn D --oracle-sid S"));
    EXPECT_EQ(copy.kind, CommandKind::Copy);
    EXPECT_EQ(copy.side, Side::Oracle);
    EXPECT_TRUE(copy.overwrite);
    EXPECT_EQ(copy.tables, (std::vector<std::string>{"EMP", "DEPT"}));
    EXPECT_EQ(copy.overrides.dataSourceName, "D");
    EXPECT_EQ(copy.overrides.oracleServer, "S");
    EXPECT_FALSE(copy.overrides.oracleUser);
    const CommandRequest all = request(parse("copy --all --to sqlanywhere"));
    EXPECT_TRUE(all.all && all.tables.empty() && all.side == Side::SqlAnywhere);
    const CommandRequest rename = request(parse("rename sqlanywhere old new"));
    EXPECT_EQ(rename.kind, CommandKind::Rename);
    EXPECT_EQ(rename.tables, (std::vector<std::string>{"old", "new"}));
    EXPECT_EQ(request(parse("drop oracle A B C")).tables.size(), 3u);
    EXPECT_EQ(request(parse("list oracle")).side, Side::Oracle);
}

TEST(CommandLineWords, WrongLinesAreRefusedNamingTheCommandWhoseHelpTellsMore) {
    const std::vector<std::pair<const char*, const char*>> wrong = {
        {"--bogus", ""},
        {"lsit oracle", ""},
        {"list", "list"},
        {"list mysql", "list"},
        {"list oracle extra", "list"},
        {"copy EMP", "copy"},
        {"copy --to x EMP", "copy"},
        {"copy --to oracle", "copy"},
        {"copy --to oracle --all EMP", "copy"},
        {"drop oracle", "drop"},
        {"rename oracle a", "rename"},
        {"list oracle --bogus", "list"},
    };
    for (const auto& [line, command] : wrong) {
        const ParsedCommandLine parsed = parse(line);
        const auto* error = std::get_if<UsageError>(&parsed);
        ASSERT_NE(error, nullptr) << line;
        EXPECT_EQ(error->command, command) << line;
        EXPECT_FALSE(error->problem.empty()) << line;
    }
}

} // namespace
} // namespace tallowmere::cli
