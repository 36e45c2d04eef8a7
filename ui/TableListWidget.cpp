#include "TableListWidget.h"

#include "FormStyle.h"

#include <QEvent>
#include <QKeyEvent>

#include <stdexcept>

namespace tallowmere {

TableListWidget::TableListWidget(QWidget* parent)
    : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::MultiSelection);
    setSortingEnabled(false); // entries are put in their sorted place as they come
    // Entries are one line of text each: the view need not measure every one
    // again each time events run while a long list loads.
    setUniformItemSizes(true);
    keepSystemColours(*this);
}

QListWidgetItem& TableListWidget::entry(int index) const {
    QListWidgetItem* found = (index >= 0 && index < count()) ? item(index) : nullptr;
    if (!found)
        throw std::out_of_range("List index out of range.");
    return *found;
}

int TableListWidget::count() const {
    return QListWidget::count();
}

std::string TableListWidget::text(int index) const {
    return entry(index).text().toStdString();
}

bool TableListWidget::isSelected(int index) const {
    return entry(index).isSelected();
}

void TableListWidget::setSelected(int index, bool selected) {
    entry(index).setSelected(selected);
}

int TableListWidget::selectedCount() const {
    return static_cast<int>(selectedItems().size());
}

int TableListWidget::currentIndex() const {
    return currentRow();
}

void TableListWidget::setCurrentIndex(int index) {
    if (index < -1 || index >= count())
        throw std::out_of_range("List index out of range.");
    const QModelIndex target = index < 0 ? QModelIndex() : model()->index(index, 0);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::NoUpdate);
}

void TableListWidget::addItem(const std::string& text) {
    insertItem(sortedInsertPosition(*this, text), QString::fromStdString(text));
}

void TableListWidget::removeItem(int index) {
    entry(index); // range check
    model()->removeRow(index);
}

void TableListWidget::clear() {
    QListWidget::clear();
}

void TableListWidget::focusInEvent(QFocusEvent* event) {
    // The view would make the first entry current on taking the focus; here
    // the current index changes only by a click, a key or the operations.
    const int before = currentRow();
    QListWidget::focusInEvent(event);
    if (before < 0 && currentRow() >= 0)
        setCurrentIndex(-1);
}

TableListWidget::Freeze::Freeze(TableListWidget& list)
    : mList(list) {
    mList.mFrozen = true;
}

TableListWidget::Freeze::~Freeze() {
    mList.mFrozen = false;
}

// While frozen the list's clicks, drags and keys are taken and dropped here;
// the pointer rule sees the mouse moves before the list does, so it still runs.
bool TableListWidget::viewportEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        if (mFrozen) {
            event->accept();
            return true;
        }
        break;
    default:
        break;
    }
    return QListWidget::viewportEvent(event);
}

void TableListWidget::keyPressEvent(QKeyEvent* event) {
    if (mFrozen)
        event->accept();
    else
        QListWidget::keyPressEvent(event);
}

} // namespace tallowmere
