#include "logic/internet/BatchSubmission.h"

#include "logic/core/database/ReportStatements.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/core/text/FieldRules.h"
#include "logic/internet/SubmissionFlow.h"
#include "logic/records/RecordKeys.h"

#include <QStringList>

const QString NextEmployeeQuestion = QStringLiteral("Να αποσταλεί ο επόμενος εργαζόμενος;");
const QString BatchTitle = QStringLiteral("Ηλεκτρονική Αποστολή");

namespace {

constexpr int AfmWidth = 14;

bool GoOn() {
    return AskYesNo(BatchTitle, NextEmployeeQuestion, MsgIcon::Information);
}

} // namespace

QStringList BatchEmployees(const BatchSelection& selection, DbStatus* status) {
    const QString from = ScreenToStoredDate(selection.fromDate);
    const QString to = ScreenToStoredDate(selection.toDate);
    QSqlQuery query;
    if (!selection.scrollMarks.isEmpty()) {
        query = SelectEmployeeAfmsWithEntries(from, to, status);
    } else {
        AfmRange range{selection.afmFrom, selection.afmTo, selection.mask};
        PrepareRange(range.from, range.to, range.mask, AfmWidth);
        // Blanks typed around the mask would become part of the Like pattern.
        range.mask = range.mask.trimmed();
        query = SelectEmployeesWithEntries(from, to, range, status);
    }
    QStringList afms;
    while (query.next())
        afms << query.value(0).toString();
    return afms;
}

BatchOutcome
RunBatchSubmission(const BatchSelection& selection,
                   const std::function<void(const SubmissionRequest& entry, const QString& kdate)>& submit) {
    if (Program.Params.IkaCode.trimmed().isEmpty() || Program.Params.IkaPass.trimmed().isEmpty()) {
        ShowMsg(11);
        return BatchOutcome::MissingCredentials;
    }
    const QString from = ScreenToStoredDate(selection.fromDate);
    const QString to = ScreenToStoredDate(selection.toDate);
    DbStatus status;
    const QStringList afms = BatchEmployees(selection, &status);
    if (!status.ok()) {
        ShowDatabaseError(status);
        return BatchOutcome::NothingFound;
    }
    if (afms.isEmpty()) {
        ShowMsg(18);
        return BatchOutcome::NothingFound;
    }
    for (qsizetype n = 0; n < afms.size(); ++n) {
        if (n > 0 && !GoOn())
            return BatchOutcome::Stopped;
        if (!BatchPicks(selection, n))
            continue;
        // Read first: no cursor stays open while a submission window is up.
        QList<SubmissionRequest> requests;
        QStringList dates;
        QSqlQuery entries = SelectEmployeeEntries(afms.at(n), from, to);
        while (entries.next()) {
            requests << SubmissionRequest{entries.value(2).toString(), entries.value(0).toString(),
                                          entries.value(1).toString(), entries.value(3).toString()};
            dates << entries.value(4).toString();
        }
        for (qsizetype k = 0; k < requests.size(); ++k) {
            if (k > 0 && !GoOn())
                return BatchOutcome::Stopped;
            submit(requests.at(k), dates.at(k));
        }
    }
    return BatchOutcome::Finished;
}
