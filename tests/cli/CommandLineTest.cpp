// The command line's words: what starts the windows, what is answered on the
// terminal, and what is refused as a wrong command line.
#include "cli/CommandRequest.h"

#include "operations/UserTexts.h"
#include "support/TestDatabases.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

namespace tallowmere::cli {
namespace {

// The words as a shell splits them, quotes kept together.
ParsedCommandLine parse(const QString& line) {
    QStringList words = QProcess::splitCommand(line);
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

// Before a command the program's help or version, after one the command's
// help or the version, whatever else the line holds: never a run.
TEST(CommandLineWords, HelpAndVersionAnywhereAreAnsweredInsteadOfARun) {
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    const QString program = QString::fromUtf8(texts::kProgramDescription);
    const QString drop = QString::fromUtf8(texts::kDropDescription);
    const QString copy = QString::fromStdString(texts::copyDescription(MappingTable()));
    const QString version = QStringLiteral(" 1.0\n");
    const std::vector<std::pair<const char*, QString>> answered = {
        {"--version", version},
        {"--help", program},
        {"-h", program},
        {"--help-all", program},
        {"--help drop oracle THROWAWAY", program},
        {"-h copy --to oracle EMP", program},
        {"-v drop oracle THROWAWAY", version},
        {"lsit oracle --help", program},
        {"--bogus drop oracle THROWAWAY --help", program},
        {"drop oracle THROWAWAY --help", drop},
        {"drop oracle THROWAWAY -h", drop},
        {"drop oracle THROWAWAY -hv", drop},
        {"drop oracle THROWAWAY --bogus -h", drop},
        {"drop --version oracle THROWAWAY", version},
        {"copy --to oracle EMP -v", version},
        {"copy --to --help EMP", copy},
        {"copy --to oracle --batch-rows 0 EMP --help", copy},
    };
    for (const auto& [line, text] : answered) {
        const ParsedCommandLine parsed = parse(line);
        const auto* got = std::get_if<CommandRequest>(&parsed);
        ASSERT_NE(got, nullptr) << line;
        EXPECT_EQ(got->kind, CommandKind::Answer) << line;
        EXPECT_TRUE(text == version ? got->answer.endsWith(text) : got->answer.contains(text))
            << line << ": " << got->answer.toStdString();
    }
    for (const char* command : {"list", "copy", "drop", "rename"}) {
        const QString help = request(parse(QString::fromLatin1(command) + " --help")).answer;
        EXPECT_TRUE(help.contains(QStringLiteral("--oracle-sid"))) << command;
        EXPECT_TRUE(help.contains(QString::fromLatin1(command) + ' ')) << command;
    }
    // After "--" the word is a table's name.
    const CommandRequest named = request(parse("drop oracle -- -h"));
    EXPECT_EQ(named.kind, CommandKind::Drop);
    EXPECT_EQ(named.tables, std::vector<std::string>{"-h"});
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
    // Only exact repeats are refused.
    EXPECT_EQ(request(parse("drop oracle EMP emp")).tables.size(), 2u);
    // Whole tables unless --plain; the window's INSERT texts go into the window's table.
    const CommandRequest rowByRow = request(parse("copy --to oracle --row-by-row EMP"));
    EXPECT_TRUE(rowByRow.rowByRow && rowByRow.plain && !rowByRow.plan);
    EXPECT_FALSE(copy.plain || copy.plan);
    // Into the table that exists, under another name, of the rows that meet a condition.
    const CommandRequest into =
        request(parse("copy --to sqlanywhere --truncate EMP --as EMP_COPY --where \"SAL > 10\""));
    EXPECT_TRUE(into.into == IntoTarget::Truncate && !into.overwrite);
    EXPECT_EQ(into.as, "EMP_COPY");
    EXPECT_EQ(into.where, "SAL > 10");
    EXPECT_EQ(copy.into, IntoTarget::NewTable);
    const CommandRequest plainPlan = request(parse("copy --to oracle --plain --plan EMP"));
    EXPECT_TRUE(plainPlan.plain && plainPlan.plan && !plainPlan.rowByRow);
    // --batch-rows from 1 to its most, which the help shows.
    const std::string most = std::to_string(BoundArrayRows::kMostArrayRows);
    const auto arrayRows = [](const std::string& rows) {
        return request(parse(QString::fromStdString("copy --to oracle EMP --batch-rows " + rows)))
            .arrayRows;
    };
    EXPECT_EQ(arrayRows(most), BoundArrayRows::kMostArrayRows);
    EXPECT_EQ(arrayRows("1"), 1u);
    EXPECT_EQ(copy.arrayRows, BoundArrayRows::kDefaultArrayRows);
    EXPECT_TRUE(request(parse("copy --help")).answer.contains(QString::fromStdString(most)));
    EXPECT_EQ(request(parse("list oracle")).side, Side::Oracle);
}

// Each refused line with its command and, where the line has one clear
// fault, the problem said.
TEST(CommandLineWords, WrongLinesAreRefusedNamingTheCommandWhoseHelpTellsMore) {
    struct Wrong {
        std::string line;
        const char* command;
        std::string problem; // empty: any problem at all
    };
    std::vector<Wrong> wrong = {
        {"--bogus", "", {}},
        {"lsit oracle", "", texts::unknownCommand("lsit")},
        {"list", "list", texts::kSideNeeded},
        {"list mysql", "list", texts::unknownSide("mysql")},
        {"list oracle extra", "list", {}},
        {"copy EMP", "copy", texts::kToNeeded},
        {"copy --to x EMP", "copy", texts::unknownSide("x")},
        {"copy --to sqlanywhere", "copy", texts::kTablesOrAllNeeded},
        {"copy --to oracle --all EMP", "copy", texts::kTablesAndAll},
        {"copy --to oracle --batch-rows 5 --row-by-row EMP", "copy", texts::kBatchRowsOrRowByRow},
        {"copy --to oracle --row-by-row --batch-rows 1000 EMP", "copy",
         texts::kBatchRowsOrRowByRow},
        {"copy --to oracle EMP EMP", "copy", texts::tableNamedTwice("EMP")},
        {"copy --to oracle EMP DEPT EMP", "copy", texts::tableNamedTwice("EMP")},
        {"copy --to oracle --append --truncate EMP", "copy", texts::kOneWayIntoTarget},
        {"copy --to oracle --overwrite --append EMP", "copy", texts::kOneWayIntoTarget},
        {"copy --to oracle --truncate --overwrite EMP", "copy", texts::kOneWayIntoTarget},
        {"copy --to oracle --append --plain EMP", "copy", texts::kPlainMakesTable},
        {"copy --to oracle --as X EMP DEPT", "copy", texts::kAsTakesOneTable},
        {"copy --to oracle --as X --all", "copy", texts::kAsTakesOneTable},
        {"copy --to oracle --as= EMP", "copy", texts::kAsNeedsName},
        {"copy --to oracle --where \" \" EMP", "copy", texts::kWhereNeedsCondition},
        {"drop sqlanywhere", "drop", texts::kDropNeedsTables},
        {"drop oracle A B A", "drop", texts::tableNamedTwice("A")},
        {"rename oracle a", "rename", texts::kRenameNeedsTwoNames},
        {"list oracle --bogus", "list", {}},
    };
    for (const std::string& rows :
         {std::to_string(BoundArrayRows::kMostArrayRows + 1), std::string("100000000000"),
          std::string("0"), std::string("-1"), std::string("abc")})
        wrong.push_back({"copy --to oracle EMP --batch-rows " + rows, "copy",
                         texts::batchRowsWrong(BoundArrayRows::kMostArrayRows)});
    for (const auto& [line, command, problem] : wrong) {
        const ParsedCommandLine parsed = parse(QString::fromStdString(line));
        const auto* error = std::get_if<UsageError>(&parsed);
        ASSERT_NE(error, nullptr) << line;
        EXPECT_EQ(error->command, command) << line;
        EXPECT_FALSE(error->problem.empty()) << line;
        if (!problem.empty()) {
            EXPECT_EQ(error->problem, problem) << line;
        }
    }
}

// The README and the manual page show the mapping table the copy uses, as
// copy --help does, and the plan first among the copy's examples.
TEST(CommandLineWords, TheDocumentsShowTheMappingTableTheCopyUses) {
    const std::string readme = testing::readFile(TALLOWMERE_SOURCE_DIR "/README.md");
    const std::string manual = testing::readFile(TALLOWMERE_SOURCE_DIR "/desktop/tallowmere.1.in");
    for (const MappingTableRow& row : MappingTable()) {
        EXPECT_NE(readme.find("| " + row.source + " | " + row.toOracle + " | " + row.toSqlAnywhere +
                              " |"),
                  std::string::npos)
            << row.source;
        EXPECT_NE(manual.find(".B " + row.source + "\nOracle: " + row.toOracle +
                              "; SQL Anywhere: " + row.toSqlAnywhere + "\n"),
                  std::string::npos)
            << row.source;
    }
    EXPECT_LT(readme.find("tallowmere copy --to sqlanywhere --plan"),
              readme.find("tallowmere copy --to sqlanywhere EMP"));
}

} // namespace
} // namespace tallowmere::cli
