#include "logic/maintenance/DatabaseCopy.h"

#include "logic/core/database/GreekCollation.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
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

// Writes the whole source into the open temporary file and flushes it to the disk.
FileOutcome writeCopy(QFile& in, QFile& out, const CopyProgress& progress) {
    const qint64 total = in.size();
    qint64 done = 0;
    if (progress)
        progress(0, total);
    while (done < total) {
        const QByteArray chunk = in.read(qMin(CopyChunk, total - done));
        if (chunk.isEmpty())
            return FileOutcome::failed(FileOutcome::Failed, u"Η ανάγνωση του αρχείου %1 απέτυχε: %2"_s.arg(
                                                                in.fileName(), in.errorString()));
        if (out.write(chunk) != chunk.size())
            return FileOutcome::failed(FileOutcome::Failed,
                                       u"Η εγγραφή του αντιγράφου απέτυχε: %1"_s.arg(out.errorString()));
        done += chunk.size();
        if (progress)
            progress(done, total);
    }
    if (!out.flush() || ::fsync(out.handle()) != 0)
        return FileOutcome::failed(FileOutcome::Failed,
                                   u"Το αντίγραφο δεν γράφτηκε στο δίσκο: %1"_s.arg(systemError()));
    return {};
}

} // namespace

FileOutcome CopyDatabaseFile(const QString& source, const QString& target, const CopyProgress& progress) {
    QFile in(source);
    if (FileOutcome opened = openForReading(in); !opened.ok())
        return opened;
    const QFileInfo targetInfo(target);
    const QDir folder = targetInfo.absoluteDir();
    if (!QFileInfo(folder.path()).isWritable())
        return FileOutcome::failed(FileOutcome::InUse,
                                   u"Ο φάκελος %1 δεν δέχεται εγγραφή."_s.arg(folder.path()));
    const QString stalePattern = u".%1.orva-*"_s.arg(targetInfo.fileName());
    removeStaleCopies(folder, stalePattern);

    QTemporaryFile out(folder.filePath(u".%1.orva-XXXXXX"_s.arg(targetInfo.fileName())));
    if (!out.open())
        return FileOutcome::failed(FileOutcome::Failed,
                                   u"Το προσωρινό αντίγραφο στο φάκελο %1 δεν δημιουργείται: %2"_s.arg(
                                       folder.path(), out.errorString()));
    if (FileOutcome written = writeCopy(in, out, progress); !written.ok())
        return written;
    in.close();
    out.close();

    if (!sameBytes(source, out.fileName()))
        return FileOutcome::failed(FileOutcome::Failed,
                                   u"Το αντίγραφο δεν είναι ίδιο με το αρχείο %1."_s.arg(source));
    // An empty file is an empty database to SQLite: it is copied as it is.
    if (QFileInfo(source).size() > 0) {
        if (const QString problem = IntegrityProblem(out.fileName()); !problem.isEmpty())
            return FileOutcome::failed(FileOutcome::Failed,
                                       u"Ο έλεγχος ακεραιότητας του αντιγράφου απέτυχε: %1"_s.arg(problem));
    }
    if (std::rename(QFile::encodeName(out.fileName()).constData(), QFile::encodeName(target).constData()) !=
        0) {
        const bool denied = errno == EACCES || errno == EPERM;
        return FileOutcome::failed(denied ? FileOutcome::InUse : FileOutcome::Failed,
                                   u"Το αρχείο %1 δεν αντικαταστάθηκε: %2"_s.arg(target, systemError()));
    }
    // The temporary name is gone; nothing is left for the temporary file to remove.
    out.setAutoRemove(false);
    syncFolder(folder.path());
    return {};
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

FileOutcome CheckOrvaDatabase(const QString& path) {
    QFile file(path);
    if (FileOutcome opened = openForReading(file); !opened.ok())
        return opened;
    // SQLite takes an empty or missing file for an empty database: the header decides first.
    if (file.read(16) != QByteArray("SQLite format 3\0", 16))
        return FileOutcome::failed(FileOutcome::NotOrvaDatabase, u"Δεν είναι αρχείο βάσης δεδομένων."_s);
    file.close();
    if (const QString problem = IntegrityProblem(path); !problem.isEmpty())
        return FileOutcome::failed(FileOutcome::NotOrvaDatabase,
                                   u"Η βάση δεδομένων είναι κατεστραμμένη: %1"_s.arg(problem));
    const QString missing = withConnection(path, true, [](QSqlDatabase& db) -> QString {
        QStringList tables;
        for (const QString& table : db.tables())
            tables << table.toLower();
        QStringList missing;
        for (const QString& wanted : {u"Ergaz"_s, u"Kins"_s, u"Param"_s, u"Company"_s}) {
            if (!tables.contains(wanted.toLower()))
                missing << wanted;
        }
        return missing.join(u", "_s);
    });
    if (!missing.isEmpty())
        return FileOutcome::failed(
            FileOutcome::NotOrvaDatabase,
            u"Η βάση δεδομένων δεν έχει τους πίνακες του προγράμματος (λείπουν: %1)."_s.arg(missing));
    return {};
}

QString SettleJournal(const QString& path) {
    const bool journal = QFileInfo::exists(path + u"-journal"_s) || QFileInfo::exists(path + u"-wal"_s);
    if (!journal || !QFileInfo::exists(path))
        return {};
    // The first read of a database with a hot journal rolls the journal back.
    return withConnection(path, false, [](QSqlDatabase& db) -> QString {
        QSqlQuery query(db);
        if (!query.exec(u"Select Count(*) From sqlite_master"_s))
            return query.lastError().text();
        return {};
    });
}
