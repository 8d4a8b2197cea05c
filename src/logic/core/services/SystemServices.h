#pragma once

#include "logic/core/services/Clock.h"
#include "logic/core/services/Processes.h"

class SystemClock : public Clock {
public:
    QDateTime now() const override;
};

class SystemProcesses : public Processes {
public:
    bool startDetached(const QString& program, const QStringList& arguments, const QString& workingFolder,
                       Failure* failure) override;
    bool runAndWait(const QString& program, const QStringList& arguments, const QString& workingFolder,
                    int timeoutMs, Failure* failure) override;
};
