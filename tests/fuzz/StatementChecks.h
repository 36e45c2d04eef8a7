// What each built statement must read back as: every name exactly one
// delimited identifier holding that name, every value exactly one literal
// holding that value (or the bare NULL for a null or empty one), no comment
// anywhere, and no ";" but the one a statement is meant to end with.
//
// Each check returns empty text when the statement holds, otherwise what is
// wrong with it.
#pragma once

#include "data_access/Recordset.h"
#include "transfer/Datatype.h"

#include <string>
#include <string_view>
#include <vector>

namespace tallowmere::fuzz {

std::string checkDropTable(std::string_view statement, const std::string& table);

std::string checkRename(std::string_view statement, Side side, const std::string& oldName,
                        const std::string& newName);

std::string checkCreateTable(std::string_view statement, Side target, const std::string& table,
                             const std::vector<FieldInfo>& fields);

std::string checkInsert(std::string_view statement, Side target, const std::string& table,
                        const std::vector<FieldValue>& values);

// The values as the target keeps them: towards SQL Anywhere a long binary
// value of hexadecimal digits is sent as escapes of its bytes.
std::vector<FieldValue> storedValues(Side target, const std::vector<FieldInfo>& fields,
                                     std::vector<FieldValue> values);

enum class ColumnKind { Text, Integer, Decimal, LongBinary };

// The column a type code must become, from the ADO type families: the
// integer codes are whole numbers, the decimal and numeric codes numbers of
// any scale, long binary stays binary, everything else is text. The code is narrowed to 16 bits
// first.
ColumnKind expectedColumnKind(int adoType);

} // namespace tallowmere::fuzz
