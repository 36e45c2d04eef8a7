// How many digits the values of a decimal column take, read from each value's
// text as the driver gives it, so the target column can be made to hold them
// all whatever the driver reports of the column.
#pragma once

#include <string_view>

namespace tallowmere {

struct DecimalDigits {
    long integer = 0;     // before the point, from the first nonzero digit
    long fraction = 0;    // after the point, as many as the text writes
    long significant = 0; // from the first nonzero digit to the last

    // Widens each count to hold another value's too.
    void widen(const DecimalDigits& other);
};

// The digits of one number as text: an optional sign, digits with an optional
// point, an optional exponent ("-1E-7" takes 7 digits after the point).
// Reading stops at the first character that belongs to none of these.
DecimalDigits DigitsOf(std::string_view number);

} // namespace tallowmere
