#pragma once

#include <QString>
#include <functional>

// Copies of the database file that never leave a half-written file in place of a whole one.

// How a copy or a check ended. InUse is the platform's permission-denied error (a file or
// folder the user may not read or write); Failed carries what went wrong, in Greek.
struct FileOutcome {
    enum Kind { Done, InUse, NotOrvaDatabase, Failed };
    Kind kind = Done;
    QString reason;

    bool ok() const { return kind == Done; }
    static FileOutcome failed(Kind kind, const QString& reason) { return {kind, reason}; }
};

// The number of bytes copied so far and the length of the source.
using CopyProgress = std::function<void(qint64 done, qint64 total)>;

// The chunk in which files are read and written.
constexpr qint64 CopyChunk = 32768;

// Copies source over target so that target is, at every moment, either the old file or the
// whole new one: the copy is written beside target under a temporary name, flushed to the
// disk, compared byte for byte with the source, checked by SQLite's integrity check, and
// only then renamed over target. On any failure target is left as it was and the temporary
// file is removed.
FileOutcome CopyDatabaseFile(const QString& source, const QString& target, const CopyProgress& progress = {});

// "" when the file is an SQLite database that passes the integrity check, else the reason.
QString IntegrityProblem(const QString& path);
// Done when the file is a whole database of the program (the integrity check passes and it
// holds the tables Ergaz, Kins, Param and Company), NotOrvaDatabase with the reason when it
// is not, InUse when it cannot be read.
FileOutcome CheckOrvaDatabase(const QString& path);

// A journal left beside a database by a program that stopped in the middle of a change is
// played back into the database, so that the file alone is whole before it is copied or
// replaced. "" on success, else the reason.
QString SettleJournal(const QString& path);
