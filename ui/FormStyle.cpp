#include "FormStyle.h"

#include <QIcon>
#include <QPixmap>
#include <QWidget>
#include <QtMath>

namespace tallowmere {

QFont arialFont(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

void setBlankIcon(QWidget& window) {
    QPixmap blank(32, 32);
    blank.fill(Qt::transparent);
    window.setWindowIcon(QIcon(blank));
}

void styleFixedWindow(QWidget& window, QSize clientPixels) {
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
    window.setFixedSize(clientPixels);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Button, Qt::white);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    setBlankIcon(window);
}

} // namespace tallowmere
