// The column types of the tables a copy creates, beside the other SQL texts:
// how a decimal column is sized by its values, and the command line's
// mapping table, from each source column as the catalogue describes it to
// the target's own type.
#pragma once

#include "Recordset.h"
#include "RowArrayInsert.h"
#include "Side.h"
#include "SqlTexts.h"
#include "TableDescription.h"

#include <string>
#include <vector>

namespace tallowmere {

// A decimal column on the target: NUMERIC(precision,scale) towards SQL
// Anywhere (the bare NUMERIC with precision 0), NUMBER towards Oracle, or a
// text column when no number column there holds every value read.
struct DecimalColumn {
    ColumnKind kind = ColumnKind::Decimal;
    long precision = 0;
    long scale = 0;
};
// Sized by the field's reported precision and scale and by every value read
// (FieldInfo::widest): drivers describe decimals in ways not to be trusted.
DecimalColumn DecimalColumnFor(Side target, const FieldInfo& field);

// How a column's type differs from the source's, when it does.
enum class TypeChange {
    None,
    NoEqual,   // the target has no such type: the nearest that holds every value
    Widened,   // the values read are wider than the declared type
    Shortened, // declared longer than the target's text holds: sized by the values
};

struct WholeColumnType {
    std::string type; // "INTEGER", "VARCHAR(10)", "NUMERIC(7,2)"
    BoundForm form = BoundForm::Text;
    TypeChange change = TypeChange::None;
    bool largeObject = false; // a BLOB or CLOB, which Oracle's arrays mishandle
};

// The target's own type for a source column, the values read as `read`.
// typesBoundValues: whether the source's declared types bound their values
// (see DeclaredTypesBoundValues); if not, the values widen them too.
WholeColumnType WholeColumnTypeFor(Side target, const ColumnDescription& column,
                                   const FieldInfo& read, bool typesBoundValues);

// The field as if its values were the widest and longest there can be, and
// some empty: a column whose type for these differs from its type for the
// field as described has a type that hangs on the values read.
FieldInfo WidestValues(const FieldInfo& described);
// Whether a value read as this type can be an empty text (which goes as
// NULL): any but a number, a date or a time.
bool MayBeEmpty(int adoType);

// How a value read as sourceAdoType is bound for a column of a table that
// exists: by the column's type (a date as a date, a double as a double) when
// the value is of that kind, so no session's formats stand between them;
// otherwise as its text, which the database converts or refuses.
BoundForm BoundFormInto(const ColumnDescription& column, int sourceAdoType);
// Whether a column of an Oracle table that exists holds large objects (a long
// text or binary: its CLOB or BLOB); a long type reported no longer than its
// VARCHAR2 holds is a plain text.
bool HoldsLargeObjects(const ColumnDescription& column);

// The mapping table as a person reads it, a row for each kind of source
// column: example source types, and the type each target gives them (two,
// apart by " or ", where the values read decide between them).
struct MappingTableRow {
    std::string source;
    std::string toOracle;
    std::string toSqlAnywhere;
};
std::vector<MappingTableRow> MappingTable();

} // namespace tallowmere
