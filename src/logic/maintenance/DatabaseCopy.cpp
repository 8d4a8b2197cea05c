#include "logic/maintenance/DatabaseCopy.h"

#include "logic/core/database/GreekCollation.h"
#include "logic/core/database/ProgramSchema.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// What lies beside a database and belongs to it: the journal of a change in progress, or
// the write-ahead log of committed changes not yet in the file.
const QStringList CompanionSuffixes = {u"-wal"_s, u"-journal"_s};

// Every SQLite 3 database file begins with these 16 bytes.
const QByteArray SqliteHeader("SQLite format 3\0", 16);

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The failure of a write on the volume of folder, in the words a user knows.
FileOutcome writeFailure(int error, const QString& folder) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return FileOutcome::failed(FileOutcome::DiskFull,
                                   u"Ο δίσκος του φακέλου %1 γέμισε: το αντίγραφο δεν χωράει."_s.arg(folder));
    case EFBIG:
        return FileOutcome::failed(FileOutcome::DiskFull,
                                   u"Ο δίσκος του φακέλου %1 δεν δέχεται αρχείο τόσο μεγάλο."_s.arg(folder));
    case EROFS:
        return FileOutcome::failed(FileOutcome::InUse,
                                   u"Ο δίσκος του φακέλου %1 δέχεται μόνο ανάγνωση."_s.arg(folder));
    case EIO:
    case ENODEV:
    case ENXIO:
        return FileOutcome::failed(FileOutcome::Failed,
                                   u"Ο δίσκος του φακέλου %1 δεν απαντά (βγήκε ή χάλασε;). Αιτία: %2"_s.arg(
                                       folder, systemError(error)));
    default:
        return FileOutcome::failed(
            FileOutcome::Failed,
            u"Η εγγραφή του αντιγράφου στον φάκελο %1 απέτυχε: %2"_s.arg(folder, systemError(error)));
    }
}

// Runs work on a connection of its own to the file; the connection is gone afterwards.
QString withConnection(const QString& path, bool readOnly,
                       const std::function<QString(QSqlDatabase&)>& work) {
    static QAtomicInteger<int> counter;
    const QString name = u"orva-file-%1"_s.arg(counter.fetchAndAddRelaxed(1));
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(path);
        if (readOnly)
            db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        // The name index is checked and written in the Greek order of names.
        if (!db.open())
            problem = db.lastError().text();
        else if (!RegisterGreekCollation(db))
            problem = u"Η ελληνική ταξινόμηση των ονομάτων δεν είναι διαθέσιμη."_s;
        else
            problem = work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return problem;
}

bool sameBytes(const QString& first, const QString& second) {
    QFile a(first);
    QFile b(second);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.size() != b.size())
        return false;
    while (!a.atEnd()) {
        if (a.read(CopyChunk) != b.read(CopyChunk))
            return false;
    }
    return b.atEnd();
}

// Flushes the folder itself, so that a rename in it survives a power cut.
void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// Temporary copies left behind by a copy that was cut off (a power cut, a killed program).
void removeStaleCopies(const QDir& folder, const QString& pattern) {
    const QStringList stale = folder.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : stale)
        QFile::remove(folder.filePath(name));
}

// A file the user may not read counts as a file in use.
FileOutcome openForReading(QFile& file) {
    if (file.open(QIODevice::ReadOnly))
        return {};
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isReadable())
        return FileOutcome::failed(FileOutcome::InUse, file.errorString());
    return FileOutcome::failed(FileOutcome::Failed,
                               u"Το αρχείο %1 δεν ανοίγει: %2"_s.arg(file.fileName(), file.errorString()));
}

// Writes the rest of `in` to the descriptor and flushes it to the disk. The writes go
// straight to the system, so that a full disk is known by its own error.
FileOutcome writeAll(QFile& in, int fd, const QString& folder, qint64& done, qint64 total,
                     const CopyProgress& progress) {
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(CopyChunk);
        if (chunk.isEmpty())
            return FileOutcome::failed(FileOutcome::Failed, u"Η ανάγνωση του αρχείου %1 απέτυχε: %2"_s.arg(
                                                                in.fileName(), in.errorString()));
        qsizetype written = 0;
        while (written < chunk.size()) {
            const ssize_t n = ::write(fd, chunk.constData() + written, size_t(chunk.size() - written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return writeFailure(n < 0 ? errno : ENOSPC, folder);
            written += n;
        }
        done += chunk.size();
        if (progress)
            progress(done, total);
    }
    if (::fsync(fd) != 0)
        return writeFailure(errno, folder);
    return {};
}

qint64 fileSize(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() ? info.size() : 0;
}

bool writeAheadMode(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(20);
    // Bytes 18 and 19 are the versions of writing and reading: 2 in write-ahead mode.
    return header.size() == 20 && header.startsWith(SqliteHeader) && (header[18] == 2 || header[19] == 2);
}

// Plays a copied journal or log into the copy and leaves it in the plain journal mode, so
// that the file alone holds every committed change.
QString settle(const QString& path) {
    const QString problem = withConnection(path, false, [](QSqlDatabase& db) -> QString {
        QSqlQuery query(db);
        if (!query.exec(u"Select Count(*) From sqlite_master"_s))
            return query.lastError().text();
        query.finish();
        if (!query.exec(u"PRAGMA journal_mode=DELETE"_s) || !query.next())
            return query.lastError().text();
        if (query.value(0).toString().compare(u"delete"_s, Qt::CaseInsensitive) != 0)
            return u"journal mode %1"_s.arg(query.value(0).toString());
        return {};
    });
    if (!problem.isEmpty())
        return problem;
    QFile::remove(path + u"-shm"_s);
    for (const QString& suffix : CompanionSuffixes) {
        if (fileSize(path + suffix) > 0)
            return u"το αρχείο %1 έμεινε δίπλα στο αντίγραφο"_s.arg(QFileInfo(path + suffix).fileName());
    }
    return {};
}

// The schema check on a file without anything beside it.
FileOutcome checkPlainDatabase(const QString& path) {
    if (const QString problem = IntegrityProblem(path); !problem.isEmpty())
        return FileOutcome::failed(FileOutcome::NotOrvaDatabase,
                                   u"Η βάση δεδομένων είναι κατεστραμμένη: %1"_s.arg(problem));
    const QString gaps =
        withConnection(path, true, [](QSqlDatabase& db) { return FindSchemaGaps(db).text(); });
    if (!gaps.isEmpty())
        return FileOutcome::failed(FileOutcome::NotOrvaDatabase,
                                   u"Η βάση δεδομένων δεν έχει ό,τι χρειάζεται το πρόγραμμα. %1"_s.arg(gaps));
    return {};
}

// The mode the user's new files get.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

struct DatabaseCopy::Temporary {
    explicit Temporary(const QString& templateName) : file(templateName) {}
    ~Temporary() {
        for (const QString& companion : companions)
            QFile::remove(companion);
        if (file.autoRemove())
            QFile::remove(file.fileName() + u"-shm"_s);
    }
    QTemporaryFile file;
    QStringList companions;
};

DatabaseCopy::DatabaseCopy(const QString& source, const QString& target)
    : m_source(source), m_target(target) {}

DatabaseCopy::~DatabaseCopy() = default;

QString DatabaseCopy::path() const {
    return m_temporary ? m_temporary->file.fileName() : QString();
}

FileOutcome DatabaseCopy::write(const CopyProgress& progress) {
    QFile in(m_source);
    if (FileOutcome opened = openForReading(in); !opened.ok())
        return opened;
    const QFileInfo targetInfo(m_target);
    const QDir folder = targetInfo.absoluteDir();
    if (!QFileInfo(folder.path()).isWritable())
        return FileOutcome::failed(FileOutcome::InUse,
                                   u"Ο φάκελος %1 δεν δέχεται εγγραφή."_s.arg(folder.path()));
    removeStaleCopies(folder, u".%1.orva-*"_s.arg(targetInfo.fileName()));

    m_temporary =
        std::make_unique<Temporary>(folder.filePath(u".%1.orva-XXXXXX"_s.arg(targetInfo.fileName())));
    QTemporaryFile& out = m_temporary->file;
    if (!out.open())
        return FileOutcome::failed(FileOutcome::Failed,
                                   u"Το προσωρινό αντίγραφο στο φάκελο %1 δεν δημιουργείται: %2"_s.arg(
                                       folder.path(), out.errorString()));

    QStringList companions;
    qint64 total = in.size();
    for (const QString& suffix : CompanionSuffixes) {
        if (fileSize(m_source + suffix) > 0) {
            companions << suffix;
            total += fileSize(m_source + suffix);
        }
    }
    qint64 done = 0;
    if (progress)
        progress(0, total);
    if (FileOutcome written = writeAll(in, out.handle(), folder.path(), done, total, progress); !written.ok())
        return written;
    in.close();
    out.close();
    for (const QString& suffix : companions) {
        QFile sourceFile(m_source + suffix);
        if (FileOutcome opened = openForReading(sourceFile); !opened.ok())
            return opened;
        const QString copy = out.fileName() + suffix;
        m_temporary->companions << copy;
        const int fd = ::open(QFile::encodeName(copy).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (fd < 0)
            return writeFailure(errno, folder.path());
        const FileOutcome written = writeAll(sourceFile, fd, folder.path(), done, total, progress);
        ::close(fd);
        if (!written.ok())
            return written;
    }

    for (const QString& suffix : QStringList{QString()} + companions) {
        if (!sameBytes(m_source + suffix, out.fileName() + suffix))
            return FileOutcome::failed(
                FileOutcome::Failed,
                u"Το αντίγραφο δεν είναι ίδιο με το αρχείο %1."_s.arg(m_source + suffix));
    }
    // An empty file is an empty database to SQLite: it is copied as it is.
    if (QFileInfo(m_source).size() == 0)
        return {};
    if (!companions.isEmpty() || writeAheadMode(out.fileName())) {
        if (const QString problem = settle(out.fileName()); !problem.isEmpty())
            return FileOutcome::failed(FileOutcome::Failed,
                                       u"Οι αλλαγές που βρίσκονται δίπλα στο αρχείο %1 δεν περνούν στο "
                                       u"αντίγραφο: %2"_s.arg(m_source, problem));
    }
    if (const QString problem = IntegrityProblem(out.fileName()); !problem.isEmpty())
        return FileOutcome::failed(FileOutcome::Failed,
                                   u"Ο έλεγχος ακεραιότητας του αντιγράφου απέτυχε: %1"_s.arg(problem));
    return {};
}

FileOutcome DatabaseCopy::putInPlace(const QString& keepPreviousAs) {
    if (!m_temporary)
        return FileOutcome::failed(FileOutcome::Failed, u"Το αντίγραφο δεν γράφτηκε."_s);
    const QByteArray copy = QFile::encodeName(m_temporary->file.fileName());
    const QByteArray target = QFile::encodeName(m_target);
    // Systems that keep no modes (FAT sticks) or owners (shares) refuse these: the copy
    // keeps what it has there.
    struct stat replaced {};
    const bool replacing = ::stat(target.constData(), &replaced) == 0;
    if (replacing) {
        ::chmod(copy.constData(), replaced.st_mode & 07777);
        if (::geteuid() == 0 && ::chown(copy.constData(), replaced.st_uid, replaced.st_gid) == 0)
            ::chmod(copy.constData(), replaced.st_mode & 07777);
    } else {
        ::chmod(copy.constData(), newFileMode());
    }

    const QByteArray previous = QFile::encodeName(keepPreviousAs);
    if (replacing && !keepPreviousAs.isEmpty()) {
        QFile::remove(keepPreviousAs);
        // A second name for the file being replaced: the target's own name never goes
        // missing. Where links are not allowed, a copy does the same.
        if (::link(target.constData(), previous.constData()) != 0 && !QFile::copy(m_target, keepPreviousAs))
            return FileOutcome::failed(
                FileOutcome::Failed,
                u"Η βάση δεδομένων %1 δεν κρατήθηκε στην άκρη: %2"_s.arg(m_target, systemError(errno)));
    }
    if (std::rename(copy.constData(), target.constData()) != 0) {
        const int error = errno;
        if (!keepPreviousAs.isEmpty())
            QFile::remove(keepPreviousAs);
        const bool denied = error == EACCES || error == EPERM;
        return FileOutcome::failed(
            denied ? FileOutcome::InUse : FileOutcome::Failed,
            u"Το αρχείο %1 δεν αντικαταστάθηκε: %2"_s.arg(m_target, systemError(error)));
    }
    // The temporary name is gone; nothing is left for the temporary file to remove.
    m_temporary->file.setAutoRemove(false);
    syncFolder(QFileInfo(m_target).absolutePath());
    return {};
}

FileOutcome CopyDatabaseFile(const QString& source, const QString& target, const CopyProgress& progress) {
    DatabaseCopy copy(source, target);
    if (FileOutcome written = copy.write(progress); !written.ok())
        return written;
    return copy.putInPlace();
}

QString IntegrityProblem(const QString& path) {
    return withConnection(path, true, [](QSqlDatabase& db) -> QString {
        QSqlQuery check(db);
        if (!check.exec(u"PRAGMA integrity_check"_s))
            return check.lastError().text();
        const QString first = check.next() ? check.value(0).toString() : QString();
        return first == u"ok"_s ? QString() : first;
    });
}

bool HasCompanionFiles(const QString& path) {
    for (const QString& suffix : CompanionSuffixes) {
        if (fileSize(path + suffix) > 0)
            return true;
    }
    return writeAheadMode(path);
}

FileOutcome CheckOrvaDatabase(const QString& path) {
    QFile file(path);
    if (FileOutcome opened = openForReading(file); !opened.ok())
        return opened;
    // SQLite takes an empty or missing file for an empty database: the header decides first.
    if (file.read(SqliteHeader.size()) != SqliteHeader)
        return FileOutcome::failed(FileOutcome::NotOrvaDatabase, u"Δεν είναι αρχείο βάσης δεδομένων."_s);
    file.close();
    if (!HasCompanionFiles(path))
        return checkPlainDatabase(path);
    // The file is whole only with what lies beside it, which a check must not change (the
    // medium may even be read-only): the check reads a settled copy of its own.
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return FileOutcome::failed(FileOutcome::Failed, scratch.errorString());
    DatabaseCopy copy(path, scratch.filePath(u"IntTvx.db"_s));
    if (FileOutcome written = copy.write(); !written.ok()) {
        if (written.kind == FileOutcome::Failed)
            written.kind = FileOutcome::NotOrvaDatabase;
        return written;
    }
    return checkPlainDatabase(copy.path());
}

QString SettleJournal(const QString& path) {
    bool journal = false;
    for (const QString& suffix : CompanionSuffixes)
        journal = journal || QFileInfo::exists(path + suffix);
    if (!journal || !QFileInfo::exists(path))
        return {};
    // The first read of a database with a hot journal rolls the journal back; the last
    // connection to close moves a log into the file.
    const QString problem = withConnection(path, false, [](QSqlDatabase& db) -> QString {
        QSqlQuery query(db);
        if (!query.exec(u"Select Count(*) From sqlite_master"_s))
            return query.lastError().text();
        return {};
    });
    if (!problem.isEmpty())
        return problem;
    // A journal that is still there after a good read was not a hot one (a journal kept
    // for reuse): it holds nothing, and must not meet the file that replaces this one.
    QFile::remove(path + u"-journal"_s);
    if (fileSize(path + u"-wal"_s) > 0)
        return u"το αρχείο %1 έμεινε δίπλα στη βάση δεδομένων"_s.arg(QFileInfo(path + u"-wal"_s).fileName());
    return {};
}
