#pragma once

#include <QString>
#include <functional>
#include <memory>

// Copies of the database file that never leave a half-written file in place of a whole one.

// How a copy or a check ended. InUse is the platform's permission-denied error (a file or
// folder the user may not read or write); DiskFull a target volume without room; Failed
// carries what went wrong, in Greek.
struct FileOutcome {
    enum Kind { Done, InUse, NotOrvaDatabase, DiskFull, Failed };
    Kind kind = Done;
    QString reason;

    bool ok() const { return kind == Done; }
    static FileOutcome failed(Kind kind, const QString& reason) { return {kind, reason}; }
};

// The number of bytes copied so far and the length of the source.
using CopyProgress = std::function<void(qint64 done, qint64 total)>;

// The chunk in which files are read and written.
constexpr qint64 CopyChunk = 32768;

// A whole, checked copy of a database written beside its target under a temporary name, and
// put in the target's place only when asked. The copy is flushed to the disk, compared byte
// for byte with the source and passes SQLite's integrity check. A journal or write-ahead log
// beside the source (changes that are committed, or to be undone, but not yet in the file
// itself) is copied with it and settled into the copy, which then stands alone. A copy that
// is never put in place is removed.
class DatabaseCopy {
public:
    DatabaseCopy(const QString& source, const QString& target);
    ~DatabaseCopy();
    DatabaseCopy(const DatabaseCopy&) = delete;
    DatabaseCopy& operator=(const DatabaseCopy&) = delete;

    FileOutcome write(const CopyProgress& progress = {});
    // The temporary copy, once written.
    QString path() const;
    // Renames the copy over the target. The copy takes the replaced file's mode, and its owner
    // and group where the program may set them; a new file gets the mode the user's files get.
    // With keepPreviousAs, the replaced file stays under that name.
    FileOutcome putInPlace(const QString& keepPreviousAs = {});

private:
    struct Temporary;
    QString m_source;
    QString m_target;
    std::unique_ptr<Temporary> m_temporary;
};

// Copies source over target so that target is, at every moment, either the old file or the
// whole new one (DatabaseCopy written and put in place). On any failure target is left as it
// was and the temporary file is removed.
FileOutcome CopyDatabaseFile(const QString& source, const QString& target, const CopyProgress& progress = {});

// "" when the file is an SQLite database that passes the integrity check, else the reason.
QString IntegrityProblem(const QString& path);
// Done when the file is a whole database of the program (the integrity check passes and it
// holds every table and column the program reads), NotOrvaDatabase with the reason when it
// is not, InUse when it cannot be read.
FileOutcome CheckOrvaDatabase(const QString& path);
// Whether a journal or a write-ahead log lies beside the database, or the file is kept in
// write-ahead mode: such a file is whole only together with what lies beside it.
bool HasCompanionFiles(const QString& path);

// A journal left beside a database by a program that stopped in the middle of a change is
// played back into the database, so that the file alone is whole before it is copied or
// replaced. "" on success, else the reason.
QString SettleJournal(const QString& path);
