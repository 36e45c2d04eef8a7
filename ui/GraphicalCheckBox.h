// Every command of the two windows: a check box drawn as a push button. A
// click presses it; the button releases itself and only then asks for its
// action, so the action runs once per click and never finds it pressed.
#pragma once

#include <QPushButton>

namespace tallowmere {

class GraphicalCheckBox : public QPushButton {
    Q_OBJECT

public:
    GraphicalCheckBox(const QString& caption, QWidget* parent);

signals:
    void activated();

private:
    void takeClick();
};

} // namespace tallowmere
