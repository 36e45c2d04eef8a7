// A list of table names as the windows show them: kept sorted by text, with
// several entries selectable and a current index (-1 when no entry has it).
#pragma once

#include <string>
#include <vector>

namespace tallowmere {

class TableList {
public:
    virtual ~TableList() = default;

    virtual int count() const = 0;
    virtual std::string text(int index) const = 0;
    virtual bool isSelected(int index) const = 0;
    virtual void setSelected(int index, bool selected) = 0;
    virtual int selectedCount() const;
    virtual int currentIndex() const = 0;
    // Moves the focus only; the selection stays as it was.
    virtual void setCurrentIndex(int index) = 0;
    // The new entry takes its sorted place.
    virtual void addItem(const std::string& text) = 0;
    virtual void removeItem(int index) = 0;
    virtual void clear() = 0;
};

// The one order both lists keep: as a person reads the names, by the
// locale's collation without regard to letter case ("apple" before "Zeta"),
// and names that collate alike by UTF-16 code unit, so the order is total.
bool tableNameLess(const std::string& a, const std::string& b);

// Where a new entry goes in a list already in that order (after equal ones).
int sortedInsertPosition(const TableList& list, const std::string& text);

// A list kept in memory, for headless use.
class PlainTableList : public TableList {
public:
    int count() const override { return static_cast<int>(mEntries.size()); }
    std::string text(int index) const override;
    bool isSelected(int index) const override;
    void setSelected(int index, bool selected) override;
    int currentIndex() const override { return mCurrent; }
    void setCurrentIndex(int index) override;
    void addItem(const std::string& text) override;
    void removeItem(int index) override;
    void clear() override;

    std::vector<std::string> texts() const;

private:
    struct Entry {
        std::string text;
        bool selected = false;
    };
    std::vector<Entry> mEntries;
    int mCurrent = -1;
};

} // namespace tallowmere
