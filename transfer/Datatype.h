// ADO type names, the column clause each type gets on either target, and the
// table definition statement built from them.
#pragma once

#include "data_access/Recordset.h"
#include "data_access/Side.h"
#include "data_access/SqlTexts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tallowmere {

// The ADO name of a type code ("adVarChar"), or empty text for any other code.
std::string DataTypeName(int16_t code);

// The column clause by the ADO type name: long binaries, texts ("char"),
// decimals ("dec", "numeric") and integers ("int"), anything else as text.
std::string ColumnClauseForOracle(const std::string& typeName);
std::string ColumnClauseForSqlAnywhere(const std::string& typeName, long precision = 0,
                                       long scale = 0);
// A field's clause. A decimal field's holds its reported precision and scale
// and every value read (FieldInfo::widest); where no number column of the
// target holds the values, it is the text clause and they arrive as text.
std::string ColumnClause(Side target, const FieldInfo& field);

// CREATE TABLE for the target side from the source fields in their order.
std::string CreateTableStatement(Side target, const std::string& tableName,
                                 const std::vector<FieldInfo>& fields);

} // namespace tallowmere
