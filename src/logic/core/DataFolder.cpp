#include "logic/core/DataFolder.h"

#include "logic/core/ApplicationRecord.h"
#include "logic/core/Database.h"
#include "logic/core/IniSettings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

QString newInstallationCode() {
    static const char alphabet[] = "ABCDEFGHJKLMNPQRSTUVWXYZ23456789";
    QString code;
    for (int i = 0; i < 5; ++i)
        code += QLatin1Char(alphabet[QRandomGenerator::global()->bounded(int(sizeof alphabet - 1))]);
    return code;
}

QString writeApplicationRecord(const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(ApplicationRecord::fresh(newInstallationCode()).bytes());
    if (!file.commit())
        return file.errorString();
    return {};
}

// The pictures and documents shipped inside the program, copied into a new folder.
QString copyShippedFiles(const QDir& folder) {
    QDirIterator it(QStringLiteral(":/shipped"), QDir::Files);
    while (it.hasNext()) {
        const QFileInfo source(it.next());
        const QString target = folder.filePath(source.fileName());
        if (QFileInfo::exists(target))
            continue;
        if (!QFile::copy(source.filePath(), target))
            return QStringLiteral("Δεν αντιγράφηκε το %1.").arg(target);
        QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    return {};
}

} // namespace

QString ChooseDataFolder(const QStringList& arguments, const QString& executableFolder) {
    const int at = arguments.indexOf(QStringLiteral("--data-dir"));
    if (at >= 0 && at + 1 < arguments.size())
        return QDir(arguments.at(at + 1)).absolutePath();
    for (const QString& argument : arguments) {
        if (argument.startsWith(QLatin1String("--data-dir=")))
            return QDir(argument.mid(int(qstrlen("--data-dir=")))).absolutePath();
    }
    if (QFileInfo::exists(QDir(executableFolder).filePath(QStringLiteral("Appl.Bt"))))
        return QDir(executableFolder).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool IsNewDataFolder(const QString& folder) {
    const QDir dir(folder);
    return !QFileInfo::exists(dir.filePath(QStringLiteral("Appl.Bt"))) &&
           !QFileInfo::exists(dir.filePath(QStringLiteral("IntTvx.db")));
}

QString PrepareDataFolder(const QString& folder) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return QStringLiteral("Ο φάκελος δεδομένων %1 δεν μπορεί να δημιουργηθεί.").arg(folder);
    if (IsNewDataFolder(folder)) {
        // A database that could not be created is removed, so the folder is still new at
        // the next start.
        const QString database = dir.filePath(QStringLiteral("IntTvx.db"));
        if (const QString error = CreateDatabaseFile(database); !error.isEmpty()) {
            QFile::remove(database);
            return error;
        }
        if (const QString error = writeApplicationRecord(dir.filePath(QStringLiteral("Appl.Bt")));
            !error.isEmpty())
            return error;
        if (const QString error = copyShippedFiles(dir); !error.isEmpty())
            return error;
    }
    const QString ini = dir.filePath(QStringLiteral("Orva.ini"));
    if (!QFileInfo::exists(ini) && !WriteDefaultSettingsFile(ini))
        return QStringLiteral("Το αρχείο ρυθμίσεων %1 δεν μπορεί να γραφτεί.").arg(ini);
    return {};
}
