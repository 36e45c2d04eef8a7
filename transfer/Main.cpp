#include "Main.h"

#include <QString>

namespace tallowmere {

bool equalsNoCase(const std::string& a, const std::string& b) {
    return a == b || QString::fromUtf8(a).toLower() == QString::fromUtf8(b).toLower();
}

bool ListHasItem(const TableList& list, const std::string& name) {
    for (int i = 0; i < list.count(); ++i) {
        if (list.text(i) == name)
            return true;
    }
    return false;
}

bool ListHasItemNoCase(const TableList& list, const std::string& name) {
    for (int i = 0; i < list.count(); ++i) {
        if (equalsNoCase(list.text(i), name))
            return true;
    }
    return false;
}

void RemoveListItem(TableList& list, const std::string& name) {
    // Downwards, so a removal never moves an entry that is still to be seen.
    for (int i = list.count() - 1; i >= 0; --i) {
        if (list.text(i) == name)
            list.removeItem(i);
    }
}

std::string IfNull(const FieldValue& value, const std::string& replacement) {
    return value ? *value : replacement;
}

} // namespace tallowmere
