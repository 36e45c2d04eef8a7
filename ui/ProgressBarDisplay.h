// The transfers' progress, shown on the main window's progress bar.
#pragma once

#include "operations/WindowInterfaces.h"

class QProgressBar;

namespace tallowmere {

class ProgressBarDisplay : public ProgressDisplay {
public:
    explicit ProgressBarDisplay(QProgressBar& bar)
        : mBar(bar) {}
    void setValue(float percent) override;

private:
    QProgressBar& mBar;
};

} // namespace tallowmere
