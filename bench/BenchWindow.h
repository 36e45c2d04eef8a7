// A window with what a copy touches in the program: the two table lists, the
// progress bar (set up as the main window sets it up) and the window pointer.
// The prompts never block: any message is kept, and is a failure of the run.
#pragma once

#include "ui/FormPointer.h"
#include "ui/ProgressBarDisplay.h"
#include "ui/TableListWidget.h"

#include <QProgressBar>
#include <QWidget>

#include <memory>
#include <string>

namespace bench {

class KeptPrompts : public tallowmere::Prompts {
public:
    void message(const std::string& text, const std::string&) override { mMessages += text + "\n"; }
    bool askYesNo(const std::string& text, const std::string&) override {
        mMessages += "Unexpected question: " + text + "\n";
        return false;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    const std::string& messages() const { return mMessages; }

private:
    std::string mMessages;
};

// Shown on construction, as the program shows its main window.
class BenchWindow : public QWidget {
public:
    BenchWindow();

    tallowmere::TableListWidget& sqlAnywhereList() { return *mSqlAnywhereList; }
    tallowmere::TableListWidget& oracleList() { return *mOracleList; }
    tallowmere::ProgressDisplay& progress() { return *mProgress; }
    tallowmere::WindowPointer& pointer() { return *mPointer; }
    int progressValue() const { return mBar->value(); }
    QProgressBar& bar() { return *mBar; }

private:
    tallowmere::TableListWidget* mSqlAnywhereList;
    tallowmere::TableListWidget* mOracleList;
    QProgressBar* mBar;
    std::unique_ptr<tallowmere::ProgressBarDisplay> mProgress;
    std::unique_ptr<tallowmere::FormPointer> mPointer;
};

// The benchmark's windows draw offscreen unless the environment names a platform.
void useOffscreenUnlessTold();

} // namespace bench
