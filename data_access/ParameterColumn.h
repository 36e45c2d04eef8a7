// One parameter's values for a whole array, laid out as column-wise binding
// takes them: every value in a slot of one width, its length (or
// SQL_NULL_DATA) beside it. Private to the data-access layer.
#pragma once

#include <sql.h>

#include <string_view>
#include <vector>

namespace tallowmere {

class ParameterColumn {
public:
    // fixedWidth: every slot that wide, for values bound as C numbers or
    // structures, which a driver steps through by their own size.
    explicit ParameterColumn(size_t fixedWidth = 0)
        : mFixedWidth(fixedWidth) {}

    // The slot width holding one more value of `bytes` bytes would take. A
    // wider value widens every slot by half at least, so a column whose
    // values keep growing is not moved for every row.
    size_t widthFor(size_t bytes) const;
    // The bytes the column's slots would take holding one more value of
    // `bytes` bytes: every slot at widthFor(bytes).
    size_t bytesWith(size_t bytes) const { return widthFor(bytes) * (mRows + 1); }

    void append(std::string_view bytes);
    void appendNull();
    // Empties the column and narrows its slots; the room stays for the next array.
    void clear();

    size_t rows() const { return mRows; }
    size_t width() const { return mWidth; }
    // The longest value held, in bytes.
    size_t widest() const { return mWidest; }
    // Where row's value and length are, for SQLBindParameter.
    char* slot(size_t row) { return mBytes.data() + row * mWidth; }
    SQLLEN* length(size_t row) { return mLengths.data() + row; }

private:
    // Makes room for one more row with slots of at least `bytes`.
    char* nextSlot(size_t bytes);

    size_t mFixedWidth;
    std::vector<char> mBytes;
    std::vector<SQLLEN> mLengths;
    size_t mRows = 0;
    size_t mWidth = 0;
    size_t mWidest = 0;
};

} // namespace tallowmere
