#include "TableList.h"

#include <QCollator>
#include <QLocale>
#include <QString>

#include <stdexcept>

namespace tallowmere {

int TableList::selectedCount() const {
    int selected = 0;
    for (int i = 0; i < count(); ++i)
        selected += isSelected(i) ? 1 : 0;
    return selected;
}

namespace {

// The user's locale; without one (the C locale sorts by code unit, accents
// after "z") the order English readers use, which fits most Latin names.
QCollator makeCollator() {
    const QLocale user;
    QCollator collator(user.language() == QLocale::C ? QLocale(QLocale::English) : user);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

} // namespace

bool tableNameLess(const std::string& a, const std::string& b) {
    // One per thread: a collator is not to be shared between threads.
    thread_local const QCollator collator = makeCollator();
    const QString left = QString::fromUtf8(a);
    const QString right = QString::fromUtf8(b);
    const int order = collator.compare(left, right);
    return order != 0 ? order < 0 : left < right;
}

int sortedInsertPosition(const TableList& list, const std::string& text) {
    int low = 0;
    int high = list.count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (tableNameLess(text, list.text(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

std::string PlainTableList::text(int index) const {
    return mEntries.at(static_cast<size_t>(index)).text;
}

bool PlainTableList::isSelected(int index) const {
    return mEntries.at(static_cast<size_t>(index)).selected;
}

void PlainTableList::setSelected(int index, bool selected) {
    mEntries.at(static_cast<size_t>(index)).selected = selected;
}

void PlainTableList::setCurrentIndex(int index) {
    if (index < -1 || index >= count())
        throw std::out_of_range("List index out of range.");
    mCurrent = index;
}

void PlainTableList::addItem(const std::string& text) {
    const int position = sortedInsertPosition(*this, text);
    mEntries.insert(mEntries.begin() + position, Entry{text, false});
    if (mCurrent >= position)
        ++mCurrent;
}

void PlainTableList::removeItem(int index) {
    if (index < 0 || index >= count())
        throw std::out_of_range("List index out of range.");
    mEntries.erase(mEntries.begin() + index);
    // Like the list widget: the focus stays on the same entry, or moves to the
    // one that takes the removed entry's place.
    if (mCurrent > index || mCurrent >= count())
        --mCurrent;
}

void PlainTableList::clear() {
    mEntries.clear();
    mCurrent = -1;
}

std::vector<std::string> PlainTableList::texts() const {
    std::vector<std::string> result;
    for (const Entry& entry : mEntries)
        result.push_back(entry.text);
    return result;
}

} // namespace tallowmere
