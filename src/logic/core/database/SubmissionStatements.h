#pragma once

#include "logic/core/database/Database.h"

#include <QList>
#include <QSqlQuery>
#include <optional>

// The record of every submission (table Submissions) and the account of the web-services
// API (table ApiLogin). Both tables are made when a database lacks them; no table that is
// there is ever altered.

// One submission of one entry. Kdate is "yyyymmdd"; Ssent the user's time when it was sent,
// "yyyy-mm-dd hh:mm:ss.zzz", so that the text sorts in time.
struct SubmissionRow {
    QString Eafm;
    QString Kdate;
    QString Sway;      // "api" or "page"
    QString Sstate;    // "accepted", or "unknown" when a call went unanswered
    QString Sprotocol; // the API's protocol number; "" for the page
    QString Ssubmit;   // the submit time as the server wrote it
    QString Sdocid;    // the API's document id
    QString Shours;    // the hours as sent
    QString Ssent;
    QString Sproof; // the page's proof PDF, a path under the data folder
    bool operator==(const SubmissionRow&) const = default;
};

// The form of Ssent.
inline const QString SubmissionTimeForm = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");

namespace SubmissionWay {
inline const QString Api = QStringLiteral("api");
inline const QString Page = QStringLiteral("page");
} // namespace SubmissionWay
namespace SubmissionState {
inline const QString Accepted = QStringLiteral("accepted");
inline const QString Unknown = QStringLiteral("unknown");
} // namespace SubmissionState

// Creates the two tables (and their indexes) where they are missing. Returns the error
// text, or "" when they are there.
QString CreateSubmissionTables(const QSqlDatabase& db);

// Stores the rows in one transaction: all of them or none.
DbStatus InsertSubmissions(const QList<SubmissionRow>& rows);

// The last submission of an entry.
std::optional<SubmissionRow> SelectLastSubmission(const QString& afm, const QString& kdate,
                                                  DbStatus* status = nullptr);
// The submissions of the entries between two dates ("yyyymmdd"), oldest first.
QList<SubmissionRow> SelectSubmissionsBetween(const QString& fromDate, const QString& toDate,
                                              DbStatus* status = nullptr);

// What the history lists: an AFM (its beginning), entry dates "yyyymmdd" (either may be
// ""), and a protocol (its beginning).
struct SubmissionFilter {
    QString afm;
    QString fromDate;
    QString toDate;
    QString protocol;
};
// The submissions of the filter, newest first, with the employee's name (columns: those of
// SubmissionRow in its order, then Eepon, "" for an employee no longer in Ergaz).
QSqlQuery SelectSubmissionHistory(const SubmissionFilter& filter, DbStatus* status = nullptr);
SubmissionRow SubmissionFromQuery(const QSqlQuery& query);

// The API user and password of the single ApiLogin row; empty when there is none.
struct ApiAccount {
    QString user;
    QString password;
};
ApiAccount SelectApiAccount(DbStatus* status = nullptr);
DbStatus UpdateApiAccount(const ApiAccount& account);
