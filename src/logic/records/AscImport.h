#pragma once

#include "logic/core/database/Database.h"
#include "logic/records/AscFile.h"

#include <QList>
#include <QStringList>
#include <functional>

// What an import did.
struct AscImportResult {
    int added = 0;            // new employees stored
    int present = 0;          // employee lines whose AFM was in the table already (left untouched)
    int skipped = 0;          // employee lines that could not be stored
    QList<int> skippedLines;  // their line numbers, from 1
    QList<int> badAfmLines;   // employee lines whose AFM is not digits only, never stored
    DbStatus firstSkipReason; // why the first of them could not be stored
    DbStatus status;          // a failure of the import as a whole: nothing was stored
};

// Imports the employees of the file's lines that are not in the table yet (branch "0"),
// in one transaction with each line under its own savepoint: a line that cannot be stored
// is counted and the others stay. progress(done, total) is told every few hundred lines
// and at the end.
AscImportResult ImportAscLines(const QStringList& lines,
                               const std::function<void(int done, int total)>& progress = {});
AscImportResult ImportAscLines(const AscLines& lines,
                               const std::function<void(int done, int total)>& progress = {});

// The lines added to the closing message when lines were skipped (could not be stored, or
// carry an AFM that is not digits), naming the first ten of each; "" when none was.
QString SkippedLinesText(const AscImportResult& result);
