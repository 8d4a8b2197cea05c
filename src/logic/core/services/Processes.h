#pragma once

#include "logic/core/text/FailureText.h"

#include <QString>
#include <QStringList>

// Starting outside programs: always a program and a list of arguments, never a shell line.
class Processes {
public:
    virtual ~Processes() = default;
    // Starts the program without waiting for it; false when it could not be started,
    // with what to tell the user in failure.
    virtual bool startDetached(const QString& program, const QStringList& arguments,
                               const QString& workingFolder, Failure* failure) = 0;
    // Runs the program and waits for it to end, keeping the windows responsive, at most
    // timeoutMs (then it is stopped); false when it could not be started or did not end in
    // time, with what to tell the user in failure. Its exit code is not judged.
    virtual bool runAndWait(const QString& program, const QStringList& arguments,
                            const QString& workingFolder, int timeoutMs, Failure* failure) = 0;
};
