#include "Controls.h"

#include "GraphicalCheckBox.h"

#include <QGroupBox>
#include <QLabel>

namespace tallowmere {

GraphicalCheckBox* makeButton(const char* caption, QWidget* parent, const QRect& pixels) {
    auto* button = new GraphicalCheckBox(QString::fromUtf8(caption), parent);
    button->setGeometry(pixels);
    return button;
}

QGroupBox* makeFrame(const char* caption, QWidget* parent, const QRect& pixels) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setGeometry(pixels);
    return frame;
}

QLabel* makeLabel(const char* text, QWidget* parent, const QRect& pixels) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(pixels);
    return label;
}

void nameControls(std::span<const std::pair<QWidget*, const char*>> controls) {
    for (const auto& [control, name] : controls)
        control->setObjectName(QString::fromLatin1(name));
}

void chainTabOrder(const QList<QWidget*>& order) {
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace tallowmere
