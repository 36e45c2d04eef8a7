#include "FormStyle.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>
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
    // White surfaces with black captions, whatever the desktop's palette:
    // labels draw in WindowText, buttons in ButtonText, frame captions in Text.
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Button, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    setBlankIcon(window);
}

void keepSystemColours(QWidget& control) {
    const QPalette system = QApplication::palette();
    QPalette palette = control.palette();
    for (const QPalette::ColorRole role :
         {QPalette::Base, QPalette::AlternateBase, QPalette::Text, QPalette::Highlight,
          QPalette::HighlightedText, QPalette::PlaceholderText}) {
        for (const QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, role, system.color(group, role));
    }
    control.setPalette(palette);
}

void useProgramStyle() {
    if (QApplication::style()->name().compare(QLatin1String(kProgramStyle), Qt::CaseInsensitive))
        QApplication::setStyle(QStyleFactory::create(QLatin1String(kProgramStyle)));
}

} // namespace tallowmere
