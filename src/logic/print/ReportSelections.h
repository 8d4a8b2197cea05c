#pragma once

#include <QSqlQuery>
#include <QString>

// The selections of the reports, read from the database without the print engine: the
// command line tells from them whether a report has any line before it loads the engine.

// The selection of the index of schedule entries, as the user typed it: AFM bounds and mask
// (prepared here), dates as "dd/mm/yyyy", sort 0 by date, anything else by AFM.
struct EntryIndexRequest {
    QString afmFrom;
    QString afmTo;
    QString mask;
    QString fromDate;
    QString toDate;
    int sort = 0;
};

// The entries of the request in the report's order, positioned before the first; a query
// that cannot be read has no rows.
QSqlQuery SelectEntryIndexLines(const EntryIndexRequest& request);
