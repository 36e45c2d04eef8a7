#include "Recordset.h"

#include <stdexcept>

namespace tallowmere {

int Recordset::fieldIndex(std::string_view name) const {
    for (int i = 0; i < fieldCount(); ++i) {
        if (fieldInfo(i).name == name)
            return i;
    }
    throw std::out_of_range("No field named " + std::string(name) + " in the result.");
}

} // namespace tallowmere
