// The layout is given in twips (1/1440 inch); at 96 dots per inch a pixel is
// 15 twips.
#pragma once

#include <QRect>
#include <QtMath>

namespace tallowmere {

inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(int twips) {
    return qRound(twips / kTwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace tallowmere
