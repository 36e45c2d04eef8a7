#include "ProgressBarDisplay.h"

#include <QProgressBar>
#include <QtMath>

namespace tallowmere {

void ProgressBarDisplay::setValue(float percent) {
    mBar.setValue(qBound(mBar.minimum(), qRound(percent), mBar.maximum()));
}

} // namespace tallowmere
