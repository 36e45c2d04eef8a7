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

// Also gives every caption black text, so the look does not follow the desktop.
void styleFixedWindow(QWidget& window, QSize clientPixels);

// Lists and text fields keep the desktop's colours for their face and text,
// so they stay readable under any palette.
void keepSystemColours(QWidget& control);

// One widget style for the whole program, whatever the desktop asks for: its
// frames carry the caption on their border line, as the layout assumes.
inline constexpr const char* kProgramStyle = "Windows";
void useProgramStyle();

// The window icon: a fully transparent 32 x 32 picture.
void setBlankIcon(QWidget& window);

} // namespace tallowmere
