#include "StatementChecks.h"

#include "SqlReader.h"

#include <cstdint>

namespace tallowmere::fuzz {
namespace {

// Walks the tokens of one statement against what they must be; the first
// mismatch is kept as the failure and every later expectation is skipped.
class Expectations {
public:
    Expectations(std::string_view statement, Side target)
        : mStatement(statement)
        , mTokens(readStatement(statement, target)) {
        for (size_t i = 0; i < mTokens.size() && mFailure.empty(); ++i) {
            const Token& token = mTokens[i];
            if (token.kind == TokenKind::Comment)
                fail("comment outside quotes: " + printable(token.text), i);
            else if (token.kind == TokenKind::Malformed)
                fail(token.problem + ": " + printable(token.text), i);
            else if (token.kind == TokenKind::Punctuation && token.text == ";" &&
                     i + 1 != mTokens.size())
                fail("statement separator before the end", i);
        }
    }

    bool ok() const { return mFailure.empty(); }
    const std::string& failure() const { return mFailure; }

    bool word(std::string_view text) { return expect(TokenKind::Word, text, "word"); }
    bool punctuation(char c) {
        return expect(TokenKind::Punctuation, std::string_view(&c, 1), "punctuation");
    }
    bool number(std::string_view digits) { return expect(TokenKind::Number, digits, "number"); }
    bool identifier(const std::string& name) {
        return expect(TokenKind::Identifier, name, "identifier");
    }

    // A non-empty value as one literal, a null or empty one as the bare NULL.
    bool value(const FieldValue& value) {
        if (!value || value->empty())
            return word("NULL");
        return expect(TokenKind::Literal, *value, "literal");
    }

    bool end() {
        if (!ok())
            return false;
        if (mNext != mTokens.size())
            fail("text after the statement's end", mNext);
        return ok();
    }

private:
    bool expect(TokenKind kind, std::string_view text, const char* what) {
        if (!ok())
            return false;
        if (mNext >= mTokens.size()) {
            fail(std::string("statement ends where a ") + what + " " + printable(text) +
                     " should follow",
                 mNext);
            return false;
        }
        const Token& token = mTokens[mNext];
        if (token.kind != kind || token.text != text) {
            fail(std::string("expected ") + what + " " + printable(text) + ", found " +
                     kindName(token.kind) + " " + printable(token.text),
                 mNext);
            return false;
        }
        ++mNext;
        return true;
    }

    void fail(const std::string& what, size_t tokenIndex) {
        if (!mFailure.empty())
            return;
        const size_t offset =
            tokenIndex < mTokens.size() ? mTokens[tokenIndex].offset : mStatement.size();
        mFailure =
            what + " (at byte " + std::to_string(offset) + " of: " + printable(mStatement) + ")";
    }

    std::string_view mStatement;
    std::vector<Token> mTokens;
    size_t mNext = 0;
    std::string mFailure;
};

bool columnClause(Expectations& expect, Side target, const FieldInfo& field) {
    switch (expectedColumnKind(field.adoType)) {
    case ColumnKind::Integer:
        return expect.word("NUMERIC");
    case ColumnKind::Decimal:
        if (target == Side::Oracle)
            return expect.word("NUMBER");
        if (field.precision < 1 || field.precision > 127 || field.scale < 0 ||
            field.scale > field.precision)
            return expect.word("NUMERIC");
        return expect.word("NUMERIC") && expect.punctuation('(') &&
               expect.number(std::to_string(field.precision)) && expect.punctuation(',') &&
               expect.number(std::to_string(field.scale)) && expect.punctuation(')');
    case ColumnKind::LongBinary:
        return expect.word(target == Side::Oracle ? "BLOB" : "OLEOBJECT");
    case ColumnKind::Text:
        break;
    }
    if (target == Side::SqlAnywhere)
        return expect.word("TEXT");
    return expect.word("VARCHAR") && expect.punctuation('(') && expect.number("2000") &&
           expect.punctuation(')');
}

} // namespace

ColumnKind expectedColumnKind(int adoType) {
    switch (static_cast<int16_t>(adoType)) {
    case 14:  // adDecimal
    case 131: // adNumeric
    case 139: // adVarNumeric
        return ColumnKind::Decimal;
    case 2:  // adSmallInt
    case 3:  // adInteger
    case 16: // adTinyInt
    case 17: // adUnsignedTinyInt
    case 18: // adUnsignedSmallInt
    case 19: // adUnsignedInt
    case 20: // adBigInt
    case 21: // adUnsignedBigInt
        return ColumnKind::Integer;
    case 205: // adLongVarBinary
        return ColumnKind::LongBinary;
    default:
        return ColumnKind::Text;
    }
}

std::vector<FieldValue> storedValues(Side target, const std::vector<FieldInfo>& fields,
                                     std::vector<FieldValue> values) {
    if (target != Side::SqlAnywhere)
        return values;
    for (size_t i = 0; i < values.size() && i < fields.size(); ++i) {
        FieldValue& value = values[i];
        if (expectedColumnKind(fields[i].adoType) != ColumnKind::LongBinary || !value ||
            value->size() % 2 != 0 ||
            value->find_first_not_of("0123456789ABCDEFabcdef") != std::string::npos)
            continue;
        std::string bytes;
        for (size_t at = 0; at < value->size(); at += 2)
            bytes += static_cast<char>(std::stoi(value->substr(at, 2), nullptr, 16));
        value = std::move(bytes);
    }
    return values;
}

std::string checkDropTable(std::string_view statement, const std::string& table) {
    Expectations expect(statement, Side::SqlAnywhere);
    expect.word("DROP") && expect.word("TABLE") && expect.identifier(table) && expect.end();
    return expect.failure();
}

std::string checkRename(std::string_view statement, Side side, const std::string& oldName,
                        const std::string& newName) {
    Expectations expect(statement, side);
    if (side == Side::Oracle) {
        expect.word("RENAME") && expect.identifier(oldName) && expect.word("TO") &&
            expect.identifier(newName) && expect.end();
    } else {
        expect.word("ALTER") && expect.word("TABLE") && expect.identifier(oldName) &&
            expect.word("RENAME") && expect.identifier(newName) && expect.punctuation(';') &&
            expect.end();
    }
    return expect.failure();
}

std::string checkCreateTable(std::string_view statement, Side target, const std::string& table,
                             const std::vector<FieldInfo>& fields) {
    Expectations expect(statement, target);
    expect.word("CREATE") && expect.word("TABLE") && expect.identifier(table) &&
        expect.punctuation('(');
    for (size_t i = 0; i < fields.size() && expect.ok(); ++i) {
        if (i > 0)
            expect.punctuation(',');
        expect.identifier(fields[i].name) && columnClause(expect, target, fields[i]);
    }
    expect.punctuation(')');
    if (target == Side::SqlAnywhere)
        expect.punctuation(';');
    expect.end();
    return expect.failure();
}

std::string checkInsert(std::string_view statement, Side target, const std::string& table,
                        const std::vector<FieldValue>& values) {
    Expectations expect(statement, target);
    expect.word("INSERT") && expect.word("INTO") && expect.identifier(table) &&
        expect.word("VALUES") && expect.punctuation('(');
    for (size_t i = 0; i < values.size() && expect.ok(); ++i) {
        if (i > 0)
            expect.punctuation(',');
        expect.value(values[i]);
    }
    expect.punctuation(')');
    expect.end();
    return expect.failure();
}

} // namespace tallowmere::fuzz
