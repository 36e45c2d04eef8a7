#include "ParameterColumn.h"

#include <algorithm>
#include <cstring>

namespace tallowmere {
namespace {

// Room for one UTF-16 unit, so a column of nulls still has a place to point at.
constexpr size_t kNarrowestSlot = 2;

} // namespace

size_t ParameterColumn::widthFor(size_t bytes) const {
    if (mFixedWidth != 0)
        return mFixedWidth;
    if (mWidth != 0 && bytes <= mWidth)
        return mWidth;
    return std::max({bytes, kNarrowestSlot, mWidth + mWidth / 2});
}

char* ParameterColumn::nextSlot(size_t bytes) {
    const size_t width = widthFor(bytes);
    mBytes.resize(width * (mRows + 1));
    if (width != mWidth) {
        // From the last row back, so no slot is overwritten before it moves.
        for (size_t row = mRows; row-- > 1;)
            std::memmove(mBytes.data() + row * width, mBytes.data() + row * mWidth, mWidth);
        mWidth = width;
    }
    ++mRows;
    return slot(mRows - 1);
}

void ParameterColumn::append(std::string_view bytes) {
    char* at = nextSlot(bytes.size());
    if (!bytes.empty())
        std::memcpy(at, bytes.data(), bytes.size());
    mLengths.push_back(static_cast<SQLLEN>(bytes.size()));
    mWidest = std::max(mWidest, bytes.size());
}

void ParameterColumn::appendNull() {
    nextSlot(0);
    mLengths.push_back(SQL_NULL_DATA);
}

void ParameterColumn::clear() {
    mBytes.clear();
    mLengths.clear();
    mRows = 0;
    mWidth = 0;
    mWidest = 0;
}

} // namespace tallowmere
