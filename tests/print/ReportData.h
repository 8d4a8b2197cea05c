#pragma once

#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/database/EntryStatements.h"

#include <QTest>

// Employees and entries of the report tests, stored through the database layer.
namespace ReportData {

inline void AddEmployee(const QString& afm, const QString& name,
                        const QString& branch = QStringLiteral("1")) {
    QVERIFY(InsertEmployee({afm, name, branch}).ok());
}

inline void AddEntry(const QString& afm, const QString& yyyymmdd, const QString& hours,
                     const QString& remarks = {}) {
    QVERIFY(InsertEntry({afm, yyyymmdd, hours, remarks}).ok());
}

// Two employees with entries in March 2016; one entry carries remarks and two-line hours.
inline void AddMarch2016() {
    AddEmployee(QStringLiteral("090000045"), QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ"));
    AddEmployee(QStringLiteral("012345678"), QStringLiteral("ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ"));
    AddEntry(QStringLiteral("090000045"), QStringLiteral("20160301"), QStringLiteral("08:00-16:00"));
    AddEntry(QStringLiteral("012345678"), QStringLiteral("20160301"), QStringLiteral("09:00-17:00"));
    AddEntry(QStringLiteral("090000045"), QStringLiteral("20160302"),
             QStringLiteral("08:00-16:00\r\n17:00-19:00"), QStringLiteral("Υπερωρία"));
    AddEntry(QStringLiteral("012345678"), QStringLiteral("20160315"), QStringLiteral("10:00-18:00"));
    // Outside the month.
    AddEntry(QStringLiteral("012345678"), QStringLiteral("20160401"), QStringLiteral("10:00-18:00"));
}

} // namespace ReportData
