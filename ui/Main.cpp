#include "Main.h"

#include "FormPointer.h"

#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QtEndian>

#include <filesystem>

namespace tallowmere {
namespace {

// A Windows cursor file keeps its hot spot in the first directory entry, where
// an icon file keeps its colour planes; the picture itself loses it.
QPoint cursorHotSpot(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {-1, -1};
    const QByteArray header = file.read(14);
    if (header.size() < 14 || qFromLittleEndian<quint16>(header.constData() + 2) != 2)
        return {-1, -1};
    return {qFromLittleEndian<quint16>(header.constData() + 10),
            qFromLittleEndian<quint16>(header.constData() + 12)};
}

} // namespace

void CenterOnScreen(QWidget& window) {
    // Where the platform can tell the frame before the window is shown, it
    // does so once the native window exists.
    window.winId();
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize outer = window.frameGeometry().size();
    const double left = area.x() + (area.width() - outer.width()) / 2.0;
    const double top = area.y() + (area.height() - outer.height()) / 2.0;
    window.move(qRound(left), qRound(top));
}

bool FileExists(const QString& path) {
    std::error_code error;
    (void)std::filesystem::last_write_time(std::filesystem::path(path.toStdString()), error);
    return !error;
}

void LoadHandCursor(FormPointer& pointer, const QString& programFolder) {
    const QString path = programFolder + '/' + kHandCursorFile;
    if (!FileExists(path))
        return;
    const QPixmap picture(path);
    if (picture.isNull())
        return; // not a cursor after all: the window keeps what it had
    const QPoint hotSpot = cursorHotSpot(path);
    pointer.setCustomCursor(QCursor(picture, hotSpot.x(), hotSpot.y()));
}

} // namespace tallowmere
