// The program's two windows and what they share: the services, the event
// yield and the one-operation-at-a-time gate. The setup window lives for the
// whole run; the main window is made the first time a connection check passes.
#pragma once

#include "FormServices.h"
#include "HandOver.h"
#include "OperationGate.h"
#include "OperationThread.h"

#include <QObject>

#include <memory>

namespace tallowmere {

class Form1;
class Form2;

class ProgramWindows : public QObject, public HandOver {
    Q_OBJECT

public:
    explicit ProgramWindows(FormServices services);
    ~ProgramWindows() override;

    // The start-up: the setup window's load sequence, which shows one window.
    void start();

    Form1& setupWindow() { return *mSetupWindow; }
    // Null until a connection check has passed.
    Form2* mainWindow() const { return mMainWindow.get(); }
    // An operation still running after the window was closed and its grace
    // ran out: the program ends without waiting for it.
    bool operationLeftRunning() const { return mThread.leftRunning(); }
    bool operationWorking() const { return mThread.working(); }

    void showMainWindow() override;
    void showConnectionSetup() override;

signals:
    // Either window was closed: the program ends.
    void programEndRequested();

private:
    FormServices mServices;
    OperationThread mThread;
    OperationGate mGate;
    std::unique_ptr<Form1> mSetupWindow;
    std::unique_ptr<Form2> mMainWindow;
};

} // namespace tallowmere
