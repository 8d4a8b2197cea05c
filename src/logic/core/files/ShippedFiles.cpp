#include "logic/core/files/ShippedFiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>

namespace {

// Whether path lies inside folder (both made canonical, so links do not fool it).
bool isInside(const QString& path, const QString& folder) {
    const QString canonicalPath = QFileInfo(path).canonicalFilePath();
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    return !canonicalPath.isEmpty() && !canonicalFolder.isEmpty() &&
           (canonicalPath == canonicalFolder || canonicalPath.startsWith(canonicalFolder + QLatin1Char('/')));
}

QByteArray checksum(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result().toHex();
}

// Lines "<checksum>  <relative path>", as sha256sum writes them; "#" starts a comment, and
// "# stamp <stamp>" tells what the shipped folder looked like when the record was written.
struct Record {
    QByteArray stamp;
    QMap<QString, QByteArray> files;
};

const QByteArray StampPrefix = QByteArrayLiteral("# stamp ");

Record readRecord(const QString& path) {
    Record record;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return record;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith(StampPrefix))
            record.stamp = line.mid(StampPrefix.size());
        else if (!line.startsWith('#') && line.size() > 66 && line.at(64) == ' ')
            record.files.insert(QString::fromUtf8(line.mid(66)), line.left(64));
    }
    return record;
}

bool writeRecord(const QString& path, const Record& record) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("# Τα αρχεία του προγράμματος σε αυτόν τον φάκελο, όπως τα έφερε το πρόγραμμα. Όσα δεν έχουν\n"
               "# αλλάξει ανανεώνονται με τη νεότερη έκδοσή τους· όσα άλλαξε ο χρήστης μένουν όπως είναι.\n");
    file.write(StampPrefix + record.stamp + '\n');
    for (auto it = record.files.cbegin(); it != record.files.cend(); ++it)
        file.write(it.value() + "  " + it.key().toUtf8() + '\n');
    return file.commit();
}

// The editions of shipped files that releases before the record was kept put into data
// folders, from the list built into the program.
QSet<QString> earlierEditions() {
    QSet<QString> editions;
    QFile list(QStringLiteral(":/shipped/EarlierEditions.sha256"));
    if (!list.open(QIODevice::ReadOnly))
        return editions;
    while (!list.atEnd()) {
        const QByteArray line = list.readLine().trimmed();
        if (!line.startsWith('#') && line.size() > 66)
            editions.insert(QString::fromUtf8(line.mid(66)) + QLatin1Char(' ') +
                            QString::fromLatin1(line.left(64)));
    }
    return editions;
}

// The manual is written anew by every build (its information holds the moment it was made),
// so no list of checksums knows it: a PDF whose information names the program as its maker is
// the program's.
bool madeByTheProgram(const QString& path) {
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    static const QByteArray creator =
        QByteArrayLiteral("/Creator (\xfe\xff") + QByteArray("\0O\0r\0v\0a", 8) + QByteArrayLiteral(")");
    return file.read(4096).contains(creator);
}

// Which shipped files there are, with their sizes and times: an installation that changed
// any of them has another stamp.
QByteArray stampOf(const QDir& shipped, const QStringList& relatives) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& relative : relatives) {
        const QFileInfo info(shipped.filePath(relative));
        hash.addData(relative.toUtf8() + '\t' + QByteArray::number(info.size()) + '\t' +
                     QByteArray::number(info.lastModified().toMSecsSinceEpoch()) + '\n');
    }
    return hash.result().toHex();
}

// Writes the shipped file over the target whole or not at all, writable by its owner (the
// installed files are read-only; the user's copies are the user's to change).
bool copyWhole(const QString& source, const QString& target) {
    QFile from(source);
    QSaveFile to(target);
    if (!from.open(QIODevice::ReadOnly) || !to.open(QIODevice::WriteOnly))
        return false;
    while (!from.atEnd()) {
        const QByteArray block = from.read(1 << 20);
        if (block.isEmpty() || to.write(block) != block.size())
            return false;
    }
    if (!to.commit())
        return false;
    return QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

} // namespace

QString ShippedFolderFor(const QString& executableFolder) {
    if (isInside(executableFolder, QStringLiteral(ORVA_BUILD_TREE)))
        return QFileInfo(QStringLiteral(ORVA_BUILD_SHIPPED_DIR)).isDir()
                   ? QStringLiteral(ORVA_BUILD_SHIPPED_DIR)
                   : QString();
    const QString beside = QDir(executableFolder).filePath(QStringLiteral(ORVA_SHIPPED_FROM_BIN));
    if (QFileInfo(beside).isDir())
        return QDir::cleanPath(beside);
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("orva"),
                                  QStandardPaths::LocateDirectory);
}

QString ShippedFolder() {
    return ShippedFolderFor(QCoreApplication::applicationDirPath());
}

QString RefreshShippedFiles(const QString& shippedFolder, const QString& dataFolder) {
    const QDir from(shippedFolder);
    const QDir to(dataFolder);
    QStringList relatives;
    QDirIterator it(shippedFolder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        relatives << from.relativeFilePath(it.next());
    relatives.sort();

    const QString recordPath = to.filePath(ShippedRecordFile);
    const bool kept = QFileInfo::exists(recordPath);
    Record record = readRecord(recordPath);
    const QByteArray stamp = stampOf(from, relatives);
    if (kept && record.stamp == stamp)
        return {};

    const QSet<QString> editions = kept ? QSet<QString>() : earlierEditions();
    QString error;
    for (const QString& relative : relatives) {
        const QString source = from.filePath(relative);
        const QString target = to.filePath(relative);
        const QByteArray shipped = checksum(source);
        if (shipped.isEmpty()) {
            error = QStringLiteral("Το αρχείο %1 του προγράμματος δεν διαβάζεται.").arg(source);
            continue;
        }
        const bool recorded = record.files.contains(relative);
        bool replace = false;
        if (!QFileInfo::exists(target)) {
            replace = !recorded;
        } else {
            const QByteArray present = checksum(target);
            if (present == shipped) {
                record.files.insert(relative, shipped);
                continue;
            }
            replace = recorded
                          ? present == record.files.value(relative)
                          : editions.contains(relative + QLatin1Char(' ') + QString::fromLatin1(present)) ||
                                (!kept && madeByTheProgram(target));
        }
        if (!replace)
            continue;
        if (!to.mkpath(QFileInfo(relative).path()) || !copyWhole(source, target)) {
            error = QStringLiteral("Δεν αντιγράφηκε το %1 στο %2.").arg(source, target);
            continue;
        }
        record.files.insert(relative, shipped);
    }
    // Only a whole pass is remembered: what failed is tried again at the next start.
    record.stamp = error.isEmpty() ? stamp : QByteArray();
    if (!writeRecord(recordPath, record) && error.isEmpty())
        error = QStringLiteral("Το αρχείο %1 δεν μπορεί να γραφτεί.").arg(recordPath);
    return error;
}
