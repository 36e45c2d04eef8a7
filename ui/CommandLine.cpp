#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace tallowmere {

std::optional<QString> TerminalAnswer(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Copies, drops and renames tables between an Oracle and a SQL Anywhere "
                       "database over ODBC."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // Anything else, the toolkit's own options among them, starts the program
    // as it always has.
    parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all")))
        return parser.helpText();
    if (parser.isSet(version))
        return QCoreApplication::applicationName() + ' ' + QCoreApplication::applicationVersion() +
               '\n';
    return std::nullopt;
}

} // namespace tallowmere
