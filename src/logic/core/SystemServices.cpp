#include "logic/core/SystemServices.h"

#include <QFileInfo>
#include <QProcess>

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

bool SystemProcesses::startDetached(const QString& program, const QStringList& arguments,
                                    const QString& workingFolder, QString* errorText) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    if (process.startDetached())
        return true;
    if (errorText) {
        *errorText = QFileInfo::exists(program) ? process.errorString()
                                                : QStringLiteral("Το πρόγραμμα %1 δεν βρέθηκε.").arg(program);
    }
    return false;
}
