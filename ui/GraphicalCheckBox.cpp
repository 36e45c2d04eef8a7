#include "GraphicalCheckBox.h"

namespace tallowmere {

GraphicalCheckBox::GraphicalCheckBox(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
    setCheckable(true);
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this, &GraphicalCheckBox::takeClick);
}

void GraphicalCheckBox::takeClick() {
    if (!isChecked())
        return;
    setChecked(false);
    emit activated();
}

} // namespace tallowmere
