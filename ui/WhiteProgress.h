// Paints a progress bar's background, the part not yet filled, white.
#pragma once

class QProgressBar;

namespace tallowmere::WhiteProgress {

void paintBackgroundWhite(QProgressBar& bar);

} // namespace tallowmere::WhiteProgress
