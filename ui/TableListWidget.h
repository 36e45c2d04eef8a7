// A table list as the main window shows it: sorted by text in the one order
// both lists share, several entries selectable (a click toggles one), and a
// current entry that only marks the focus.
#pragma once

#include "data_access/TableList.h"

#include <QListWidget>

namespace tallowmere {

class TableListWidget : public QListWidget, public TableList {
    Q_OBJECT

public:
    explicit TableListWidget(QWidget* parent);

    int count() const override;
    std::string text(int index) const override;
    bool isSelected(int index) const override;
    void setSelected(int index, bool selected) override;
    int selectedCount() const override;
    int currentIndex() const override;
    void setCurrentIndex(int index) override;
    void addItem(const std::string& text) override;
    void removeItem(int index) override;
    void clear() override;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    QListWidgetItem& entry(int index) const;
};

} // namespace tallowmere
