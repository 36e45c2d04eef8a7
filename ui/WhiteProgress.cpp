#include "WhiteProgress.h"

#include <QProgressBar>

namespace tallowmere::WhiteProgress {

void paintBackgroundWhite(QProgressBar& bar) {
    // The groove is drawn in the base colour, the fill in the highlight colour.
    QPalette palette = bar.palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    bar.setPalette(palette);
}

} // namespace tallowmere::WhiteProgress
