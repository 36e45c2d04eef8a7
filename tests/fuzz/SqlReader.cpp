#include "SqlReader.h"

#include <cstdio>

namespace tallowmere::fuzz {
namespace {

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool startsWith(std::string_view text, size_t at, std::string_view prefix) {
    return text.substr(at, prefix.size()) == prefix;
}

// The byte of an escape "xHH" at this place, or -1 when there is none.
int hexByte(std::string_view s, size_t at) {
    const auto digit = [](char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    };
    if (at + 2 >= s.size() || (s[at] != 'x' && s[at] != 'X'))
        return -1;
    const int high = digit(s[at + 1]);
    const int low = digit(s[at + 2]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

// From an opening quote to its closing one; a doubled quote stands for one.
Token readQuoted(std::string_view s, size_t& at, Side target) {
    const char quote = s[at];
    const bool literal = quote == '\'';
    const bool backslashEscapes = literal && target == Side::SqlAnywhere;
    Token token{literal ? TokenKind::Literal : TokenKind::Identifier, {}, at};
    ++at;
    while (at < s.size()) {
        const char c = s[at];
        if (c == quote) {
            if (at + 1 < s.size() && s[at + 1] == quote) {
                token.text += quote;
                at += 2;
                continue;
            }
            ++at;
            if (!token.problem.empty())
                token.kind = TokenKind::Malformed;
            return token;
        }
        if (c == '\\' && backslashEscapes) {
            if (at + 1 >= s.size())
                break;
            if (const int byte = hexByte(s, at + 1); byte >= 0) {
                token.text += static_cast<char>(byte);
                at += 4;
                continue;
            }
            if (s[at + 1] != '\\' && token.problem.empty())
                token.problem = "backslash escape other than \\\\ or \\xHH in a literal";
            token.text += s[at + 1];
            at += 2;
            continue;
        }
        token.text += c;
        ++at;
    }
    token.problem = literal ? "unterminated literal" : "unterminated identifier";
    token.kind = TokenKind::Malformed;
    return token;
}

Token readComment(std::string_view s, size_t& at) {
    Token token{TokenKind::Comment, {}, at};
    const bool block = startsWith(s, at, "/*");
    const size_t end = block ? s.find("*/", at + 2) : s.find('\n', at);
    const size_t stop = end == std::string_view::npos ? s.size() : end + (block ? 2 : 1);
    token.text = std::string(s.substr(at, stop - at));
    at = stop;
    return token;
}

} // namespace

std::vector<Token> readStatement(std::string_view s, Side target) {
    std::vector<Token> tokens;
    size_t at = 0;
    while (at < s.size()) {
        const char c = s[at];
        if (isSpace(c)) {
            ++at;
        } else if (c == '"' || c == '\'') {
            tokens.push_back(readQuoted(s, at, target));
        } else if (startsWith(s, at, "--") || startsWith(s, at, "//") || startsWith(s, at, "/*")) {
            // "//" starts a comment on SQL Anywhere; refused on both sides alike.
            tokens.push_back(readComment(s, at));
        } else if (isLetter(c)) {
            const size_t start = at;
            while (at < s.size() && (isLetter(s[at]) || isDigit(s[at])))
                ++at;
            tokens.push_back({TokenKind::Word, std::string(s.substr(start, at - start)), start});
        } else if (isDigit(c)) {
            const size_t start = at;
            while (at < s.size() && isDigit(s[at]))
                ++at;
            tokens.push_back({TokenKind::Number, std::string(s.substr(start, at - start)), start});
        } else if (c == '(' || c == ')' || c == ',' || c == ';') {
            tokens.push_back({TokenKind::Punctuation, std::string(1, c), at});
            ++at;
        } else {
            tokens.push_back({TokenKind::Malformed, std::string(1, c), at,
                              "unexpected character outside quotes"});
            ++at;
        }
    }
    return tokens;
}

const char* kindName(TokenKind kind) {
    switch (kind) {
    case TokenKind::Word:
        return "word";
    case TokenKind::Number:
        return "number";
    case TokenKind::Identifier:
        return "identifier";
    case TokenKind::Literal:
        return "literal";
    case TokenKind::Punctuation:
        return "punctuation";
    case TokenKind::Comment:
        return "comment";
    case TokenKind::Malformed:
        return "malformed";
    }
    return "?";
}

std::string printable(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u == '\\') {
            out += "\\\\";
        } else if (u >= 0x20 && u < 0x7f) {
            out += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", u);
            out += escaped;
        }
    }
    return out;
}

} // namespace tallowmere::fuzz
