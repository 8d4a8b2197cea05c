#include "logic/core/services/WaitSeconds.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

void WaitSeconds(int seconds) {
    QElapsedTimer clock;
    clock.start();
    const qint64 wanted = qint64(seconds) * 1000;
    for (int round = 1; clock.elapsed() < wanted; ++round) {
        // A short sleep per round keeps the wait from spinning a processor at full load.
        QThread::msleep(1);
        if (round % 40 == 0)
            QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents();
}
