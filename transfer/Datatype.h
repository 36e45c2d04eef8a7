// ADO type names, the column clause each type gets on either target, and the
// table definition statement built from them.
#pragma once

#include "data_access/Recordset.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tallowmere {

enum class Side { SqlAnywhere, Oracle };

// The ADO name of a type code ("adVarChar"), or empty text for any other code.
std::string DataTypeName(int16_t code);

// A decimal column keeps every digit on either side: towards Oracle as its
// unconstrained NUMBER (a bare NUMERIC there has scale 0), towards SQL
// Anywhere with the precision and scale the source reports, where a bare
// NUMERIC would be NUMERIC(30,6). Integer columns stay NUMERIC.
std::string ColumnClauseForOracle(const std::string& typeName);
std::string ColumnClauseForSqlAnywhere(const std::string& typeName, long precision = 0,
                                       long scale = 0);
std::string ColumnClause(Side target, const FieldInfo& field);

// A name as one delimited identifier: between double quotes, each embedded
// double quote doubled so the name can never end the identifier early.
std::string QuoteIdentifier(const std::string& name);

// CREATE TABLE for the target side from the source fields in their order.
std::string CreateTableStatement(Side target, const std::string& tableName,
                                 const std::vector<FieldInfo>& fields);

} // namespace tallowmere
