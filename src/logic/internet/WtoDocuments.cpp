#include "logic/internet/WtoDocuments.h"

#include "logic/core/text/FieldRules.h"
#include "logic/internet/SubmissionFlow.h"
#include "logic/records/RecordKeys.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString WorkType = u"ΕΡΓ"_s;
const QString RestType = u"ΑΝ"_s;

QJsonArray Analytics(const HoursReading& hours) {
    QJsonArray analytics;
    if (hours.kind == HoursReading::RestDay) {
        analytics.append(
            QJsonObject{{u"f_type"_s, RestType}, {u"f_from"_s, QString()}, {u"f_to"_s, QString()}});
        return analytics;
    }
    for (const WorkInterval& interval : hours.intervals)
        analytics.append(QJsonObject{{u"f_type"_s, WorkType},
                                     {u"f_from"_s, ClockText(interval.from)},
                                     {u"f_to"_s, ClockText(interval.to)}});
    return analytics;
}

QJsonObject EmployeeDay(const PlannedDay& day) {
    return QJsonObject{
        {u"f_afm"_s, day.entry.Eafm.trimmed()},
        {u"f_eponymo"_s, day.surname},
        {u"f_onoma"_s, day.firstName},
        {u"f_date"_s, StoredToScreenDate(day.entry.Kdate)},
        {u"ErgazomenosAnalytics"_s, QJsonObject{{u"ErgazomenosWTOAnalytics"_s, Analytics(day.hours)}}},
    };
}

// Why an entry cannot go; "" when it can.
QString Refusal(const ApiEntry& entry, const HoursReading& hours) {
    if (!entry.hasEmployee)
        return u"Ο εργαζόμενος με ΑΦΜ %1 δεν υπάρχει στο αρχείο εργαζομένων."_s.arg(entry.Eafm.trimmed());
    const QString afm = entry.Eafm.trimmed();
    if (afm.isEmpty() || AfmNeedsWarning(afm))
        return u"Το ΑΦΜ «%1» δεν είναι έγκυρο (ψηφίο ελέγχου)."_s.arg(afm);
    if (!QDate::fromString(entry.Kdate, u"yyyyMMdd"_s).isValid())
        return u"Η ημερομηνία «%1» δεν είναι έγκυρη."_s.arg(entry.Kdate);
    if (!SplitName(entry.Eepon))
        return u"Το ονοματεπώνυμο «%1» δεν έχει όνομα μετά το επώνυμο."_s.arg(entry.Eepon.trimmed());
    if (!BranchNumber(entry.Eypo))
        return u"Το υποκατάστημα «%1» δεν είναι ακέραιος αριθμός."_s.arg(entry.Eypo.trimmed());
    if (!hours.sendable())
        return hours.reason;
    return {};
}

} // namespace

std::optional<std::pair<QString, QString>> SplitName(const QString& eepon) {
    const QString name = eepon.trimmed();
    const qsizetype blank = name.indexOf(u' ');
    if (blank < 0)
        return std::nullopt;
    const QString first = name.mid(blank + 1).trimmed();
    if (first.isEmpty())
        return std::nullopt;
    return std::make_pair(name.left(blank), first);
}

std::optional<int> BranchNumber(const QString& eypo) {
    const double number = LeadingNumber(eypo);
    if (number < 0 || number > 99999 || number != std::floor(number))
        return std::nullopt;
    return int(number);
}

QString WtoDocument::fromDate() const {
    QString first;
    for (const PlannedDay& day : days)
        if (first.isEmpty() || day.entry.Kdate < first)
            first = day.entry.Kdate;
    return StoredToScreenDate(first);
}

QString WtoDocument::toDate() const {
    QString last;
    for (const PlannedDay& day : days)
        if (day.entry.Kdate > last)
            last = day.entry.Kdate;
    return StoredToScreenDate(last);
}

QJsonObject WtoDocument::company() const {
    QJsonArray employees;
    for (const PlannedDay& day : days)
        employees.append(EmployeeDay(day));
    return QJsonObject{
        {u"f_aa_pararthmatos"_s, branch},
        {u"f_rel_protocol"_s, QString()},
        {u"f_rel_date"_s, QString()},
        {u"f_comments"_s, QString()},
        {u"f_from_date"_s, fromDate()},
        {u"f_to_date"_s, toDate()},
        {u"Ergazomenoi"_s, QJsonObject{{u"ErgazomenoiWTO"_s, employees}}},
    };
}

QByteArray WtoDocument::requestBody() const {
    const QJsonObject body{{u"WTOS"_s, QJsonObject{{u"WTO"_s, QJsonArray{company()}}}}};
    return QJsonDocument(body).toJson(QJsonDocument::Compact);
}

int SubmissionPlan::dayCount() const {
    int count = 0;
    for (const WtoDocument& document : documents)
        count += int(document.days.size());
    return count;
}

SubmissionPlan PlanSubmission(const QList<ApiEntry>& entries) {
    SubmissionPlan plan;
    QMap<int, WtoDocument> byBranch;
    for (const ApiEntry& entry : entries) {
        const HoursReading hours = ReadWorkHours(entry.Korario);
        if (const QString reason = Refusal(entry, hours); !reason.isEmpty()) {
            plan.unsendable << UnsendableEntry{entry, reason};
            continue;
        }
        const auto name = SplitName(entry.Eepon);
        const int branch = *BranchNumber(entry.Eypo);
        WtoDocument& document = byBranch[branch];
        document.branch = branch;
        document.days << PlannedDay{entry, name->first, name->second, hours};
    }
    for (WtoDocument& document : byBranch) {
        std::stable_sort(document.days.begin(), document.days.end(),
                         [](const PlannedDay& a, const PlannedDay& b) {
                             const QString afmA = a.entry.Eafm.trimmed();
                             const QString afmB = b.entry.Eafm.trimmed();
                             return afmA != afmB ? afmA < afmB : a.entry.Kdate < b.entry.Kdate;
                         });
        plan.documents << document;
    }
    return plan;
}

QByteArray PlannedCallsJson(const SubmissionPlan& plan) {
    QByteArray json = "[";
    for (qsizetype i = 0; i < plan.documents.size(); ++i) {
        if (i > 0)
            json += ',';
        json += plan.documents.at(i).requestBody();
    }
    return json + "]\n";
}
