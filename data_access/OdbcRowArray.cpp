#include "OdbcRowArray.h"

#include "AdoErrors.h"
#include "DriverRules.h"
#include "OdbcText.h"

#include <sqlext.h>

#include <algorithm>
#include <cstddef>
#include <stdexcept>

namespace tallowmere {

OdbcRowArray::OdbcRowArray(const OdbcHandle& connection, const std::string& statement,
                           const std::vector<BoundForm>& forms, size_t arrayRows,
                           size_t rowsPerExecution, ExecutionGate gate)
    : mStatement(SQL_HANDLE_STMT, connection.get())
    , mGate(std::move(gate))
    , mEncoded(forms.size())
    , mCapacity(std::max<size_t>(arrayRows, 1))
    , mRowsPerExecution(std::clamp<size_t>(rowsPerExecution, 1, mCapacity)) {
    mStatement.setNarrow(connection.narrow());
    const std::string driver = driverName(connection);
    for (BoundForm form : forms) {
        if (form == BoundForm::Timestamp && CutsTimestampFractions(driver))
            form = BoundForm::Text;
        mEncoders.emplace_back(form, connection.narrow(), TakesLongBinaryAsVarBinary(driver));
        mColumns.emplace_back(mEncoders.back().fixedWidth());
    }
    const bool anyBinary = std::any_of(mEncoders.begin(), mEncoders.end(),
                                       [](const ParameterEncoder& e) { return e.binary(); });
    if (anyBinary && CutsBinaryArrays(driver))
        mRowsPerExecution = 1;
    mStatuses.resize(mRowsPerExecution);
    prepareStatement(mStatement, statement);
    setAttribute(SQL_ATTR_PARAM_BIND_TYPE, reinterpret_cast<SQLPOINTER>(SQL_PARAM_BIND_BY_COLUMN));
    setAttribute(SQL_ATTR_PARAM_STATUS_PTR, mStatuses.data());
    setAttribute(SQL_ATTR_PARAMS_PROCESSED_PTR, &mProcessed);
}

void OdbcRowArray::setAttribute(SQLINTEGER attribute, SQLPOINTER value) {
    check(SQLSetStmtAttr(mStatement.get(), attribute, value, 0), mStatement);
}

bool OdbcRowArray::addRow(const Recordset& row) {
    if (static_cast<size_t>(row.fieldCount()) != mColumns.size())
        throw std::invalid_argument("The row's fields are not those the INSERT was prepared for.");
    if (mRows == mCapacity)
        return false;
    size_t bytes = 0;
    for (size_t i = 0; i < mColumns.size(); ++i) {
        mEncoded[i] = mEncoders[i].encode(row.value(static_cast<int>(i)));
        bytes += mColumns[i].bytesWith(mEncoded[i] ? mEncoded[i]->size() : 0);
    }
    if (mRows > 0 && bytes > kRowArrayBudget)
        return false;
    for (size_t i = 0; i < mColumns.size(); ++i) {
        if (mEncoded[i])
            mColumns[i].append(*mEncoded[i]);
        else
            mColumns[i].appendNull();
    }
    ++mRows;
    return true;
}

void OdbcRowArray::bindAt(size_t first, size_t count) {
    // Bound afresh each time: PostgreSQL's driver otherwise keeps the types it
    // chose for a binary at the first execution and refuses the next one.
    check(SQLFreeStmt(mStatement.get(), SQL_RESET_PARAMS), mStatement);
    for (size_t i = 0; i < mColumns.size(); ++i) {
        ParameterColumn& column = mColumns[i];
        const ParameterEncoder& encoder = mEncoders[i];
        check(SQLBindParameter(mStatement.get(), static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT,
                               encoder.cType(), encoder.sqlType(column.widest()),
                               encoder.columnSize(column.widest()), encoder.decimalDigits(),
                               column.slot(first), static_cast<SQLLEN>(column.width()),
                               column.length(first)),
              mStatement);
    }
    setAttribute(SQL_ATTR_PARAMSET_SIZE, reinterpret_cast<SQLPOINTER>(count));
}

// A driver that carries on past a failing row may say so only in that row's
// status, returning SQL_SUCCESS_WITH_INFO for the execution.
bool OdbcRowArray::anyRowFailed(size_t count) const {
    const size_t processed = std::min<size_t>(mProcessed, count);
    return std::any_of(mStatuses.begin(),
                       mStatuses.begin() + static_cast<std::ptrdiff_t>(processed),
                       [](SQLUSMALLINT status) { return status == SQL_PARAM_ERROR; });
}

void OdbcRowArray::execute(size_t first, size_t count) {
    bindAt(first, count);
    // Drivers that do not report each row leave these as they were.
    std::fill(mStatuses.begin(), mStatuses.end(), SQL_PARAM_UNUSED);
    mProcessed = 0;
    try {
        mGate(mStatement.get(), [&] { check(SQLExecute(mStatement.get()), mStatement, true); });
        if (anyRowFailed(count))
            check(SQL_ERROR, mStatement); // raises the diagnostics the driver left
    } catch (...) {
        SQLFreeStmt(mStatement.get(), SQL_CLOSE);
        throw;
    }
}

void OdbcRowArray::executeAll() {
    for (size_t first = 0; first < mRows; first += mRowsPerExecution)
        execute(first, std::min(mRowsPerExecution, mRows - first));
}

void OdbcRowArray::executeRow(size_t index) {
    if (index >= mRows)
        throw adoError(AdoError::NoCurrentRecord);
    execute(index, 1);
}

void OdbcRowArray::clear() {
    for (ParameterColumn& column : mColumns)
        column.clear();
    mRows = 0;
}

} // namespace tallowmere
