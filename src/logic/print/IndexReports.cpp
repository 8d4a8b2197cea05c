#include "logic/print/IndexReports.h"

#include "logic/core/database/ReportStatements.h"
#include "logic/core/text/FieldRules.h"
#include "logic/print/PrintJob.h"
#include "logic/records/RecordKeys.h"
#include "logic/records/RecordPrinting.h"

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

namespace {
// The lines of the entry index are built in place, as wide as they end: a report holds up to
// 64,000 of them.
void appendPadded(QString& line, QStringView text, qsizetype width) {
    line += text.left(width);
    line.append(QString(width - qMin(width, text.size()), u' '));
}

// The line as wide as the report, then its suffix.
QString finishedLine(QString& line, QStringView suffix) {
    line.truncate(EntryIndexWidth);
    line.append(QString(EntryIndexWidth - line.size(), u' '));
    line += suffix;
    return line;
}
} // namespace

QString EntryIndexEntryLine(const QString& kdate, const QString& afm, const QString& name) {
    QString line;
    line.reserve(EntryIndexWidth + LineSuffix::Length);
    line += StoredToScreenDate(kdate);
    line += u' ';
    appendPadded(line, afm, 15);
    appendPadded(line, name, 31);
    return finishedLine(line, u"2    ");
}

QString EntryIndexTextLine(const QString& text) {
    // The entry form stores a typed line break as a bare LF; older data may hold CR LF or CR.
    // Each becomes two blanks.
    QString line;
    line.reserve(EntryIndexWidth + LineSuffix::Length);
    line.append(QString(11, u' '));
    for (qsizetype i = 0; i < text.size() && line.size() < EntryIndexWidth; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            line += u"  ";
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else {
            line += c;
        }
    }
    return finishedLine(line, u"1    ");
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
