#include "ScriptedDialogs.h"
#include "TestDataFolder.h"
#include "logic/core/EmployeeStatements.h"
#include "logic/core/EntryStatements.h"
#include "logic/records/EmployeeList.h"
#include "logic/records/EntryList.h"
#include "logic/records/PageCursor.h"
#include "logic/records/RecordKeys.h"
#include "logic/records/RecordPrinting.h"

#include <QTest>

namespace {
// The positions shown on the page, blank rows left out.
QList<int> page(const PageCursor& cursor) {
    QList<int> shown;
    for (int row = 1; row <= PageCursor::PageRows; ++row) {
        if (cursor.bookmark(row) != PageCursor::NoRow)
            shown << cursor.bookmark(row);
    }
    return shown;
}

QList<int> range(int from, int to) {
    QList<int> values;
    for (int i = from; i <= to; ++i)
        values << i;
    return values;
}

PageCursor filled(int rows, int from = 0) {
    PageCursor cursor;
    cursor.reopen(rows);
    cursor.moveTo(from);
    cursor.fillPage();
    return cursor;
}

QString afm(int i) {
    return QStringLiteral("1%1").arg(i, 8, 10, QLatin1Char('0'));
}

void addEmployees(int count) {
    for (int i = 1; i <= count; ++i)
        QVERIFY(InsertEmployee({afm(i), QStringLiteral("ΕΡΓΑΖΟΜΕΝΟΣ %1").arg(i, 3, 10, QLatin1Char('0')),
                                QStringLiteral("1")})
                    .ok());
}
} // namespace

// Row and page movement of the list windows, their search and their reload.
class PagingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { InstallScriptedDialogs(); }

    void rowDownOnTheLastRowScrollsByOneUntilTheEnd() {
        PageCursor cursor = filled(15);
        QCOMPARE(page(cursor), range(0, 13));
        QCOMPARE(cursor.selectedRow(), 1);
        for (int i = 0; i < 13; ++i)
            cursor.rowDown();
        QCOMPARE(cursor.selectedRow(), 14);
        QCOMPARE(page(cursor), range(0, 13));
        cursor.rowDown();
        QCOMPARE(page(cursor), range(1, 14));
        QCOMPARE(cursor.selectedRow(), 14);
        QCOMPARE(cursor.selectedPosition(), 14);
        cursor.rowDown();
        QCOMPARE(page(cursor), range(1, 14));
        QCOMPARE(cursor.selectedRow(), 14);
    }

    void rowDownMovesOntoBlankRows() {
        PageCursor cursor = filled(3);
        cursor.rowDown();
        cursor.rowDown();
        cursor.rowDown();
        QCOMPARE(cursor.selectedRow(), 4);
        QCOMPARE(cursor.selectedPosition(), PageCursor::NoRow);
        QCOMPARE(page(cursor), range(0, 2));
    }

    void rowUpOnTheFirstRowScrollsBackByOne() {
        PageCursor cursor = filled(40, 5);
        cursor.rowDown();
        cursor.rowUp();
        cursor.rowUp();
        QCOMPARE(page(cursor), range(4, 17));
        QCOMPARE(cursor.selectedRow(), 1);
        cursor = filled(40, 0);
        cursor.rowUp();
        QCOMPARE(page(cursor), range(0, 13));
        QCOMPARE(cursor.selectedRow(), 1);
    }

    void pageUpStopsAtTheFirstRow() {
        PageCursor cursor = filled(40, 9);
        cursor.pageUp();
        QCOMPARE(page(cursor), range(0, 13));
        cursor = filled(40, 30);
        cursor.pageUp();
        QCOMPARE(page(cursor), range(16, 29));
        cursor.selectRow(5);
        cursor.pageUp();
        QCOMPARE(page(cursor), range(2, 15));
        QCOMPARE(cursor.selectedRow(), 1);
    }

    void pageDownStopsAtTheEnd() {
        PageCursor cursor = filled(30);
        cursor.pageDown();
        QCOMPARE(page(cursor), range(14, 27));
        cursor.pageDown();
        QCOMPARE(page(cursor), range(28, 29));
        QCOMPARE(cursor.bookmark(3), PageCursor::NoRow);
        cursor.pageDown();
        QCOMPARE(page(cursor), range(28, 29));
        // Exactly a page: after it there is nothing to page down to.
        cursor = filled(14);
        cursor.pageDown();
        QCOMPARE(page(cursor), range(0, 13));
    }

    void anEmptyListHasABlankPageAndNothingMoves() {
        PageCursor cursor = filled(0);
        QCOMPARE(page(cursor), QList<int>{});
        cursor.rowDown();
        cursor.pageDown();
        cursor.pageUp();
        cursor.rowUp();
        QCOMPARE(page(cursor), QList<int>{});
        QCOMPARE(cursor.selectedPosition(), PageCursor::NoRow);
    }

    void employeeSearchByAfmPrefix() {
        EmployeeList list;
        list.setRows({{"090000045", "Α", "1"},
                      {"110000001", "Β", "1"},
                      {"120000002", "Γ", "1"},
                      {"123456789", "Δ", "1"},
                      {"130000003", "Ε", "1"}},
                     EmployeeOrder::ByAfm, false);
        list.search(QStringLiteral("12"));
        QCOMPARE(list.atGridRow(1)->Eafm, QStringLiteral("120000002"));
        QCOMPARE(list.selectedKey(), QStringLiteral("120000002     "));
        list.search(QStringLiteral("123"));
        QCOMPARE(list.atGridRow(1)->Eafm, QStringLiteral("123456789"));
        QCOMPARE(list.atGridRow(3), nullptr);
        list.search(QStringLiteral("2"));
        QCOMPARE(list.atGridRow(1), nullptr);
        QCOMPARE(list.selectedKey(), QString());
        // Blanks alone do not search: the page stays blank.
        list.search(QStringLiteral("   "));
        QCOMPARE(list.atGridRow(1), nullptr);
    }

    void employeeSearchByNameIgnoresCase() {
        EmployeeList list;
        list.setRows({{"2", "alpha", "1"}, {"3", "beta", "1"}, {"1", "Zeta", "1"}}, EmployeeOrder::ByName,
                     false);
        list.search(QStringLiteral("A"));
        QCOMPARE(list.atGridRow(1)->Eepon, QStringLiteral("alpha"));
        list.search(QStringLiteral("z"));
        QCOMPARE(list.atGridRow(1)->Eepon, QStringLiteral("Zeta"));
        list.search(QStringLiteral("zz"));
        QCOMPARE(list.atGridRow(1), nullptr);
        // The text is compared untrimmed: "beta" is below "beta ".
        list.search(QStringLiteral("beta"));
        QCOMPARE(list.atGridRow(1)->Eepon, QStringLiteral("beta"));
        list.search(QStringLiteral("beta "));
        QCOMPARE(list.atGridRow(1)->Eepon, QStringLiteral("Zeta"));
    }

    void reloadKeepsThePlaceAfterAChangeOrADelete() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        addEmployees(20);
        EmployeeList list;
        QVERIFY(list.reload(EmployeeOrder::ByAfm, false).ok());
        QCOMPARE(list.size(), 20);
        list.cursor().pageDown();
        list.cursor().selectRow(3);
        QCOMPARE(list.selected()->Eafm, afm(17));
        QVERIFY(UpdateEmployee({afm(17), QStringLiteral("ΑΛΛΑΓΜΕΝΟΣ"), QStringLiteral("2")}).ok());
        list.reload(EmployeeOrder::ByAfm, true);
        QCOMPARE(list.atGridRow(1)->Eepon, QStringLiteral("ΑΛΛΑΓΜΕΝΟΣ"));
        QCOMPARE(list.cursor().selectedRow(), 1);
        // A new or copied employee: the page starts at the first employee.
        list.reload(EmployeeOrder::ByAfm, false);
        QCOMPARE(list.atGridRow(1)->Eafm, afm(1));
    }

    void deletingTheLastEmployeeReopensOnTheNewLast() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        addEmployees(15);
        EmployeeList list;
        list.reload(EmployeeOrder::ByName, false);
        list.cursor().pageDown();
        QCOMPARE(list.selected()->Eafm, afm(15));
        QVERIFY(DeleteEmployeeAndEntries(afm(15)).ok());
        list.reload(EmployeeOrder::ByName, true);
        QCOMPARE(list.size(), 14);
        QCOMPARE(list.atGridRow(1)->Eafm, afm(14));
        QCOMPARE(list.atGridRow(2), nullptr);
    }

    void greekCapitalNamesSortAlphabetically() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        const QStringList names{QStringLiteral("ΩΡΑΙΟΣ"),   QStringLiteral("ΣΤΑΥΡΟΥ"),
                                QStringLiteral("ΑΝΔΡΕΟΥ"),  QStringLiteral("ΡΗΓΑΣ"),
                                QStringLiteral("ΤΣΑΚΑΛΟΣ"), QStringLiteral("ΒΛΑΧΟΣ")};
        for (int i = 0; i < names.size(); ++i)
            QVERIFY(InsertEmployee({afm(i), names.at(i), QStringLiteral("1")}).ok());
        QStringList read;
        for (const Employee& e : ReadEmployees(EmployeeOrder::ByName))
            read << e.Eepon;
        QCOMPARE(read, (QStringList{"ΑΝΔΡΕΟΥ", "ΒΛΑΧΟΣ", "ΡΗΓΑΣ", "ΣΤΑΥΡΟΥ", "ΤΣΑΚΑΛΟΣ", "ΩΡΑΙΟΣ"}));
    }

    void monthEntriesFromADayWithTheirEmployees() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        addEmployees(2);
        for (const auto& [who, day] :
             {std::pair{afm(2), "20160301"}, std::pair{afm(1), "20160315"}, std::pair{afm(1), "20160331"},
              std::pair{afm(1), "20160401"}, std::pair{QStringLiteral("999999999"), "20160320"}})
            QVERIFY(InsertEntry({who, QString::fromLatin1(day), QStringLiteral(" 9-17 "), {}}).ok());
        EntryList list;
        MonthFilter march{2016, 3, 1};
        list.reload(march, EntryOrder::ByDate);
        QCOMPARE(list.size(), 3); // the entry without an employee is left out
        QCOMPARE(EntryList::cells(*list.atGridRow(1)),
                 (QStringList{"01/03/2016", afm(2), "ΕΡΓΑΖΟΜΕΝΟΣ 002", "9-17"}));
        march.day = 15;
        list.reload(march, EntryOrder::ByAfm);
        QCOMPARE(list.size(), 2);
        list.cursor().rowDown();
        QCOMPARE(list.selectedKey(), afm(1) + QStringLiteral("     31/03/2016"));
        QCOMPARE(list.selectedKey().size(), EntryKeyLength);
        list.search(QStringLiteral("9"));
        QCOMPARE(list.atGridRow(1), nullptr);
        list.search(QString());
        QCOMPARE(list.atGridRow(1)->entry.Kdate, QStringLiteral("20160315"));
        list.reload({2016, 5, 1}, EntryOrder::ByDate);
        QCOMPARE(list.atGridRow(1), nullptr);
    }

    void monthFilterDates() {
        QCOMPARE(MonthFilter({2016, 2, 5}).fromScreenDate(), QStringLiteral("05/02/2016"));
        QCOMPARE(MonthFilter({2016, 2, 5}).toScreenDate(), QStringLiteral("29/02/2016"));
        QCOMPARE(MonthFilter({2017, 2, 1}).toScreenDate(), QStringLiteral("28/02/2017"));
        QCOMPARE(MonthFilter({2016, 3, 9}).yearMonth(), QStringLiteral("201603"));
        QCOMPARE(MonthFilter({2016, 3, 9}).dayText(), QStringLiteral("09"));
        QCOMPARE(NearestListedYear(2009), 2015);
        QCOMPARE(NearestListedYear(2020), 2020);
        QCOMPARE(NearestListedYear(2061), 2050);
    }

    void employeeIndexLinesKeepTheirColumns() {
        QCOMPARE(EmployeeIndexLine({"090000045", "ΑΛΕΞΙΟΥ ΜΑΡΙΑ", "12"}),
                 QStringLiteral("090000045") + QString(6, ' ') + QStringLiteral("ΑΛΕΞΙΟΥ ΜΑΡΙΑ") +
                     QString(18, ' ') + QStringLiteral("12   1    "));
        // A name of 31 characters is cut so that the branch stays in its column.
        const QString line = EmployeeIndexLine({"1", QString(31, QChar(0x0391)), "1234"});
        QCOMPARE(line.size(), 15 + 31 + 5 + 5);
        QCOMPARE(line.mid(15, 31), QString(30, QChar(0x0391)) + QLatin1Char(' '));
        QCOMPARE(line.mid(46), QStringLiteral("1234 1    "));
    }

    void keysAndDates() {
        QCOMPARE(EmployeeKey(QStringLiteral("090000045")), QStringLiteral("090000045     "));
        const QString key = EntryKey(QStringLiteral("090000045"), QStringLiteral("05/03/2016"));
        QCOMPARE(EntryKeyAfm(key), QStringLiteral("090000045"));
        QCOMPARE(EntryKeyDate(key), QStringLiteral("05/03/2016"));
        QCOMPARE(ScreenToStoredDate(QStringLiteral("05/03/2016")), QStringLiteral("20160305"));
        QCOMPARE(ScreenToStoredDate(QStringLiteral("31/02/2016")), QString());
        QCOMPARE(StoredToScreenDate(QStringLiteral("20160305")), QStringLiteral("05/03/2016"));
        QVERIFY(IsNumericText(QStringLiteral(" 0900 ")));
        QVERIFY(!IsNumericText(QStringLiteral("ΠΑΠ")));
        QVERIFY(!IsNumericText(QStringLiteral("12345678A")));
        QVERIFY(!IsNumericText(QStringLiteral("inf")));
        QVERIFY(!IsNumericText(QStringLiteral("  ")));
    }
};

QTEST_GUILESS_MAIN(PagingTest)
#include "PagingTest.moc"
