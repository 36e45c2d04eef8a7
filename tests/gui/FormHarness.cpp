#include "FormHarness.h"

#include "ui/Form2.h"
#include "ui/TableListWidget.h"

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

Form2* FormHarness::startWithFirstSqlAnywhereTableChosen(const ConnectionSettings& values) {
    storeSettings(values);
    start();
    Form2* main = mainWindow();
    if (main) {
        main->List1->setSelected(0, true);
        main->List1->setCurrentIndex(0);
    }
    return main;
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

void clickEntry(TableListWidget& list, int index) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      list.visualItemRect(list.item(index)).center());
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
