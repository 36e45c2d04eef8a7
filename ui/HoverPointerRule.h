// The pointer feedback of mouse moves. Each ruled control sets its window's
// pointer setting as the mouse moves over it; controls without a rule (labels,
// the progress bar) keep whatever the last ruled control set.
#pragma once

#include "operations/WindowInterfaces.h"

#include <QObject>

class QWidget;

namespace tallowmere {

enum class HoverKind {
    Button,         // the hand, unless busy
    Surface,        // the ordinary pointer, unless busy
    AlwaysOrdinary, // the ordinary pointer, even over a busy setting
};

void UpdateHoverPointer(WindowPointer& pointer, HoverKind kind);

// Watches the mouse moves over one control and applies its rule.
class HoverPointerRule : public QObject {
public:
    static void install(QWidget& control, WindowPointer& pointer, HoverKind kind);
    // A control without a rule: moves over it reach no ruled control below it.
    static void exclude(QWidget& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    HoverPointerRule(QWidget& control, WindowPointer& pointer, HoverKind kind);

    WindowPointer& mPointer;
    HoverKind mKind;
};

} // namespace tallowmere
