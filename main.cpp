// Tallowmere: moves whole tables between an Oracle and a SQL Anywhere
// database. The setup window starts the program and hands over to the main
// window when both databases answer; the commands of the command line do the
// same work without a window.
#include "cli/ProgramStart.h"
#include "data_access/NumericLocale.h"
#include "data_access/OdbcConnection.h"
#include "data_access/SettingsStore.h"
#include "ui/DisplayRequired.h"
#include "ui/MessageBoxPrompts.h"
#include "ui/ProgramWindows.h"

#include <QApplication>

#include <cstdlib>
#include <memory>

int main(int argc, char** argv) {
    // The layout is in fixed pixels; let Qt scale all of it on dense screens.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication::setApplicationName(QStringLiteral("Tallowmere"));
    QApplication::setApplicationVersion(QStringLiteral(TALLOWMERE_VERSION));
    if (argc > 1) {
        if (const auto status = tallowmere::cli::RunFromCommandLine(argc, argv))
            return *status;
    }
    std::unique_ptr<QApplication> application;
    {
        const tallowmere::DisplayRequired display;
        application = std::make_unique<QApplication>(argc, argv);
    }
    tallowmere::KeepNumbersInCLocale();

    tallowmere::OdbcConnectionFactory connections;
    tallowmere::FileSettingsStore settings;
    tallowmere::MessageBoxPrompts prompts;
    tallowmere::ProgramWindows windows({connections, settings, prompts,
                                        tallowmere::HomePageServices::desktop(),
                                        QCoreApplication::applicationDirPath()});
    QObject::connect(&windows, &tallowmere::ProgramWindows::programEndRequested, application.get(),
                     &QCoreApplication::quit, Qt::QueuedConnection);
    windows.start();
    const int code = QApplication::exec();
    if (windows.operationLeftRunning())
        std::_Exit(code); // its thread still waits for a server that never answered
    return code;
}
