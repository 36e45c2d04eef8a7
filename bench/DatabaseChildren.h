// The benchmark's work on the databases themselves, each run in a process of
// its own under the ODBC configuration of the pair being measured.
#pragma once

namespace bench {

// make-source CONNECTION ROWS [TABLE...]: the tables (the benchmark's one
// unless named), each of ROWS rows, and the Oracle side's catalogue view
int makeSourceChild(int argc, char** argv);
// make-tables CONNECTION COUNT
int makeTablesChild(char** argv);
// reset CONNECTION [DEFINITION-FILE]: drops the copied table, recreates it empty
int resetChild(int argc, char** argv);
// drop CONNECTION TABLE...: drops the tables named, where they exist
int dropChild(int argc, char** argv);
// empty CONNECTION POSTGRES: deletes every row of the copied table, keeping it
int emptyChild(char** argv);
// check CONNECTION ROWS WIDE TABLE: fails unless the copy holds the source's rows
int checkChild(char** argv);
// limit CONNECTION INSERTS-FILE WIDE
int limitChild(char** argv);
// array-limit SOURCE-CONNECTION TABLE TARGET-CONNECTION WIDE ARRAY-ROWS
int arrayLimitChild(char** argv);

} // namespace bench
