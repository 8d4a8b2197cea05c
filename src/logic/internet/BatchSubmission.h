#pragma once

#include "logic/core/database/Database.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/internet/SubmissionFlow.h"

#include <QString>
#include <QStringList>
#include <functional>

// What the employee selection hands to the batch submission: the date range as on screen
// ("dd/mm/yyyy"), the tax-number range and mask as typed, and the pick list's marks ("" when
// the user picked nobody individually; otherwise one "1"/"0" per employee of the list).
using BatchSelection = SendSelection;

// The employees of the batch in name order: all with entries in the range when the user
// picked from the list (the marks follow that list: the caller applies them), otherwise
// those inside the AFM range and mask as well.
QStringList BatchEmployees(const BatchSelection& selection, DbStatus* status = nullptr);
// Whether the n-th employee of that list is to be sent.
inline bool BatchPicks(const BatchSelection& selection, qsizetype n) {
    return selection.scrollMarks.isEmpty() || selection.scrollMarks.mid(n, 1) == QLatin1String("1");
}

enum class BatchOutcome { MissingCredentials, NothingFound, Finished, Stopped };

// The question asked before every further entry and every further employee.
extern const QString NextEmployeeQuestion;
extern const QString BatchTitle;

// Submits every schedule entry of the selected employees in the date range, one after the
// other: submit() hands each entry, with its date ("yyyymmdd"), to the submission window and returns when it
// closes. Before every further entry of an employee, and before every further employee row (picked or not),
// the user is asked whether to go on; No ends the batch. Missing e-services credentials show message 11, no
// employee message 18.
BatchOutcome
RunBatchSubmission(const BatchSelection& selection,
                   const std::function<void(const SubmissionRequest& entry, const QString& kdate)>& submit);
