#include "SqliteShell.h"

#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>

double ShellMilliseconds(const QString& database, const QStringList& commands, int runs) {
    double fastest = -1;
    for (int run = 0; run < runs; ++run) {
        QProcess shell;
        shell.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        shell.start(QStringLiteral("sqlite3"), QStringList{QStringLiteral("-batch"), database} + commands);
        if (!shell.waitForFinished(600000) || shell.exitStatus() != QProcess::NormalExit ||
            shell.exitCode() != 0)
            return -1;
        const double elapsed = double(clock.nsecsElapsed()) / 1e6;
        fastest = fastest < 0 ? elapsed : std::min(fastest, elapsed);
    }
    return fastest;
}
