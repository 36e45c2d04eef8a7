// Statement text for the tests' own set-up and checks, written separately from the
// program's quoting so that a fault there cannot hide itself in the check; and
// the fixture of the tests that reach both databases.
#pragma once

#include "support/OperationHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace tallowmere::testing {

// A delimited identifier: embedded double quotes doubled.
inline std::string quoted(const std::string& name) {
    std::string text = "\"";
    for (char c : name)
        text += c == '"' ? std::string("\"\"") : std::string(1, c);
    return text + "\"";
}

// A string literal as both test databases read it: single quotes doubled.
inline std::string literal(const std::string& text) {
    std::string sql = "'";
    for (char c : text)
        sql += c == '\'' ? std::string("''") : std::string(1, c);
    return sql + "'";
}

inline std::string hexOf(const std::string& bytes, bool upperCase) {
    const char* digits = upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 0x0F];
    }
    return hex;
}

// Bytes given as hexadecimal digits in SQL Anywhere's escape form, "\\x" and
// two digits a byte: what the program sends for a long binary value, and so
// what an SQLite file standing in for SQL Anywhere keeps.
inline std::string byteEscapes(const std::string& hex) {
    std::string escaped;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        escaped += "\\x" + hex.substr(i, 2);
    return escaped;
}

// Doubles whose every digit counts: 15 significant digits read back as
// other numbers, or none (the largest overflows); and the sign of a zero.
inline const std::vector<std::string> kExactDoubles{"0.30000000000000004", "123456789.123456789",
                                                    "5e-324", "1.7976931348623157e308", "-0.0"};

// The rows "(first, 'v1'), (first + 1, 'v2'), ..." of the values after VALUES.
inline std::string numberedRows(const std::vector<std::string>& values, size_t first = 1) {
    std::string rows;
    for (size_t i = 0; i < values.size(); ++i)
        rows += (i > 0 ? ", (" : "(") + std::to_string(first + i) + ", " + literal(values[i]) + ")";
    return rows;
}

// The bits of the doubles the texts read as: equal bits, the same numbers,
// a zero's sign included.
inline std::vector<uint64_t> doubleBits(const Names& texts) {
    std::vector<uint64_t> bits;
    for (const std::string& text : texts)
        bits.push_back(std::bit_cast<uint64_t>(std::strtod(text.c_str(), nullptr)));
    return bits;
}

// Rows compared whole; a failure names the first row that differs, with
// long values shortened so a megabyte of text does not flood the log.
inline ::testing::AssertionResult sameRows(const Rows& actual, const Rows& expected) {
    const auto shown = [](const std::vector<FieldValue>& row) {
        std::string text;
        for (const FieldValue& value : row) {
            const std::string v = value ? "'" + *value + "'" : "NULL";
            text += (text.empty() ? "" : ", ") +
                    (v.size() > 80 ? v.substr(0, 60) + "...(" + std::to_string(v.size()) + ")" : v);
        }
        return "(" + text + ")";
    };
    for (size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        if (i >= actual.size() || i >= expected.size() || actual[i] != expected[i])
            return ::testing::AssertionFailure()
                   << "row " << i << " of " << actual.size() << " is "
                   << (i < actual.size() ? shown(actual[i]) : "missing") << ", expected "
                   << (i < expected.size() ? shown(expected[i]) : "none");
    }
    return ::testing::AssertionSuccess();
}

inline Names sortedNames(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

// A fresh SQLite file, a new Oracle account and a harness that reaches both.
class BothDatabases : public ::testing::Test {
protected:
    void SetUp() override {
        TALLOWMERE_REQUIRE_POSTGRES();
        oracle = std::make_unique<OracleAccount>();
        harness = std::make_unique<Harness>(workingSettings(*oracle));
    }

    SqliteDatabase sqlAnywhere;
    std::unique_ptr<OracleAccount> oracle;
    std::unique_ptr<Harness> harness;
};

} // namespace tallowmere::testing
