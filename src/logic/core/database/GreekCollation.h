#pragma once

#include <QSqlDatabase>
#include <QString>

#include "logic/core/database/SqliteGreekCollation.h"

// The Greek order of names: ICU's collator for Greek. On SQLite it is the collation
// "GREEK", which every connection registers right after it opens (the name index and every
// statement that orders or compares by name use it); on PostgreSQL it is ICU's Greek
// collation "el-GR-x-icu". Names are ordered
// alphabetically with accents and case aside, so that Άννα, ΑΝΝΑ and άννα stand together;
// names that differ only in accents or case follow ICU's order of them, and names that are
// still equal then follow their characters' codes, so that only equal texts compare equal.

// Registers "GREEK" on an open SQLite connection; any other driver needs nothing. False
// when the driver refused it. SqliteGreekCollation.h has the same on a connection of SQLite's
// own (the sqlite3 tool loads it as an extension).
bool RegisterGreekCollation(const QSqlDatabase& db);

// SQLite's own connection under an open SQLite connection of Qt's; null on another driver.
sqlite3* SqliteHandle(const QSqlDatabase& db);

// " Collate GREEK" (SQLite) or " Collate \"el-GR-x-icu\"" (PostgreSQL), to put after a
// column in a statement on that connection.
QString NameCollation(const QSqlDatabase& db);

// The smallest text of the Greek order that a user's search text stands for: without
// accents and diaeresis, in lower case, a final sigma as σ. Every name that is not less
// than the typed text with case and accents aside is not less than it in the Greek order,
// so that "πα", "ΠΑ" and "Πά" find the same first name.
QString NameSearchBound(const QString& text);
