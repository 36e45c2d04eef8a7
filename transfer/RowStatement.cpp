#include "RowStatement.h"

namespace tallowmere {

void appendLiteral(std::string& statement, std::string_view value, Side target) {
    statement += '\'';
    for (char c : value) {
        statement += c;
        if (c == '\'' || (c == '\\' && target == Side::SqlAnywhere))
            statement += c;
    }
    statement += '\'';
}

std::string RowStatement(Side target, const std::string& tableName, const Recordset& row,
                         EventPump& events) {
    std::string statement = "INSERT INTO " + QuoteIdentifier(tableName) + " VALUES(";
    const int fields = row.fieldCount();
    for (int i = 0; i < fields; ++i) {
        events.yield();
        if (i > 0)
            statement += ", ";
        const FieldValue& value = row.value(i);
        if (!value || value->empty())
            statement += "NULL";
        else
            appendLiteral(statement, *value, target);
    }
    statement += ')';
    return statement;
}

} // namespace tallowmere
