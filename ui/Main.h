// Window helpers the two windows share: centring, and the optional hand
// pointer read from a cursor file beside the program.
#pragma once

#include <QString>

class QWidget;

namespace tallowmere {

class FormPointer;

inline constexpr const char* kHandCursorFile = "HAND-M.CUR";

// Places the window, its frame and title bar counted, in the middle of its screen.
void CenterOnScreen(QWidget& window);

// True when the file's modification time can be read; any error means false.
bool FileExists(const QString& path);

// Makes the hand cursor file in the program's folder the window's custom
// pointer, when the file is there and reads as an image.
void LoadHandCursor(FormPointer& pointer, const QString& programFolder);

} // namespace tallowmere
