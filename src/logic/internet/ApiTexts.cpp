#include "logic/internet/ApiTexts.h"

#include "logic/records/EntrySending.h"
#include "logic/records/RecordKeys.h"

using namespace Qt::StringLiterals;

namespace {

QString EntryHead(const ApiEntry& entry) {
    return StoredToScreenDate(entry.Kdate) + u"  "_s + entry.Eafm.trimmed().leftJustified(9);
}

QString Days(qsizetype count) {
    return count == 1 ? u"1 κίνηση"_s : u"%1 κινήσεις"_s.arg(count);
}

} // namespace

QString PlannedHoursText(const HoursReading& hours) {
    return hours.kind == HoursReading::RestDay ? u"ανάπαυση"_s : hours.sentText();
}

QString PlannedDayText(const PlannedDay& day) {
    return EntryHead(day.entry) + u"  "_s + day.surname + u' ' + day.firstName + u"  "_s +
           PlannedHoursText(day.hours);
}

QString UnsendableText(const UnsendableEntry& entry) {
    QString text = EntryHead(entry.entry);
    if (!entry.entry.Eepon.trimmed().isEmpty())
        text += u"  "_s + entry.entry.Eepon.trimmed();
    return text + u": "_s + entry.reason;
}

QString EarlierText(const EarlierSubmission& earlier) {
    return EntryHead(earlier.day.entry) + u"  "_s + PlannedHoursText(earlier.day.hours) + u": "_s +
           SubmissionSummary(earlier.last);
}

QString PlanSummary(const SubmissionPlan& plan, qsizetype earlier) {
    QStringList sentences;
    if (!plan.empty())
        sentences << u"Θα σταλούν %1 σε %2 (ένα για κάθε υποκατάστημα)."_s.arg(
            Days(plan.dayCount()),
            plan.documents.size() == 1 ? u"1 έντυπο"_s : u"%1 έντυπα"_s.arg(plan.documents.size()));
    // What is held back is counted on its own: "nothing can be sent" would be untrue of entries
    // that were only submitted before.
    if (earlier == 1)
        sentences << u"1 κίνηση έχει ήδη υποβληθεί με το ίδιο ωράριο."_s;
    else if (earlier > 1)
        sentences << u"%1 έχουν ήδη υποβληθεί με το ίδιο ωράριο."_s.arg(Days(earlier));
    if (plan.unsendable.size() == 1)
        sentences << u"1 κίνηση δεν μπορεί να σταλεί."_s;
    else if (plan.unsendable.size() > 1)
        sentences << u"%1 δεν μπορούν να σταλούν."_s.arg(Days(plan.unsendable.size()));
    if (sentences.isEmpty())
        sentences << u"Καμία κίνηση δεν μπορεί να σταλεί."_s;
    return sentences.join(u' ');
}

QStringList PlanLines(const SubmissionPlan& plan, qsizetype earlier) {
    QStringList lines{PlanSummary(plan, earlier)};
    for (const WtoDocument& document : plan.documents) {
        lines << QString()
              << u"Υποκατάστημα %1 (%2, %3 έως %4):"_s.arg(document.branch)
                     .arg(Days(document.days.size()), document.fromDate(), document.toDate());
        for (const PlannedDay& day : document.days)
            lines << u"  "_s + PlannedDayText(day);
    }
    if (!plan.unsendable.isEmpty()) {
        lines << QString() << u"Δεν μπορούν να σταλούν:"_s;
        for (const UnsendableEntry& entry : plan.unsendable)
            lines << u"  "_s + UnsendableText(entry);
    }
    return lines;
}

QString OutcomeStateText(const DocumentOutcome& outcome) {
    switch (outcome.state) {
    case DocumentOutcome::Accepted:
        return u"Πρωτόκολλο %1, υποβολή %2"_s.arg(outcome.protocol, outcome.submitDate);
    case DocumentOutcome::Unknown:
        return u"αβέβαιη"_s;
    case DocumentOutcome::Refused:
        return u"Απορρίφθηκε"_s;
    case DocumentOutcome::NotSent:
        return u"Δεν στάλθηκε"_s;
    case DocumentOutcome::Waiting:
        break;
    }
    return u"Αναμένεται"_s;
}

QString OutcomeText(const WtoDocument& document, const DocumentOutcome& outcome) {
    QString text = u"Υποκατάστημα %1 (%2): %3"_s.arg(document.branch)
                       .arg(Days(document.days.size()), OutcomeStateText(outcome));
    if (outcome.state != DocumentOutcome::Accepted && !outcome.message.isEmpty())
        text += u". "_s + outcome.message;
    return text;
}

QString SubmissionResultText(const ApiSubmission& submission) {
    int accepted = 0;
    for (int i = 0; i < submission.outcomes().size(); ++i)
        if (submission.outcomes().at(i).state == DocumentOutcome::Accepted)
            accepted += int(submission.documents().at(i).days.size());
    QStringList sentences{u"Καταχωρήθηκαν %1."_s.arg(Days(accepted))};
    if (const int refused = submission.count(DocumentOutcome::Refused))
        sentences << u"Η υπηρεσία απέρριψε %1 από τα έντυπα."_s.arg(refused);
    if (const int unknown = submission.count(DocumentOutcome::Unknown))
        sentences
            << u"Για %1 από τα έντυπα δεν ήρθε απάντηση: οι κινήσεις τους σημειώθηκαν «αβέβαιη»· ελέγξτε "
               u"στις e-υπηρεσίες πριν τις στείλετε ξανά."_s.arg(unknown);
    if (const int notSent = submission.count(DocumentOutcome::NotSent))
        sentences << u"%1 από τα έντυπα δεν στάλθηκαν."_s.arg(notSent);
    return sentences.join(u' ');
}

QString UnsendableResultText(qsizetype count) {
    if (count == 0)
        return {};
    return count == 1 ? u"1 κίνηση δεν στάλθηκε: ο λόγος φαίνεται στον πίνακα."_s
                      : u"%1 δεν στάλθηκαν: οι λόγοι φαίνονται στον πίνακα."_s.arg(Days(count));
}
