#include "RowStatement.h"

#include "data_access/AdoType.h"
#include "data_access/SqlTexts.h"

namespace tallowmere {

bool isLongBinary(int adoType) {
    return static_cast<int16_t>(adoType) == adLongVarBinary;
}

RowStatementBuilder::RowStatementBuilder(Side target, const std::string& tableName,
                                         const std::vector<std::string>& columns)
    : mTarget(target)
    , mStart(InsertStart(tableName, columns)) {}

const std::vector<bool>& RowStatementBuilder::escapedFields(const Recordset& row) {
    if (!mEscapedKnown) {
        for (int i = 0; i < row.fieldCount(); ++i)
            mEscaped.push_back(mTarget == Side::SqlAnywhere &&
                               isLongBinary(row.fieldInfo(i).adoType));
        mEscapedKnown = true;
    }
    return mEscaped;
}

const std::string& RowStatementBuilder::build(const Recordset& row, EventPump& events) {
    mText.assign(mStart);
    const std::vector<bool>& escaped = escapedFields(row);
    const int fields = row.fieldCount();
    for (int i = 0; i < fields; ++i) {
        events.yield();
        if (i > 0)
            mText += kInsertValueSeparator;
        const FieldValue& value = row.value(i);
        if (!value || value->empty())
            mText += kInsertNull;
        else if (escaped[size_t(i)])
            appendByteEscapes(mText, *value);
        else
            appendLiteral(mText, *value, mTarget);
    }
    mText += kInsertEnd;
    return mText;
}

std::string RowStatement(Side target, const std::string& tableName, const Recordset& row,
                         EventPump& events) {
    RowStatementBuilder builder(target, tableName);
    return builder.build(row, events);
}

} // namespace tallowmere
