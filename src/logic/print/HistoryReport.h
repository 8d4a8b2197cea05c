#pragma once

#include "logic/core/database/SubmissionStatements.h"

#include <QString>

class PrintJob;

// The report of the submissions' history, for the history window's print and for
// "orva history": one line per submission, newest first, each leading back to its entry.

constexpr int HistoryReportWidth = 161;

// The way of a submission as the history shows it ("API", "Σελίδα").
QString SubmissionWayText(const QString& way);
// The protocol cell: the protocol, or «αβέβαιη» for a submission without an answer.
QString SubmissionProtocolText(const SubmissionRow& row);
// The user's time of a submission as "dd/mm/yyyy HH:MM".
QString SubmissionSentText(const SubmissionRow& row);

// One line of the report (its suffix included).
QString HistoryReportLine(const SubmissionRow& row, const QString& name);

// Fills the report of the filter; false, leaving the job alone, when no submission qualifies
// or the table cannot be read (*status then says so).
bool FillHistoryReport(PrintJob& job, const SubmissionFilter& filter, DbStatus* status = nullptr);
// The page settings of the filled report: a landscape page of 161 columns at 7.5 points. They
// measure the report font.
void SetHistoryReportPages(PrintJob& job);
// Both, for the history window's print.
bool PrepareHistoryReport(PrintJob& job, const SubmissionFilter& filter, DbStatus* status = nullptr);
