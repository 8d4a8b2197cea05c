#include "logic/internet/SubmissionRecords.h"

#include "logic/core/services/Services.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

QString KeyOf(const QString& afm, const QString& kdate) {
    return afm.trimmed() + u'|' + kdate;
}

// Whether hours kept with a submission are those of the day: the API keeps them as sent,
// the page as typed.
bool SameHours(const QString& kept, const PlannedDay& day) {
    const QString sent = day.hours.sentText();
    if (kept == sent)
        return true;
    const HoursReading earlier = ReadWorkHours(kept);
    return earlier.sendable() && earlier.sentText() == sent;
}

} // namespace

QString SubmissionTime(const QDateTime& time) {
    return time.toString(SubmissionTimeForm);
}

QList<SubmissionRow> ApiSubmissionRows(const WtoDocument& document, const DocumentOutcome& outcome,
                                       const QDateTime& sentAt) {
    QString state;
    if (outcome.state == DocumentOutcome::Accepted)
        state = SubmissionState::Accepted;
    else if (outcome.state == DocumentOutcome::Unknown)
        state = SubmissionState::Unknown;
    else
        return {};
    QList<SubmissionRow> rows;
    rows.reserve(document.days.size());
    for (const PlannedDay& day : document.days)
        rows << SubmissionRow{
            day.entry.Eafm.trimmed(), day.entry.Kdate,    SubmissionWay::Api, state,
            outcome.protocol,         outcome.submitDate, outcome.documentId, day.hours.sentText(),
            SubmissionTime(sentAt),   QString()};
    return rows;
}

DbStatus RecordApiOutcome(const WtoDocument& document, const DocumentOutcome& outcome,
                          const QDateTime& sentAt) {
    const QList<SubmissionRow> rows = ApiSubmissionRows(document, outcome, sentAt);
    return rows.isEmpty() ? DbStatus{} : InsertSubmissions(rows);
}

SubmissionRecorder::SubmissionRecorder(ApiSubmission& submission) {
    connect(&submission, &ApiSubmission::documentFinished, this, [this, &submission](int index) {
        const DbStatus status = RecordApiOutcome(submission.documents().at(index),
                                                 submission.outcomes().at(index), Services::clock().now());
        if (!status.ok())
            failures << status;
    });
}

DbStatus RecordPageSubmission(const QString& afm, const QString& kdate, const QString& korario,
                              const QString& proofPath, const QDateTime& sentAt) {
    return InsertSubmissions(
        {SubmissionRow{afm.trimmed(), kdate, SubmissionWay::Page, SubmissionState::Accepted, QString(),
                       QString(), QString(), korario.trimmed(), SubmissionTime(sentAt), proofPath}});
}

QString ProofFileName(const QString& afm, const QString& kdate, const QDateTime& time, int number) {
    QString name = afm.trimmed() + u'_' + kdate + u'_' + time.toString(u"HHmmss"_s);
    // Only digits and letters go into a file name: the AFM is typed by the user.
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != u'_')
            c = u'-';
    if (number > 1)
        name += u'_' + QString::number(number);
    return name + u".pdf"_s;
}

QList<EarlierSubmission> TakeEarlierSubmissions(SubmissionPlan& plan, DbStatus* status) {
    QString first;
    QString last;
    for (const WtoDocument& document : plan.documents) {
        for (const PlannedDay& day : document.days) {
            if (first.isEmpty() || day.entry.Kdate < first)
                first = day.entry.Kdate;
            last = qMax(last, day.entry.Kdate);
        }
    }
    QList<EarlierSubmission> earlier;
    if (first.isEmpty())
        return earlier;
    QHash<QString, SubmissionRow> latest;
    for (const SubmissionRow& row : SelectSubmissionsBetween(first, last, status))
        latest.insert(KeyOf(row.Eafm, row.Kdate), row);
    if (latest.isEmpty())
        return earlier;
    for (WtoDocument& document : plan.documents) {
        QList<PlannedDay> kept;
        for (const PlannedDay& day : document.days) {
            const auto found = latest.constFind(KeyOf(day.entry.Eafm, day.entry.Kdate));
            if (found != latest.constEnd() && SameHours(found->Shours, day))
                earlier << EarlierSubmission{day, *found};
            else
                kept << day;
        }
        document.days = kept;
    }
    plan.documents.removeIf([](const WtoDocument& document) { return document.days.isEmpty(); });
    return earlier;
}

void ReturnEarlierSubmissions(SubmissionPlan& plan, const QList<EarlierSubmission>& earlier) {
    QList<ApiEntry> entries;
    for (const WtoDocument& document : plan.documents)
        for (const PlannedDay& day : document.days)
            entries << day.entry;
    for (const EarlierSubmission& submission : earlier)
        entries << submission.day.entry;
    const QList<UnsendableEntry> unsendable = plan.unsendable;
    plan = PlanSubmission(entries);
    plan.unsendable = unsendable;
}
