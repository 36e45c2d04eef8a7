// Builds the setup window the way the program does, on the test's stand-ins,
// and offers the mouse and key steps the window tests share.
#pragma once

#include "GuiFakes.h"
#include "support/WindowFakes.h"
#include "ui/Form1.h"
#include "ui/ProgramWindows.h"

#include <QPoint>

#include <memory>

class QWidget;

namespace tallowmere {
class TableListWidget;
}

namespace tallowmere::gui {

struct FormHarness {
    explicit FormHarness(ConnectionFactory& connections);

    Form1& create();
    Form1& start(); // create, then the start-up sequence
    Form2* mainWindow() const { return windows->mainWindow(); }
    // Stores the settings and starts; the main window, if it opened, has the
    // first SQL Anywhere entry selected and current, ready to be sent.
    Form2* startWithFirstSqlAnywhereTableChosen(const ConnectionSettings& settings);
    void storeSettings(const ConnectionSettings& settings);

    ConnectionFactory& connections;
    MemorySettingsStore settings;
    testing::FakePrompts prompts;
    HomePageSpy homePage;
    QString programFolder;
    std::unique_ptr<ProgramWindows> windows;
    Form1* form = nullptr;
};

// A mouse move over the middle of the control, no button held.
void hover(QWidget& control);
// A left click in the middle of the control.
void click(QWidget& control);

// A left click on the list's entry at index.
void clickEntry(TableListWidget& list, int index);

// Names the focus walk of the Tab key from the first control, one per press.
QStringList tabWalk(QWidget& window, QWidget& first, int presses);

} // namespace tallowmere::gui
