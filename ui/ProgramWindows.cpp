#include "ProgramWindows.h"

#include "Form1.h"
#include "Form2.h"
#include "FormStyle.h"

namespace tallowmere {

ProgramWindows::ProgramWindows(FormServices services)
    : mServices(std::move(services)) {
    useProgramStyle(); // before the first window, so both are made in it
    mSetupWindow = std::make_unique<Form1>(mServices, mThread, mGate, *this);
    connect(mSetupWindow.get(), &Form1::programEndRequested, this,
            &ProgramWindows::programEndRequested);
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::start() {
    mSetupWindow->Form_Load();
}

void ProgramWindows::showMainWindow() {
    if (!mMainWindow) {
        mMainWindow = std::make_unique<Form2>(mServices, *mSetupWindow, mThread, mGate, *this);
        connect(mMainWindow.get(), &Form2::programEndRequested, this,
                &ProgramWindows::programEndRequested);
    }
    mMainWindow->Form_Load();
    if (mThread.cancelled())
        return; // a window was closed while the lists filled: the program ends
    mMainWindow->show();
    mSetupWindow->hide();
}

void ProgramWindows::showConnectionSetup() {
    mSetupWindow->show();
    mMainWindow->hide();
}

} // namespace tallowmere
