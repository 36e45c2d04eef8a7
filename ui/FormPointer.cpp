#include "FormPointer.h"

#include <QWidget>

namespace tallowmere {

FormPointer::FormPointer(QWidget& window)
    : mWindow(window) {}

void FormPointer::recordOwnCursors() {
    // Before the first change every control still shows its own pointer.
    for (QWidget* child : mWindow.findChildren<QWidget*>()) {
        if (child->testAttribute(Qt::WA_SetCursor))
            mOwnCursors.insert(child, child->cursor());
    }
    mOwnCursorsRecorded = true;
}

void FormPointer::setPointer(PointerSetting setting) {
    if (setting == mSetting)
        return;
    mSetting = setting;
    apply();
}

void FormPointer::setCustomCursor(const QCursor& cursor) {
    mCustom = cursor;
    if (mSetting == PointerSetting::Custom)
        apply();
}

QCursor FormPointer::customCursor() const {
    return mCustom.value_or(QCursor(Qt::PointingHandCursor));
}

void FormPointer::apply() {
    if (!mOwnCursorsRecorded)
        recordOwnCursors();
    QList<QWidget*> widgets = mWindow.findChildren<QWidget*>();
    widgets.prepend(&mWindow);
    for (QWidget* widget : widgets) {
        switch (mSetting) {
        case PointerSetting::Default:
            if (mOwnCursors.contains(widget))
                widget->setCursor(mOwnCursors.value(widget));
            else
                widget->unsetCursor();
            break;
        case PointerSetting::Busy:
            widget->setCursor(Qt::WaitCursor);
            break;
        case PointerSetting::Custom:
            widget->setCursor(customCursor());
            break;
        }
    }
}

} // namespace tallowmere
