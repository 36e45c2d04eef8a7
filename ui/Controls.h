// Making the controls of the two windows at their places in the layout,
// naming them, and chaining their tab order.
#pragma once

#include <QList>
#include <QRect>

#include <span>
#include <utility>

class QGroupBox;
class QLabel;
class QWidget;

namespace tallowmere {

class GraphicalCheckBox;

GraphicalCheckBox* makeButton(const char* caption, QWidget* parent, const QRect& pixels);
QGroupBox* makeFrame(const char* caption, QWidget* parent, const QRect& pixels);
QLabel* makeLabel(const char* text, QWidget* parent, const QRect& pixels);

// Gives each control its name, for finding it by name.
void nameControls(std::span<const std::pair<QWidget*, const char*>> controls);

// The Tab key walks the controls in this order.
void chainTabOrder(const QList<QWidget*>& order);

} // namespace tallowmere
