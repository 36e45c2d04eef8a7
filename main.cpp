// Tallowmere: moves whole tables between an Oracle and a SQL Anywhere
// database. The setup window starts the program and hands over to the main
// window when both databases answer.
#include "data_access/OdbcConnection.h"
#include "data_access/SettingsStore.h"
#include "ui/CommandLine.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/ProgramWindows.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    // The layout is in fixed pixels; let Qt scale all of it on dense screens.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication::setApplicationName(QStringLiteral("Tallowmere"));
    QApplication::setApplicationVersion(QStringLiteral(TALLOWMERE_VERSION));
    if (argc > 1) {
        // Answered before the windows' application exists, so that no display
        // is needed for them.
        QCoreApplication terminal(argc, argv);
        if (const auto answer = tallowmere::TerminalAnswer(QCoreApplication::arguments())) {
            std::fputs(qPrintable(*answer), stdout);
            return 0;
        }
    }
    QApplication application(argc, argv);

    tallowmere::OdbcConnectionFactory connections;
    tallowmere::FileSettingsStore settings;
    tallowmere::MessageBoxPrompts prompts;
    tallowmere::ProgramWindows windows({connections, settings, prompts,
                                        tallowmere::HomePageServices::desktop(),
                                        QCoreApplication::applicationDirPath()});
    QObject::connect(&windows, &tallowmere::ProgramWindows::programEndRequested, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    windows.start();
    const int code = QApplication::exec();
    if (windows.operationLeftRunning())
        std::_Exit(code); // its thread still waits for a server that never answered
    return code;
}
