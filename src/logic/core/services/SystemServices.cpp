#include "logic/core/services/SystemServices.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

bool SystemProcesses::startDetached(const QString& program, const QStringList& arguments,
                                    const QString& workingFolder, Failure* failure) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    if (process.startDetached())
        return true;
    if (failure)
        *failure = ProgramFailure(program, process.errorString());
    return false;
}

bool SystemProcesses::runAndWait(const QString& program, const QStringList& arguments,
                                 const QString& workingFolder, int timeoutMs, Failure* failure) {
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
        if (failure)
            *failure = {
                QStringLiteral("Το πρόγραμμα «%1» δεν τελείωσε μέσα σε %2 δευτερόλεπτα και σταμάτησε.")
                    .arg(QDir::toNativeSeparators(program))
                    .arg((timeoutMs + 999) / 1000),
                {}};
        return false;
    }
    if (process.error() == QProcess::FailedToStart) {
        if (failure)
            *failure = ProgramFailure(program, process.errorString());
        return false;
    }
    return true;
}
