#pragma once

struct sqlite3;

// Registers the collation "GREEK" (ICU's Greek collator, see GreekCollation.h) on a connection
// of SQLite's own. This part needs SQLite and ICU alone: the sqlite3 tool's loadable extension
// is built from it, so that the tool reads, writes and checks the program's database with the
// same order. False when SQLite refused it.
bool RegisterGreekCollation(sqlite3* handle);
