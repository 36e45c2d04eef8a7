#include "OdbcResultReading.h"

#include "AdoErrors.h"
#include "AdoType.h"
#include "OdbcText.h"
#include "Snapshot.h"

namespace tallowmere {
namespace {

// A read whole tells its progress after so many rows each time.
constexpr long kReadProgressRows = 1000;

// How a column's values are read: as the driver's text, as bytes, or as the
// approximate number the driver holds.
enum class ValueForm { Text, Binary, Double, Single };

ValueForm formOf(int adoType, bool approximateAsText) {
    if (adoType == adBinary || adoType == adVarBinary || adoType == adLongVarBinary)
        return ValueForm::Binary;
    if (adoType == adDouble && !approximateAsText)
        return ValueForm::Double;
    if (adoType == adSingle && !approximateAsText)
        return ValueForm::Single;
    return ValueForm::Text;
}

SQLLEN numericAttribute(const OdbcHandle& statement, SQLUSMALLINT column, SQLUSMALLINT attribute) {
    SQLLEN value = 0;
    check(SQLColAttribute(statement.get(), column, attribute, nullptr, 0, nullptr, &value),
          statement);
    return value;
}

std::vector<FieldInfo> describeColumns(const OdbcHandle& statement) {
    SQLSMALLINT columns = 0;
    check(SQLNumResultCols(statement.get(), &columns), statement);
    std::vector<FieldInfo> fields;
    fields.reserve(static_cast<size_t>(columns));
    for (SQLUSMALLINT column = 1; column <= columns; ++column) {
        SQLSMALLINT sqlType = 0;
        std::string name = columnName(statement, column, sqlType);
        const bool isUnsigned = numericAttribute(statement, column, SQL_DESC_UNSIGNED) == SQL_TRUE;
        fields.push_back({std::move(name), adoTypeFromSqlType(sqlType, isUnsigned),
                          numericAttribute(statement, column, SQL_DESC_PRECISION),
                          numericAttribute(statement, column, SQL_DESC_SCALE)});
    }
    return fields;
}

} // namespace

std::unique_ptr<Recordset> ReadWholeResult(const OdbcHandle& statement,
                                           const std::atomic<bool>& cancelled,
                                           const ReadingRules& rules) {
    auto snapshot = std::make_unique<Snapshot>(describeColumns(statement));
    std::vector<ValueForm> forms;
    for (const FieldInfo& field : snapshot->fields())
        forms.push_back(formOf(field.adoType, rules.approximateAsText));
    const auto columns = static_cast<SQLUSMALLINT>(forms.size());
    std::u16string wideBuffer;
    std::string text;
    for (;;) {
        if (cancelled)
            throw adoError(AdoError::OperationCancelled);
        if (check(SQLFetch(statement.get()), statement, true) == SQL_NO_DATA)
            break;
        for (SQLUSMALLINT column = 1; column <= columns; ++column) {
            switch (forms[column - 1]) {
            case ValueForm::Binary:
                readBinaryValue(statement, column, text, *snapshot);
                break;
            case ValueForm::Double:
            case ValueForm::Single:
                readApproximateValue(statement, column, forms[column - 1] == ValueForm::Single,
                                     *snapshot);
                break;
            case ValueForm::Text:
                readTextValue(statement, column, wideBuffer, text, *snapshot);
                break;
            }
        }
        snapshot->endRow();
        if (rules.progress && snapshot->rowCount() % kReadProgressRows == 0)
            rules.progress(snapshot->rowCount());
    }
    if (cancelled) // the end of the data may be the cancel's doing
        throw adoError(AdoError::OperationCancelled);
    return std::make_unique<SnapshotRecordset>(std::move(snapshot));
}

} // namespace tallowmere
