// The look both windows share: a fixed-size window with only minimise and
// close, white surfaces, no visible icon, and Arial captions.
#pragma once

#include <QFont>
#include <QSize>

class QWidget;

namespace tallowmere {

// A font of the given size in points as it shows at 96 dots per inch, so that
// captions keep their size relative to the fixed layout on any screen.
QFont arialFont(double points, bool bold);

void styleFixedWindow(QWidget& window, QSize clientPixels);

// The window icon: a fully transparent 32 x 32 picture.
void setBlankIcon(QWidget& window);

} // namespace tallowmere
