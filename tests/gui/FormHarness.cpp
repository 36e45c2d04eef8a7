#include "FormHarness.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace tallowmere::gui {

FormHarness::FormHarness(ConnectionFactory& connections)
    : connections(connections)
    , programFolder(QStringLiteral("/nonexistent-program-folder")) {}

Form1& FormHarness::create() {
    windows = std::make_unique<ProgramWindows>(
        FormServices{connections, settings, prompts, homePage.services(), programFolder});
    form = &windows->setupWindow();
    return *form;
}

Form1& FormHarness::start() {
    create();
    windows->start();
    return *form;
}

void FormHarness::storeSettings(const ConnectionSettings& values) {
    storeConnectionSettings(settings, values);
    settings.saves.clear();
}

void hover(QWidget& control) {
    QTest::mouseMove(&control, control.rect().center());
}

void click(QWidget& control) {
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, control.rect().center());
}

QStringList tabWalk(QWidget& window, QWidget& first, int presses) {
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    first.setFocus(Qt::OtherFocusReason);
    QStringList names;
    for (int i = 0; i < presses; ++i) {
        names << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                              : QStringLiteral("(none)"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names;
}

} // namespace tallowmere::gui
