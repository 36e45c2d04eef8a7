// Loaded into an installed program with LD_PRELOAD: when its first window
// shows, says so on standard error (its caption, the program's folder, and
// whether a cursor picture was read there), then closes that window as a
// person would. The package check starts the unpacked program with it.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// The toolkit reads .CUR pictures through its icon reader, loaded on first use.
bool cursorPictureRead() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libqico.so");
}

class FirstWindowProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (mDone || event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (!window->isWindow())
            return false;
        mDone = true;
        std::fprintf(stderr, "first window: %s\nprogram folder: %s\ncursor picture read: %s\n",
                     qPrintable(window->windowTitle()),
                     qPrintable(QCoreApplication::applicationDirPath()),
                     cursorPictureRead() ? "yes" : "no");
        QTimer::singleShot(0, window, &QWidget::close);
        return false;
    }

private:
    bool mDone = false;
};

void installProbe() {
    QCoreApplication::instance()->installEventFilter(
        new FirstWindowProbe(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
