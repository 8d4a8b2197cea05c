// The program's Greek collation as a loadable extension of the sqlite3 tool, so that the tool
// can write, read and check the program's database, whose name index needs the collation:
//   sqlite3 -cmd '.load /usr/lib/orva/greek' IntTvx.db
// SQLite looks for the entry point named after the file (greek.so: sqlite3_greek_init) and
// for the general one.
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include "logic/core/database/SqliteGreekCollation.h"

namespace {

int registerCollation(sqlite3* db, char** error, const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    if (RegisterGreekCollation(db))
        return SQLITE_OK;
    if (error)
        *error = sqlite3_mprintf("the Greek collation (ICU, el_GR) could not be registered");
    return SQLITE_ERROR;
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) int sqlite3_greek_init(sqlite3* db, char** error,
                                                              const sqlite3_api_routines* api) {
    return registerCollation(db, error, api);
}

__attribute__((visibility("default"))) int sqlite3_extension_init(sqlite3* db, char** error,
                                                                  const sqlite3_api_routines* api) {
    return registerCollation(db, error, api);
}
}
