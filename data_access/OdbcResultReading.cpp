#include "OdbcResultReading.h"

#include "AdoErrors.h"
#include "AdoType.h"
#include "OdbcBlockFetch.h"
#include "OdbcText.h"
#include "Snapshot.h"

namespace tallowmere {

std::vector<FieldInfo> DescribeResultColumns(const OdbcHandle& statement,
                                             const ReadingRules& rules) {
    SQLSMALLINT columns = 0;
    check(SQLNumResultCols(statement.get(), &columns), statement);
    std::vector<FieldInfo> fields;
    fields.reserve(static_cast<size_t>(columns));
    for (SQLUSMALLINT column = 1; column <= columns; ++column) {
        SQLSMALLINT sqlType = 0;
        std::string name = columnName(statement, column, sqlType);
        if (rules.binariesByTypeName && sqlType == SQL_VARCHAR)
            sqlType = static_cast<SQLSMALLINT>(
                BinaryTypeNamed(sqlType, columnTypeName(statement, column)));
        const bool isUnsigned = columnAttribute(statement, column, SQL_DESC_UNSIGNED) == SQL_TRUE;
        fields.push_back({std::move(name), adoTypeFromSqlType(sqlType, isUnsigned),
                          columnAttribute(statement, column, SQL_DESC_PRECISION),
                          columnAttribute(statement, column, SQL_DESC_SCALE)});
    }
    return fields;
}

std::vector<ValueForm> ValueFormsOf(const std::vector<FieldInfo>& fields,
                                    const ReadingRules& rules) {
    std::vector<ValueForm> forms;
    for (const FieldInfo& field : fields)
        forms.push_back(ValueFormOf(field.adoType, rules.approximateAsText));
    return forms;
}

std::unique_ptr<Recordset> ReadWholeResult(const OdbcHandle& statement,
                                           const std::atomic<bool>& cancelled,
                                           const ReadingRules& rules) {
    auto snapshot = std::make_unique<Snapshot>(DescribeResultColumns(statement, rules));
    OdbcBlockFetch fetch(statement, ValueFormsOf(snapshot->fields(), rules), rules.binding);
    for (;;) {
        if (cancelled)
            throw adoError(AdoError::OperationCancelled);
        const size_t rows = fetch.nextBlock();
        if (rows == 0)
            break;
        for (size_t row = 0; row < rows; ++row) {
            fetch.appendRow(row, *snapshot);
            if (rules.progress && snapshot->rowCount() % kReadProgressRows == 0)
                rules.progress(snapshot->rowCount());
        }
    }
    if (cancelled) // the end of the data may be the cancel's doing
        throw adoError(AdoError::OperationCancelled);
    return std::make_unique<SnapshotRecordset>(std::move(snapshot));
}

} // namespace tallowmere
