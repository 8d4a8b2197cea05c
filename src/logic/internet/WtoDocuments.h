#pragma once

#include "logic/internet/WorkHours.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

// The daily work-time documents (WTODaily) of the web-services API, made from schedule
// entries: one company document per branch, one employee day per entry.

// A schedule entry with its employee, as the API submission reads it.
struct ApiEntry {
    QString Eafm;
    QString Kdate; // "yyyymmdd"
    QString Korario;
    QString Kparat;
    QString Eepon;
    QString Eypo;
    bool hasEmployee = true; // false when the AFM is not in Ergaz
};

// An entry that goes: its employee's names and its hours read.
struct PlannedDay {
    ApiEntry entry;
    QString surname;
    QString firstName;
    HoursReading hours;
};

// One company document: the days of one branch, by AFM and date.
struct WtoDocument {
    int branch = 0;
    QList<PlannedDay> days;

    // The first and the last day of the document, "dd/mm/yyyy".
    QString fromDate() const;
    QString toDate() const;
    QJsonObject company() const;
    // The body of the call that sends this document alone: {"WTOS": {"WTO": [company]}}.
    QByteArray requestBody() const;
};

// An entry that cannot go, and why (in Greek).
struct UnsendableEntry {
    ApiEntry entry;
    QString reason;
};

struct SubmissionPlan {
    QList<WtoDocument> documents; // by branch number
    QList<UnsendableEntry> unsendable;

    int dayCount() const;
    bool empty() const { return documents.isEmpty(); }
};

// Sorts the entries into documents. An entry stays out, with its reason, when its hours
// cannot be read, its AFM fails the check digit, its employee's name has no first name,
// its employee is missing, its branch is no whole number or its date no real day.
SubmissionPlan PlanSubmission(const QList<ApiEntry>& entries);

// Surname and first name of Eepon (surname first, as the import writes it): split at the
// first blank. Nothing when there is no first name.
std::optional<std::pair<QString, QString>> SplitName(const QString& eepon);

// The branch number of Eypo, read as the page's branch list is filled (the leading number;
// 0 when the text does not begin with one). Nothing when that number is not a whole number
// of zero or more.
std::optional<int> BranchNumber(const QString& eypo);

// What a dry run writes: the body of every call the plan would make, in order, as a JSON
// array (each element exactly the bytes of one call).
QByteArray PlannedCallsJson(const SubmissionPlan& plan);
