// What a database's catalogue says of one table beyond its rows: each
// column's declared type and nullability, the primary key, the indexes and
// the foreign keys, as the ODBC catalogue functions answer.
#pragma once

#include <string>
#include <vector>

namespace tallowmere {

struct ColumnDescription {
    std::string name;
    int sqlType = 0;      // the ODBC SQL type, after the source driver's rules
    std::string typeName; // the database's own name for it ("VARCHAR(10)", "int4")
    long size = 0;        // characters, bytes or digits; 0 when none is reported
    long digits = 0;      // a decimal's scale, a timestamp's fraction digits
    bool nullable = true;
};

struct IndexColumn {
    std::string name; // or an expression's text, which names no column
    bool descending = false;
};

struct IndexDescription {
    std::string name;
    bool unique = false;
    std::vector<IndexColumn> columns; // in the index's order
};

struct ForeignKeyDescription {
    std::string name; // empty when the database names none
    std::vector<std::string> columns;
    std::string referencedTable;
};

struct TableDescription {
    std::vector<ColumnDescription> columns; // in the table's order
    std::vector<std::string> primaryKey;    // in the key's order; empty without one
    std::vector<IndexDescription> indexes;  // every index, the key's own among them
    std::vector<ForeignKeyDescription> foreignKeys;
    // Whether a column holds only values of its declared type and size.
    // SQLite's types are affinities: any column holds any value.
    bool typesBoundValues = true;
};

} // namespace tallowmere
