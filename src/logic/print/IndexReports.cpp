#include "logic/print/IndexReports.h"

#include "logic/core/database/ReportStatements.h"
#include "logic/core/text/FieldRules.h"
#include "logic/print/PrintJob.h"
#include "logic/records/RecordKeys.h"
#include "logic/records/RecordPrinting.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace Qt::StringLiterals;

namespace {
constexpr int AfmWidth = 14;
const QString ReportCompany = u"Tavrinex SA"_s;

QString Padded(const QString& text, int width) {
    return text.leftJustified(width, u' ', true);
}

// "dd/mm/yyyy" as stored, "yyyymmdd".
QString StoredDate(const QString& screenDate) {
    return screenDate.mid(6, 4) + screenDate.mid(3, 2) + screenDate.left(2);
}
} // namespace

QString EntryIndexEntryLine(const QString& kdate, const QString& afm, const QString& name) {
    const QString text = StoredToScreenDate(kdate) + u' ' + Padded(afm, 15) + Padded(name, 31);
    return Padded(text, EntryIndexWidth) + u"2    "_s;
}

QString EntryIndexTextLine(const QString& text) {
    // The entry form stores a typed line break as a bare LF; older data may hold CR LF or CR.
    static const QRegularExpression lineBreak(u"\r\n|\r|\n"_s);
    QString oneLine = text;
    oneLine.replace(lineBreak, u"  "_s);
    return Padded(QString(11, u' ') + oneLine, EntryIndexWidth) + u"1    "_s;
}

QString EntryIndexKeys(const QString& afm, const QString& kdate) {
    return Padded(afm, PrintJob::KeyFieldWidth) + EntryKey(afm, StoredToScreenDate(kdate));
}

bool FillEntryIndex(PrintJob& job, const EntryIndexRequest& request) {
    AfmRange afms{request.afmFrom, request.afmTo, request.mask};
    PrepareRange(afms.from, afms.to, afms.mask, AfmWidth);
    afms.mask = afms.mask.trimmed();
    QSqlQuery query = SelectEntryIndex(afms, StoredDate(request.fromDate), StoredDate(request.toDate),
                                       request.sort != 0 ? EntryOrder::ByAfm : EntryOrder::ByDate);
    if (!query.next())
        return false;

    job.InitTitles(u"Ergaz     Kins"_s, u"Εργ/μενος Κίνηση"_s);
    const QSqlRecord columns = query.record();
    const int eafm = columns.indexOf(u"Eafm"_s);
    const int kdate = columns.indexOf(u"Kdate"_s);
    const int korario = columns.indexOf(u"Korario"_s);
    const int kparat = columns.indexOf(u"Kparat"_s);
    const int eepon = columns.indexOf(u"Eepon"_s);
    do {
        const QString afm = query.value(eafm).toString();
        const QString date = query.value(kdate).toString();
        const QString keys = EntryIndexKeys(afm, date);
        job.PutLine(EntryIndexEntryLine(date, afm, query.value(eepon).toString()), keys);
        job.PutLine(EntryIndexTextLine(query.value(korario).toString()), keys);
        const QString remarks = query.value(kparat).toString();
        if (!remarks.trimmed().isEmpty())
            job.PutLine(EntryIndexTextLine(remarks), keys);
    } while (query.next());

    job.FixTitles(u"Ευρετήριο Ηλεκτρονικών Αποστολών (Από:"_s + request.fromDate + u" Εως "_s +
                      request.toDate + u')',
                  0, 0);
    job.FixTitles(QString(EntryIndexWidth, u' ') + u'|', 1, 1);
    job.FixTitles(u"Ημερομηνία|Α.Φ.Μ.        |Εργαζόμενος                    |"_s, 2, 1);
    return true;
}

bool PrepareEntryIndex(PrintJob& job, const EntryIndexRequest& request) {
    if (!FillEntryIndex(job, request))
        return false;
    job.Initprint(EntryIndexWidth, 3, 7.5, 0, true, true, false, {}, ReportCompany, {});
    return true;
}

bool PrepareEmployeeIndex(PrintJob& job, const QList<Employee>& employees) {
    if (!FillEmployeeIndex(job, employees))
        return false;
    job.Initprint(EmployeeIndexWidth, 2, 0, 0, true, true, false, {}, ReportCompany, {});
    return true;
}

bool FillEmployeeIndex(PrintJob& job, const QList<Employee>& employees) {
    if (employees.isEmpty())
        return false;
    job.InitTitles(u"Ergaz"_s, u"Εργ/μενος"_s);
    for (const Employee& employee : employees)
        job.PutLine(EmployeeIndexLine(employee), employee.Eafm);
    job.FixTitles(QString::fromUtf8(EmployeeIndexTitle), 0, 0);
    job.FixTitles(QString::fromUtf8(EmployeeIndexHeading), 1, 1);
    return true;
}
