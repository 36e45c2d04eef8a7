// Each command's own options and their parsing, shared by the command line's
// parser and the copy's options. Private to the command line.
#pragma once

#include "CommandRequest.h"

#include <QCommandLineParser>

#include <optional>
#include <string>
#include <vector>

namespace tallowmere::cli {

inline const QString kList = QStringLiteral("list");
inline const QString kCopy = QStringLiteral("copy");
inline const QString kDrop = QStringLiteral("drop");
inline const QString kRename = QStringLiteral("rename");

QString q(const char* text);
std::vector<std::string> stdStrings(const QStringList& words);
std::optional<Side> parseSide(const QString& word);
// The first table named more than once, or nothing: a table copied or dropped
// twice in one run is a slip, not a wish.
std::optional<std::string> tableNamedTwice(const QStringList& tables);

// One command's own parser: its options, its help, the connection overrides.
struct CommandParser {
    CommandParser(const QString& command, const std::string& description, const QString& syntax);
    SettingOverrides overrides() const;

    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption sid;
    QCommandLineOption user;
    QCommandLineOption dsn;
    QCommandLineOption to;
    QCommandLineOption overwrite;
    QCommandLineOption append;
    QCommandLineOption truncate;
    QCommandLineOption as;
    QCommandLineOption where;
    QCommandLineOption all;
    QCommandLineOption batchRows;
    QCommandLineOption rowByRow;
    QCommandLineOption jobs;
    QCommandLineOption plain;
    QCommandLineOption plan;
};

// The copy command's request from its parsed options and tables.
ParsedCommandLine parseCopy(const CommandParser& p, CommandRequest request);

} // namespace tallowmere::cli
