#include "DecimalDigits.h"

#include <algorithm>

namespace tallowmere {
namespace {

// Far past what any database's numbers reach; a larger exponent counts as
// this one, so the sums below cannot overflow.
constexpr long kLargestExponent = 1'000'000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The exponent after "E" or "e", held within kLargestExponent.
long exponentOf(std::string_view text) {
    size_t at = 0;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        ++at;
    long exponent = 0;
    for (; at < text.size() && isDigit(text[at]); ++at)
        exponent = std::min(exponent * 10 + (text[at] - '0'), kLargestExponent);
    return negative ? -exponent : exponent;
}

} // namespace

void DecimalDigits::widen(const DecimalDigits& other) {
    integer = std::max(integer, other.integer);
    fraction = std::max(fraction, other.fraction);
    significant = std::max(significant, other.significant);
}

DecimalDigits DigitsOf(std::string_view number) {
    size_t at = number.find_first_not_of(' ');
    if (at == std::string_view::npos)
        return {};
    if (number[at] == '-' || number[at] == '+')
        ++at;
    // Positions count the digits of the text alone, its point and sign left out.
    long digits = 0, beforePoint = -1, firstNonzero = -1, lastNonzero = -1;
    for (; at < number.size(); ++at) {
        const char c = number[at];
        if (c == '.' && beforePoint < 0) {
            beforePoint = digits;
            continue;
        }
        if (!isDigit(c))
            break;
        if (c != '0') {
            if (firstNonzero < 0)
                firstNonzero = digits;
            lastNonzero = digits;
        }
        ++digits;
    }
    if (beforePoint < 0)
        beforePoint = digits;
    long point = beforePoint;
    if (at < number.size() && (number[at] == 'E' || number[at] == 'e'))
        point += exponentOf(number.substr(at + 1));
    DecimalDigits result;
    result.fraction = std::max(0L, digits - point);
    if (firstNonzero >= 0) {
        result.integer = std::max(0L, point - firstNonzero);
        result.significant = lastNonzero - firstNonzero + 1;
    }
    return result;
}

} // namespace tallowmere
