#pragma once

#include <QString>
#include <QStringList>

// The sqlite3 shell beside the benchmarks: what the program's own reads are measured against.

// Runs "sqlite3 -batch database command..." with its output thrown away and returns the
// wall time in milliseconds of the fastest of `runs` runs, or -1 when the shell is missing
// or fails.
double ShellMilliseconds(const QString& database, const QStringList& commands, int runs = 3);
