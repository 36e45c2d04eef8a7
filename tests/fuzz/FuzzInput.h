// How one fuzz input becomes the names, values, target side and connection
// values that every statement and connection string is built from.
//
// Layout: the first byte picks the target side (odd: Oracle, even: SQL
// Anywhere). Then come texts, each ended by a backslash and the byte after it
// (a doubled backslash stands for one backslash inside a text; the input's end
// also ends a text): the table name, the new name for a rename, the SID, the
// user name, the password and the data source name. The rest is fields, each a
// name text and a value text whose first byte is the field's kind: 'N' makes
// the value null, and the byte also picks the field's ADO type code.
//
// So a seed can be written as lines that end in a backslash:
//   0EMP\            <- SQL Anywhere side, table EMP
//   EMP2\            <- new name
//   ORCL\ scott\ tiger\ Sales\   (one per line)
//   ENAME\ ISMITH\   <- field ENAME, kind 'I', value SMITH
#pragma once

#include "data_access/ConnectionSettings.h"
#include "data_access/Recordset.h"
#include "transfer/Datatype.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tallowmere::fuzz {

struct FuzzCase {
    Side target = Side::SqlAnywhere;
    std::string table;
    std::string newName;
    ConnectionSettings settings;
    std::vector<FieldInfo> fields;
    std::vector<FieldValue> values; // one per field
};

// More fields add nothing the first few do not already reach.
inline constexpr size_t kMaxFields = 64;

FuzzCase decodeFuzzCase(const uint8_t* data, size_t size);

// The ADO type code a field's kind byte stands for: mostly the codes the
// type table knows, and a few it does not, some of them past 16 bits.
int typeCodeForKind(uint8_t kind);

} // namespace tallowmere::fuzz
