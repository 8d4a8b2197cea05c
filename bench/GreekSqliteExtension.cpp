// The program's Greek collation as an extension of the sqlite3 shell, so that the shell
// can write and read a database of the program (its name index needs the collation) in
// the benchmarks: "sqlite3 file -cmd '.load liborva_greek_sqlite'".
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include "logic/core/database/GreekCollation.h"

extern "C" int sqlite3_extension_init(sqlite3* db, char** /*error*/, const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    return RegisterGreekCollation(db) ? SQLITE_OK : SQLITE_ERROR;
}
