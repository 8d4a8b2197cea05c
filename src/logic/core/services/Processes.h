#pragma once

#include <QString>
#include <QStringList>

// Starting outside programs: always a program and a list of arguments, never a shell line.
class Processes {
public:
    virtual ~Processes() = default;
    // Starts the program without waiting for it; false when it could not be started,
    // with the reason in errorText.
    virtual bool startDetached(const QString& program, const QStringList& arguments,
                               const QString& workingFolder, QString* errorText) = 0;
    // Runs the program and waits for it to end, keeping the windows responsive, at most
    // timeoutMs (then it is stopped); false when it could not be started or did not end in
    // time, with the reason in errorText. Its exit code is not judged.
    virtual bool runAndWait(const QString& program, const QStringList& arguments,
                            const QString& workingFolder, int timeoutMs, QString* errorText) = 0;
};
