// Reads a built statement back the way a server reads it: delimited
// identifiers ("..." with "" for a quote), string literals ('...' with '' for
// a quote), words, numbers and punctuation. Comments and anything unexpected
// outside quotes come out as tokens of their own, so a check can refuse them.
#pragma once

#include "transfer/Datatype.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallowmere::fuzz {

enum class TokenKind { Word, Number, Identifier, Literal, Punctuation, Comment, Malformed };

struct Token {
    TokenKind kind;
    std::string text;         // decoded for identifiers and literals, as written otherwise
    size_t offset;            // of the token's first byte in the statement
    std::string problem = {}; // why a Malformed token is malformed
};

// SQL Anywhere reads a backslash in a literal as an escape, so on that side a
// backslash pair is read as one character, and any pair other than a doubled
// backslash is malformed: it would not arrive as the bytes that were sent.
// Oracle reads a backslash as an ordinary character.
std::vector<Token> readStatement(std::string_view statement, Side target);

const char* kindName(TokenKind kind);

// Printable form of arbitrary bytes for failure reports.
std::string printable(std::string_view bytes);

} // namespace tallowmere::fuzz
