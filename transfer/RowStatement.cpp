#include "RowStatement.h"

namespace tallowmere {

void appendLiteral(std::string& statement, std::string_view value, Side target) {
    const char* doubled = target == Side::SqlAnywhere ? "'\\" : "'";
    statement += '\'';
    size_t start = 0;
    for (size_t at; (at = value.find_first_of(doubled, start)) != std::string_view::npos;
         start = at + 1) {
        statement.append(value, start, at + 1 - start);
        statement += value[at];
    }
    statement.append(value, start);
    statement += '\'';
}

RowStatementBuilder::RowStatementBuilder(Side target, const std::string& tableName)
    : mTarget(target)
    , mStart("INSERT INTO " + QuoteIdentifier(tableName) + " VALUES(") {}

const std::string& RowStatementBuilder::build(const Recordset& row, EventPump& events) {
    mText.assign(mStart);
    const int fields = row.fieldCount();
    for (int i = 0; i < fields; ++i) {
        events.yield();
        if (i > 0)
            mText += ", ";
        const FieldValue& value = row.value(i);
        if (!value || value->empty())
            mText += "NULL";
        else
            appendLiteral(mText, *value, mTarget);
    }
    mText += ')';
    return mText;
}

std::string RowStatement(Side target, const std::string& tableName, const Recordset& row,
                         EventPump& events) {
    RowStatementBuilder builder(target, tableName);
    return builder.build(row, events);
}

} // namespace tallowmere
