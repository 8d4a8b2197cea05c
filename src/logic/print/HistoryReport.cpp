#include "logic/print/HistoryReport.h"

#include "logic/core/database/SqlExec.h"
#include "logic/print/IndexReports.h"
#include "logic/print/PrintJob.h"
#include "logic/records/RecordKeys.h"

#include <QDateTime>

using namespace Qt::StringLiterals;

namespace {

const QString ReportCompany = u"Tavrinex SA"_s;
const QString Heading = u"Αποστολή        |Κίνηση    |Α.Φ.Μ.        |Ονοματεπώνυμο                 |Τρόπος|"
                        u"Πρωτόκολλο          |Υποβολή         |Ωράριο"_s;

QString Cell(const QString& text, int width) {
    return text.left(width).leftJustified(width, u' ') + u' ';
}

// Line breaks of typed hours print as two blanks, as in the index of entries.
QString OneLine(const QString& text) {
    QString line = text;
    line.replace(u"\r\n"_s, u"  "_s).replace(u'\r', u"  "_s).replace(u'\n', u"  "_s);
    return line;
}

QString DateRange(const SubmissionFilter& filter) {
    if (filter.fromDate.isEmpty() && filter.toDate.isEmpty())
        return {};
    return u" (Από:%1 Εως %2)"_s.arg(StoredToScreenDate(filter.fromDate), StoredToScreenDate(filter.toDate));
}

} // namespace

QString SubmissionWayText(const QString& way) {
    return way == SubmissionWay::Api ? u"API"_s : u"Σελίδα"_s;
}

QString SubmissionProtocolText(const SubmissionRow& row) {
    return row.Sstate == SubmissionState::Unknown ? u"αβέβαιη"_s : row.Sprotocol;
}

QString SubmissionSentText(const SubmissionRow& row) {
    const QDateTime sent = QDateTime::fromString(row.Ssent, SubmissionTimeForm);
    return sent.isValid() ? sent.toString(u"dd/MM/yyyy HH:mm"_s) : row.Ssent;
}

QString HistoryReportLine(const SubmissionRow& row, const QString& name) {
    const QString text = Cell(SubmissionSentText(row), 16) + Cell(StoredToScreenDate(row.Kdate), 10) +
                         Cell(row.Eafm, 14) + Cell(name.trimmed(), 30) +
                         Cell(SubmissionWayText(row.Sway), 6) + Cell(SubmissionProtocolText(row), 20) +
                         Cell(row.Ssubmit, 16) + OneLine(row.Shours);
    return text.leftJustified(HistoryReportWidth, u' ', true) + u"2    "_s;
}

bool FillHistoryReport(PrintJob& job, const SubmissionFilter& filter, DbStatus* status) {
    DbStatus read;
    QSqlQuery query = SelectSubmissionHistory(filter, &read);
    ReportStatus(status, read);
    if (!read.ok() || !query.next())
        return false;
    job.InitTitles(u"Ergaz     Kins"_s, u"Εργ/μενος Κίνηση"_s);
    do {
        const SubmissionRow row = SubmissionFromQuery(query);
        job.PutLine(HistoryReportLine(row, query.value(10).toString()), EntryIndexKeys(row.Eafm, row.Kdate));
    } while (query.next());
    job.FixTitles(u"Ιστορικό Υποβολών"_s + DateRange(filter), 0, 0);
    job.FixTitles(QString(HistoryReportWidth, u' ') + u'|', 1, 1);
    job.FixTitles(Heading.leftJustified(HistoryReportWidth, u' ') + u'|', 2, 1);
    return true;
}

void SetHistoryReportPages(PrintJob& job) {
    job.Initprint(HistoryReportWidth, 3, 7.5, 0, true, true, false, {}, ReportCompany, {});
}

bool PrepareHistoryReport(PrintJob& job, const SubmissionFilter& filter, DbStatus* status) {
    if (!FillHistoryReport(job, filter, status))
        return false;
    SetHistoryReportPages(job);
    return true;
}
