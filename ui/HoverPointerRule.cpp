#include "HoverPointerRule.h"

#include <QEvent>
#include <QWidget>

namespace tallowmere {

void UpdateHoverPointer(WindowPointer& pointer, HoverKind kind) {
    if (kind == HoverKind::AlwaysOrdinary) {
        pointer.setPointer(PointerSetting::Default);
        return;
    }
    if (pointer.pointer() == PointerSetting::Busy)
        return;
    pointer.setPointer(kind == HoverKind::Button ? PointerSetting::Custom
                                                 : PointerSetting::Default);
}

HoverPointerRule::HoverPointerRule(QWidget& control, WindowPointer& pointer, HoverKind kind)
    : QObject(&control)
    , mPointer(pointer)
    , mKind(kind) {}

void HoverPointerRule::install(QWidget& control, WindowPointer& pointer, HoverKind kind) {
    control.setMouseTracking(true);
    // Without this a move the control ignores would go on to its frame or
    // window and apply their rule instead.
    if (!control.isWindow())
        exclude(control);
    control.installEventFilter(new HoverPointerRule(control, pointer, kind));
}

void HoverPointerRule::exclude(QWidget& control) {
    control.setAttribute(Qt::WA_NoMousePropagation);
}

bool HoverPointerRule::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove)
        UpdateHoverPointer(mPointer, mKind);
    return QObject::eventFilter(watched, event);
}

} // namespace tallowmere
