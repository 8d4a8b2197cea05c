#include "logic/print/IndexReports.h"

#include "logic/print/PrintJob.h"
#include "logic/records/RecordKeys.h"
#include "logic/records/RecordPrinting.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {
const QString ReportCompany = u"Tavrinex SA"_s;

QString Padded(const QString& text, int width) {
    return text.leftJustified(width, u' ', true);
}
} // namespace

namespace {
// The lines of the entry index are written into one blank line of the report's width and its
// suffix, one allocation a line: a report holds up to 64,000 of them.
class IndexLineWriter {
public:
    explicit IndexLineWriter(QStringView suffix) : m_line(EntryIndexWidth + LineSuffix::Length, u' ') {
        std::copy(suffix.begin(), suffix.end(), m_line.begin() + EntryIndexWidth);
    }
    // Text past the report's width is cut off.
    void put(QStringView text) {
        for (const QChar c : text.left(EntryIndexWidth - qMin(m_at, qsizetype(EntryIndexWidth))))
            m_line[m_at++] = c;
    }
    void put(QChar c) { put(QStringView(&c, 1)); }
    // The text cut or padded to the width.
    void putPadded(QStringView text, qsizetype width) {
        const qsizetype end = m_at + width;
        put(text.left(width));
        m_at = end;
    }
    void skip(qsizetype blanks) { m_at += blanks; }
    bool full() const { return m_at >= EntryIndexWidth; }
    QString line() && { return std::move(m_line); }

private:
    QString m_line;
    qsizetype m_at = 0;
};
} // namespace

QString EntryIndexEntryLine(const QString& kdate, const QString& afm, const QString& name) {
    IndexLineWriter line(u"2    ");
    // The stored "yyyymmdd" as "dd/mm/yyyy".
    if (!kdate.isEmpty()) {
        const QStringView date(kdate);
        line.put(date.mid(6, 2));
        line.put(u'/');
        line.put(date.mid(4, 2));
        line.put(u'/');
        line.put(date.left(4));
    }
    line.put(u' ');
    line.putPadded(afm, 15);
    line.putPadded(name, 31);
    return std::move(line).line();
}

QString EntryIndexTextLine(const QString& text) {
    // The entry form stores a typed line break as a bare LF; older data may hold CR LF or CR.
    // Each becomes two blanks.
    IndexLineWriter line(u"1    ");
    line.skip(11);
    for (qsizetype i = 0; i < text.size() && !line.full(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            line.skip(2);
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else {
            line.put(c);
        }
    }
    return std::move(line).line();
}

QString EntryIndexKeys(const QString& afm, const QString& kdate) {
    return Padded(afm, PrintJob::KeyFieldWidth) + EntryKey(afm, StoredToScreenDate(kdate));
}

bool FillEntryIndex(PrintJob& job, const EntryIndexRequest& request) {
    QSqlQuery query = SelectEntryIndexLines(request);
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

void SetEntryIndexPages(PrintJob& job) {
    job.Initprint(EntryIndexWidth, 3, 7.5, 0, true, true, false, {}, ReportCompany, {});
}

void SetEmployeeIndexPages(PrintJob& job) {
    job.Initprint(EmployeeIndexWidth, 2, 0, 0, true, true, false, {}, ReportCompany, {});
}

bool PrepareEntryIndex(PrintJob& job, const EntryIndexRequest& request) {
    if (!FillEntryIndex(job, request))
        return false;
    SetEntryIndexPages(job);
    return true;
}

bool PrepareEmployeeIndex(PrintJob& job, const QList<Employee>& employees) {
    if (!FillEmployeeIndex(job, employees))
        return false;
    SetEmployeeIndexPages(job);
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
