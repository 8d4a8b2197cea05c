#include "ScriptedDialogs.h"
#include "TestDataFolder.h"
#include "TestEngine.h"
#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/database/EntryStatements.h"
#include "logic/records/EmployeeList.h"
#include "logic/records/EntryList.h"
#include "logic/records/PageCursor.h"
#include "logic/records/RecordKeys.h"
#include "logic/records/RecordPrinting.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {
// A list of the numbers 0 .. count-1 in their order, which counts the rows it hands out.
class Numbers : public PageSource<int> {
public:
    explicit Numbers(int count) : m_count(count) {}
    int rowsRead = 0;

    QList<int> read(PageRead read, const int& row, int count) override {
        QList<int> rows;
        if (read == PageRead::Before) {
            for (int i = std::min(row, m_count) - 1; i >= 0 && rows.size() < count; --i)
                rows << i;
        } else {
            const int first = read == PageRead::First ? 0 : read == PageRead::From ? row : row + 1;
            for (int i = std::max(first, 0); i < m_count && rows.size() < count; ++i)
                rows << i;
        }
        rowsRead += int(rows.size());
        return rows;
    }

private:
    int m_count;
};

// A cursor over Numbers(rows) with its page filled from the row `from`.
struct Filled {
    Numbers numbers;
    PageCursor<int> cursor{numbers};
    Filled(int rows, int from = 0) : numbers(rows) {
        if (from == 0)
            cursor.fillFirst();
        else
            cursor.fillFrom(from);
    }
};

// The rows shown on the page, blank rows left out.
QList<int> page(const PageCursor<int>& cursor) {
    QList<int> shown;
    for (int row = 1; row <= PageRows; ++row) {
        if (const int* number = cursor.at(row))
            shown << *number;
    }
    return shown;
}

QList<int> range(int from, int to) {
    QList<int> values;
    for (int i = from; i <= to; ++i)
        values << i;
    return values;
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
// How the engine reads a statement of the month's entries: SQLite's query plan, PostgreSQL's
// Explain with sequential scans ruled out (the test's table is small; a real one rules them
// out itself). The values are written into the text, as Explain takes no bound ones.
QString monthPlan(const MonthEntriesStatement& statement) {
    QString text;
    int value = 0;
    for (const QChar c : statement.text) {
        if (c != QLatin1Char('?')) {
            text += c;
            continue;
        }
        const QVariant& bound = statement.values.at(value++);
        text += bound.typeId() == QMetaType::Int ? bound.toString()
                                                 : QLatin1Char('\'') + bound.toString() + QLatin1Char('\'');
    }
    QSqlQuery query(DbConnection());
    if (TestOnPostgres())
        query.exec(QStringLiteral("Set enable_seqscan=off"));
    if (!query.exec((TestOnPostgres() ? QStringLiteral("Explain ") : QStringLiteral("Explain Query Plan ")) +
                    text))
        return query.lastError().text();
    QStringList lines;
    while (query.next())
        lines << query.value(TestOnPostgres() ? 0 : 3).toString();
    if (TestOnPostgres())
        QSqlQuery(DbConnection()).exec(QStringLiteral("Reset enable_seqscan"));
    return lines.join(QLatin1Char('\n')).toLower();
}
} // namespace

// Row and page movement of the list windows, their search and their reload.
class PagingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { InstallScriptedDialogs(); }

    void rowDownOnTheLastRowScrollsByOneUntilTheEnd() {
        Filled list(15);
        PageCursor<int>& cursor = list.cursor;
        QCOMPARE(page(cursor), range(0, 13));
        QCOMPARE(cursor.selectedRow(), 1);
        for (int i = 0; i < 13; ++i)
            cursor.rowDown();
        QCOMPARE(cursor.selectedRow(), 14);
        QCOMPARE(page(cursor), range(0, 13));
        cursor.rowDown();
        QCOMPARE(page(cursor), range(1, 14));
        QCOMPARE(cursor.selectedRow(), 14);
        QCOMPARE(*cursor.selected(), 14);
        cursor.rowDown();
        QCOMPARE(page(cursor), range(1, 14));
        QCOMPARE(cursor.selectedRow(), 14);
    }

    void rowDownMovesOntoBlankRows() {
        Filled list(3);
        PageCursor<int>& cursor = list.cursor;
        cursor.rowDown();
        cursor.rowDown();
        cursor.rowDown();
        QCOMPARE(cursor.selectedRow(), 4);
        QCOMPARE(cursor.selected(), nullptr);
        QCOMPARE(page(cursor), range(0, 2));
    }

    void rowUpOnTheFirstRowScrollsBackByOne() {
        {
            Filled list(40, 5);
            PageCursor<int>& cursor = list.cursor;
            cursor.rowDown();
            cursor.rowUp();
            cursor.rowUp();
            QCOMPARE(page(cursor), range(4, 17));
            QCOMPARE(cursor.selectedRow(), 1);
        }
        Filled list(40);
        list.cursor.rowUp();
        QCOMPARE(page(list.cursor), range(0, 13));
        QCOMPARE(list.cursor.selectedRow(), 1);
    }

    void pageUpStopsAtTheFirstRow() {
        {
            Filled list(40, 9);
            list.cursor.pageUp();
            QCOMPARE(page(list.cursor), range(0, 13));
        }
        Filled list(40, 30);
        PageCursor<int>& cursor = list.cursor;
        cursor.pageUp();
        QCOMPARE(page(cursor), range(16, 29));
        cursor.selectRow(5);
        cursor.pageUp();
        QCOMPARE(page(cursor), range(2, 15));
        QCOMPARE(cursor.selectedRow(), 1);
    }

    void pageDownStopsAtTheEnd() {
        {
            Filled list(30);
            PageCursor<int>& cursor = list.cursor;
            cursor.pageDown();
            QCOMPARE(page(cursor), range(14, 27));
            cursor.pageDown();
            QCOMPARE(page(cursor), range(28, 29));
            QCOMPARE(cursor.at(3), nullptr);
            cursor.pageDown();
            QCOMPARE(page(cursor), range(28, 29));
        }
        // Exactly a page: after it there is nothing to page down to.
        Filled list(14);
        list.cursor.pageDown();
        QCOMPARE(page(list.cursor), range(0, 13));
        QVERIFY(!list.cursor.rowsAfter());
    }

    void anEmptyListHasABlankPageAndNothingMoves() {
        Filled list(0);
        PageCursor<int>& cursor = list.cursor;
        QCOMPARE(page(cursor), QList<int>{});
        cursor.rowDown();
        cursor.pageDown();
        cursor.pageUp();
        cursor.rowUp();
        QCOMPARE(page(cursor), QList<int>{});
        QCOMPARE(cursor.selected(), nullptr);
    }

    void everyMovementReadsOnlyThePageItShows() {
        Filled list(1000000, 500000);
        PageCursor<int>& cursor = list.cursor;
        QCOMPARE(list.numbers.rowsRead, 15); // the page and one to know that more follow
        const auto read = [&](const std::function<void()>& move) {
            list.numbers.rowsRead = 0;
            move();
            return list.numbers.rowsRead;
        };
        QCOMPARE(read([&] { cursor.pageDown(); }), 15);
        QCOMPARE(read([&] { cursor.pageUp(); }), 14 + 15);
        QCOMPARE(page(cursor), range(500000, 500013));
        QCOMPARE(read([&] { cursor.rowUp(); }), 1 + 15);
        QCOMPARE(read([&] { cursor.rowDown(); }), 0);
        cursor.selectRow(14);
        QCOMPARE(read([&] { cursor.rowDown(); }), 15);
        QCOMPARE(page(cursor), range(500000, 500013));
    }

    void theSearchStartsThePageAtTheFirstRowFound() {
        Filled list(40);
        list.cursor.selectRow(6);
        list.cursor.fillFrom(35);
        QCOMPARE(page(list.cursor), range(35, 39));
        QCOMPARE(list.cursor.selectedRow(), 1);
        QVERIFY(!list.cursor.rowsAfter());
        list.cursor.fillFrom(40);
        QCOMPARE(page(list.cursor), QList<int>{});
        list.cursor.pageUp();
        list.cursor.rowUp();
        QCOMPARE(page(list.cursor), QList<int>{});
    }

    void reloadKeepsThePlaceAfterAChangeOrADelete() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        addEmployees(20);
        EmployeeList list;
        QVERIFY(list.reload(EmployeeOrder::ByAfm, false).ok());
        QCOMPARE(list.atGridRow(14)->Eafm, afm(14));
        list.cursor().pageDown();
        list.cursor().selectRow(3);
        QCOMPARE(list.selected()->Eafm, afm(17));
        QVERIFY(UpdateEmployee({afm(17), QStringLiteral("ΑΛΛΑΓΜΕΝΟΣ"), QStringLiteral("2")},
                               *SelectEmployee(afm(17)))
                    .ok());
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
        QVERIFY(DeleteEmployeeAndEntries(*SelectEmployee(afm(15))).ok());
        list.reload(EmployeeOrder::ByName, true);
        QCOMPARE(list.atGridRow(1)->Eafm, afm(14));
        QCOMPARE(list.atGridRow(2), nullptr);
        QVERIFY(!list.cursor().rowsAfter());
        list.cursor().pageUp();
        QCOMPARE(list.atGridRow(1)->Eafm, afm(1));
        QCOMPARE(list.atGridRow(14)->Eafm, afm(14));
    }

    // After a change the page starts at the row that now stands at the changed employee's
    // place: the next one when his name moved him down the order, the one before when up.
    void aRenamedEmployeeLeavesHisPlaceToTheRowNowThere() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        addEmployees(30);
        EmployeeList list;
        list.reload(EmployeeOrder::ByName, false);
        list.cursor().pageDown();
        list.cursor().selectRow(2);
        QCOMPARE(list.selected()->Eafm, afm(16));
        QVERIFY(
            UpdateEmployee({afm(16), QStringLiteral("ΩΜΕΓΑ"), QStringLiteral("1")}, *SelectEmployee(afm(16)))
                .ok());
        list.reload(EmployeeOrder::ByName, true);
        QCOMPARE(list.atGridRow(1)->Eafm, afm(17));
        QCOMPARE(list.cursor().selectedRow(), 1);

        list.cursor().selectRow(3);
        QCOMPARE(list.selected()->Eafm, afm(19));
        QVERIFY(
            UpdateEmployee({afm(19), QStringLiteral("ΑΛΦΑ"), QStringLiteral("1")}, *SelectEmployee(afm(19)))
                .ok());
        list.reload(EmployeeOrder::ByName, true);
        QCOMPARE(list.atGridRow(1)->Eafm, afm(18));
        QCOMPARE(list.atGridRow(2)->Eafm, afm(20));

        // Renamed to stay in place, or changed only in the branch: the same employee.
        list.cursor().selectRow(2);
        QVERIFY(UpdateEmployee({afm(20), QStringLiteral("ΕΡΓΑΖΟΜΕΝΟΣ 020Α"), QStringLiteral("7")},
                               *SelectEmployee(afm(20)))
                    .ok());
        list.reload(EmployeeOrder::ByName, true);
        QCOMPARE(list.atGridRow(1)->Eafm, afm(20));
        QCOMPARE(list.atGridRow(1)->Eypo, QStringLiteral("7"));
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
        QCOMPARE(list.atGridRow(3)->entry.Kdate, QStringLiteral("20160331"));
        QCOMPARE(list.atGridRow(4), nullptr); // the entry without an employee is left out
        QCOMPARE(EntryList::cells(*list.atGridRow(1)),
                 (QStringList{"01/03/2016", afm(2), "ΕΡΓΑΖΟΜΕΝΟΣ 002", "9-17"}));
        march.day = 15;
        list.reload(march, EntryOrder::ByAfm);
        QCOMPARE(list.atGridRow(2)->entry.Kdate, QStringLiteral("20160331"));
        QCOMPARE(list.atGridRow(3), nullptr);
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

    void theEntryListPagesThroughTheMonthInBothOrders() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        addEmployees(3);
        QStringList byDate;
        QStringList byAfm;
        for (int who = 3; who >= 1; --who) {
            for (const char* outside : {"20160229", "20160401"})
                QVERIFY(InsertEntry({afm(who), QString::fromLatin1(outside), QStringLiteral("x"), {}}).ok());
        }
        for (int day = 1; day <= 15; ++day) {
            for (int who = 1; who <= 3; ++who) {
                const QString kdate = QStringLiteral("201603%1").arg(day, 2, 10, QLatin1Char('0'));
                QVERIFY(InsertEntry({afm(who), kdate, QStringLiteral("x"), {}}).ok());
                byDate << kdate + afm(who);
            }
        }
        for (int who = 1; who <= 3; ++who) {
            for (int day = 1; day <= 15; ++day)
                byAfm << QStringLiteral("201603%1").arg(day, 2, 10, QLatin1Char('0')) + afm(who);
        }
        const auto shown = [](const EntryList& list) {
            QStringList rows;
            for (int row = 1; row <= PageRows; ++row) {
                if (const MonthEntry* entry = list.atGridRow(row))
                    rows << entry->entry.Kdate + entry->entry.Eafm;
            }
            return rows;
        };
        for (const auto& [order, expected] :
             {std::pair{EntryOrder::ByDate, byDate}, std::pair{EntryOrder::ByAfm, byAfm}}) {
            EntryList list;
            list.reload({2016, 3, 1}, order);
            QStringList walked = shown(list);
            while (list.cursor().rowsAfter()) {
                list.cursor().pageDown();
                walked << shown(list);
            }
            QCOMPARE(walked, expected);
            QCOMPARE(shown(list), expected.mid(42));
            for (int page = 0; page < 3; ++page)
                list.cursor().pageUp();
            QCOMPARE(shown(list), expected.mid(0, 14));
            list.cursor().selectRow(14);
            list.cursor().rowDown();
            QCOMPARE(shown(list), expected.mid(1, 14));
            // From the 10th on.
            list.reload({2016, 3, 10}, order);
            QStringList fromTenth;
            for (const QString& row : expected) {
                if (row.mid(6, 2) >= QLatin1String("10"))
                    fromTenth << row;
            }
            QCOMPARE(shown(list), fromTenth.mid(0, 14));
            list.cursor().pageDown();
            QCOMPARE(shown(list), fromTenth.mid(14));
        }
    }

    // A page of a month in AFM order is read from its place through the month index, never by
    // sorting the whole month (which took 10 ms a page at a million entries); a database made
    // before the index gets it when it is opened.
    void theMonthInAfmOrderIsReadThroughItsIndex() {
        TestDataFolder folder;
        QVERIFY(folder.openDatabase());
        addEmployees(3);
        for (int who = 1; who <= 3; ++who) {
            for (const char* day : {"20160229", "20160301", "20160305", "20160401"})
                QVERIFY(InsertEntry({afm(who), QString::fromLatin1(day), QStringLiteral("x"), {}}).ok());
        }
        const auto checkPlans = [] {
            const Entry at{afm(2), QStringLiteral("20160305"), {}, {}};
            for (const PageRead read : {PageRead::First, PageRead::From, PageRead::After, PageRead::Before}) {
                const QString plan =
                    monthPlan(MakeMonthEntriesStatement(QStringLiteral("20160301"), QStringLiteral("201604"),
                                                        EntryOrder::ByAfm, read, at, PageRows));
                QVERIFY2(plan.contains(QLatin1String("kinsmonth")), qPrintable(plan));
                QVERIFY2(!plan.contains(QLatin1String("sort")) &&
                             !plan.contains(QLatin1String("temp b-tree")),
                         qPrintable(plan));
            }
        };
        checkPlans();
        folder.exec(QStringLiteral("Drop Index KinsMonth"));
        CloseDatabase();
        QVERIFY(folder.openDatabase());
        checkPlans();
        EntryList list;
        list.reload({2016, 3, 2}, EntryOrder::ByAfm);
        QStringList shown;
        for (int row = 1; list.atGridRow(row); ++row)
            shown << list.atGridRow(row)->entry.Eafm + list.atGridRow(row)->entry.Kdate.mid(6);
        QCOMPARE(shown, (QStringList{afm(1) + "05", afm(2) + "05", afm(3) + "05"}));
    }

    void monthFilterDates() {
        QCOMPARE(MonthFilter({2016, 2, 5}).fromScreenDate(), QStringLiteral("05/02/2016"));
        QCOMPARE(MonthFilter({2016, 2, 5}).toScreenDate(), QStringLiteral("29/02/2016"));
        QCOMPARE(MonthFilter({2017, 2, 1}).toScreenDate(), QStringLiteral("28/02/2017"));
        QCOMPARE(MonthFilter({2016, 3, 9}).firstDay(), QStringLiteral("20160309"));
        QCOMPARE(MonthFilter({2016, 3, 9}).beyondMonth(), QStringLiteral("201604"));
        QCOMPARE(MonthFilter({2016, 12, 31}).beyondMonth(), QStringLiteral("201613"));
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
