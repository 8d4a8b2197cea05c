#pragma once

#include "logic/core/database/SubmissionStatements.h"
#include "logic/internet/ApiSubmission.h"
#include "logic/internet/WtoDocuments.h"

#include <QDateTime>
#include <QList>
#include <QObject>

// What is kept of each submission in table Submissions, and what earlier submissions
// mean for entries about to be sent.

// The user's time as a submission row keeps it.
QString SubmissionTime(const QDateTime& time);

// The rows of a document's outcome: one per day, "accepted" with the protocol, or
// "unknown" for a document sent without an answer. A refused document or one never sent
// leaves no row.
QList<SubmissionRow> ApiSubmissionRows(const WtoDocument& document, const DocumentOutcome& outcome,
                                       const QDateTime& sentAt);
DbStatus RecordApiOutcome(const WtoDocument& document, const DocumentOutcome& outcome,
                          const QDateTime& sentAt);

// Keeps each document's outcome in Submissions as soon as the submission has it, timed by
// the clock service. A failure to store is kept for the caller to tell: the server's answer
// is shown all the same. It lives no longer than the submission.
class SubmissionRecorder : public QObject {
    Q_OBJECT
public:
    explicit SubmissionRecorder(ApiSubmission& submission);
    QList<DbStatus> failures;
};

// The page submission of an entry once the site's proof has opened, with the proof kept at
// proofPath.
DbStatus RecordPageSubmission(const QString& afm, const QString& kdate, const QString& korario,
                              const QString& proofPath, const QDateTime& sentAt);

// The name of a page submission's proof in the Proofs folder: AFM, entry date and the time
// it was kept ("090000045_20240315_101502.pdf"), with a number when that name is taken.
QString ProofFileName(const QString& afm, const QString& kdate, const QDateTime& time, int number = 1);

// A day of the plan whose entry was submitted before with the same hours (or sent without
// an answer): it is sent again only when the user says so.
struct EarlierSubmission {
    PlannedDay day;
    SubmissionRow last;
};
// Takes out of the plan the days submitted before with the same hours, and returns them.
QList<EarlierSubmission> TakeEarlierSubmissions(SubmissionPlan& plan, DbStatus* status = nullptr);
// Puts days taken out back into the plan.
void ReturnEarlierSubmissions(SubmissionPlan& plan, const QList<EarlierSubmission>& earlier);
