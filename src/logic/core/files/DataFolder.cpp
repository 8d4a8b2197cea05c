#include "logic/core/files/DataFolder.h"

#include "logic/core/database/Database.h"
#include "logic/core/files/ApplicationRecord.h"
#include "logic/core/files/IniSettings.h"
#include "logic/core/files/ShippedFiles.h"
#include "logic/core/text/FailureText.h"

#include <QDir>
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

} // namespace

QString WriteNewApplicationRecord(const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    file.write(ApplicationRecord::fresh(newInstallationCode()).bytes());
    if (!file.commit())
        return file.errorString();
    return {};
}

QString ChooseDataFolder(const QStringList& arguments, const QString& executableFolder) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--data-dir"));
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

QString PrepareDataFolder(const QString& folder, QString* details) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return QStringLiteral("Ο φάκελος δεδομένων «%1» δεν μπορεί να δημιουργηθεί.\r\nΔιαλέξτε άλλον φάκελο "
                              "(orva --data-dir ΦΑΚΕΛΟΣ) ή ζητήστε από τον διαχειριστή δικαίωμα εγγραφής.")
            .arg(QDir::toNativeSeparators(folder));
    const QString shipped = ShippedFolder();
    if (IsNewDataFolder(folder)) {
        // The shipped files come first and a database that could not be created is removed,
        // so that after a failure the folder is still new at the next start.
        if (shipped.isEmpty())
            return QStringLiteral("Τα αρχεία του προγράμματος (εικόνες, έντυπα, εγχειρίδιο) δεν βρέθηκαν.\r\n"
                                  "Εγκαταστήστε ξανά το πρόγραμμα.");
        if (const QString error = RefreshShippedFiles(shipped, folder); !error.isEmpty())
            return error;
        const QString database = dir.filePath(QStringLiteral("IntTvx.db"));
        if (const QString error = CreateDatabaseFile(database); !error.isEmpty()) {
            QFile::remove(database);
            if (details)
                *details = error;
            return QStringLiteral("Η βάση δεδομένων «%1» δεν μπορεί να δημιουργηθεί.")
                .arg(QDir::toNativeSeparators(database));
        }
        const QString record = dir.filePath(QStringLiteral("Appl.Bt"));
        if (const QString error = WriteNewApplicationRecord(record); !error.isEmpty()) {
            const Failure failure = FileFailure(FileAction::Write, record, error);
            if (details)
                *details = failure.details;
            return failure.text;
        }
    } else if (!shipped.isEmpty() && QFileInfo::exists(dir.filePath(QStringLiteral("Appl.Bt"))) &&
               QFileInfo::exists(dir.filePath(QStringLiteral("IntTvx.db")))) {
        // After an upgrade the folder gets the new notes, manual and forms in place of the
        // copies the program put there. The folder works with its old copies as well: what
        // could not be refreshed is tried again at the next start.
        RefreshShippedFiles(shipped, folder);
    }
    const QString ini = dir.filePath(QStringLiteral("Orva.ini"));
    if (!QFileInfo::exists(ini) && !WriteDefaultSettingsFile(ini))
        return FileFailure(FileAction::Write, ini, {}).text;
    return {};
}
