#include "logic/core/services/SystemServices.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

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

bool SystemProcesses::runAndWait(const QString& program, const QStringList& arguments,
                                 const QString& workingFolder, int timeoutMs, QString* errorText) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    process.start();
    limit.start(timeoutMs);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
        if (errorText)
            *errorText = QStringLiteral("Το πρόγραμμα %1 δεν τελείωσε μέσα σε %2 δευτερόλεπτα.")
                             .arg(program)
                             .arg((timeoutMs + 999) / 1000);
        return false;
    }
    if (process.error() == QProcess::FailedToStart) {
        if (errorText)
            *errorText = QStringLiteral("Το πρόγραμμα %1 δεν μπορεί να ξεκινήσει: %2")
                             .arg(program, process.errorString());
        return false;
    }
    return true;
}
