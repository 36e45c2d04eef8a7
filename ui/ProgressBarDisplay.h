// The transfers' progress, shown on the main window's progress bar.
#pragma once

#include "transfer/OperationContext.h"

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
