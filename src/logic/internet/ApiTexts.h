#pragma once

#include "logic/internet/ApiSubmission.h"
#include "logic/internet/SubmissionRecords.h"
#include "logic/internet/WtoDocuments.h"

#include <QString>
#include <QStringList>

// The words in which the API submission tells the user what it will send and what became
// of it: the same in the window and on the command line.

// "12/03/2024  123456789  ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ  08:00-12:00, 18:00-22:00" (a rest day as
// "ανάπαυση").
QString PlannedDayText(const PlannedDay& day);
// The hours of a day as the user reads them.
QString PlannedHoursText(const HoursReading& hours);
// "12/03/2024  123456789  ΠΑΠΑΔΟΠΟΥΛΟΣ: reason".
QString UnsendableText(const UnsendableEntry& entry);
// "12/03/2024  123456789: hours, earlier summary".
QString EarlierText(const EarlierSubmission& earlier);

// The count line of the preview: how many days go in how many calls, how many cannot go.
QString PlanSummary(const SubmissionPlan& plan, qsizetype earlier = 0);
// The preview whole, as lines: the count, each day that goes by branch, each that cannot.
QStringList PlanLines(const SubmissionPlan& plan, qsizetype earlier = 0);

// What became of a document: "Υποκατάστημα 0 (31 κινήσεις): πρωτόκολλο ΕΥ1000, υποβολή ...".
QString OutcomeText(const WtoDocument& document, const DocumentOutcome& outcome);
// The state of a document for a table's cell: "Πρωτόκολλο ΕΥ1000", "αβέβαιη", ...
QString OutcomeStateText(const DocumentOutcome& outcome);
// The closing words after the sending: how many were accepted, refused, unknown, not sent.
QString SubmissionResultText(const ApiSubmission& submission);
// After the sending, the entries that stayed out of it: "" when none.
QString UnsendableResultText(qsizetype count);
