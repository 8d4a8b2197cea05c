#include "logic/core/program/ProgramValues.h"
#include "logic/core/text/DateHelpers.h"
#include "logic/core/text/DosGreek.h"

#include <QTest>

using namespace Qt::StringLiterals;

class DatesAndCodePagesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetProgramValues(); }

    void completeDate_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("completed");
        QTest::newRow("one digit") << u"5"_s << false << QString();
        QTest::newRow("day") << u"05"_s << true << u"05/03/2009"_s;
        QTest::newRow("day with blanks") << u" 05 "_s << true << u"05/03/2009"_s;
        QTest::newRow("day and month") << u"0511"_s << true << u"05/11/2009"_s;
        QTest::newRow("two-digit year") << u"050309"_s << true << u"05/03/2009"_s;
        QTest::newRow("full digits") << u"05032010"_s << true << u"05/03/2010"_s;
        QTest::newRow("dashes") << u"05-03-2009"_s << true << u"05/03/2009"_s;
        QTest::newRow("slashes") << u"29/02/2008"_s << true << u"29/02/2008"_s;
        QTest::newRow("no such day") << u"31/04/2009"_s << false << u"31/04/2009"_s;
        QTest::newRow("day 32") << u"32"_s << false << u"32/03/2009"_s;
        QTest::newRow("text of other length") << u"5/3/09"_s << false << QString();
        QTest::newRow("odd digit count") << u"05031"_s << false << QString();
        QTest::newRow("signed day") << u"+5"_s << false << u"+5/03/2009"_s;
        QTest::newRow("blank inside") << u"05/03/ 009"_s << false << u"05/03/ 009"_s;
        QTest::newRow("empty") << QString() << false << QString();
    }
    void completeDate() {
        QFETCH(QString, typed);
        QFETCH(bool, valid);
        QFETCH(QString, completed);
        QString text = typed;
        QCOMPARE(CompleteDate(text, QDate(2009, 3, 17)), valid);
        QCOMPARE(text, completed);
    }

    void screenDates() {
        QCOMPARE(ParseScreenDate(u"05/03/2009"_s), QDate(2009, 3, 5));
        QVERIFY(!ParseScreenDate(u" 5/03/2009"_s).isValid());
        QVERIFY(!ParseScreenDate(u"05.03.2009"_s).isValid());
        QCOMPARE(ScreenDate(QDate(2009, 3, 5)), u"05/03/2009"_s);
    }

    void daysInMonthFollowsTheGregorianCalendar() {
        // 1900 is no leap year: the century rule applies.
        QCOMPARE(DaysInMonth(1900, 2), 28);
        QCOMPARE(DaysInMonth(2000, 2), 29);
        QCOMPARE(DaysInMonth(2016, 2), 29);
        QCOMPARE(DaysInMonth(2015, 2), 28);
        QCOMPARE(DaysInMonth(2009, 4), 30);
        QCOMPARE(DaysInMonth(2009, 12), 31);
        QCOMPARE(DaysInMonth(2009, 13), 0);
        QCOMPARE(DaysInMonth(2009, 0), 0);
    }

    void dayNames() {
        QCOMPARE(DayName(QDate(2009, 3, 1)), u"Κυριακή"_s);
        QCOMPARE(DayName(QDate(2009, 3, 2)), u"Δευτέρα"_s);
        QCOMPARE(DayName(QDate(2009, 3, 7)), u"Σάββατο"_s);
        QCOMPARE(DayName(QDate()), QString());
    }

    void dosGreekTableRules() {
        const QByteArray table = BuildDosGreekTable();
        QCOMPARE(table.size(), 256);
        auto at = [&table](int i) { return int(quint8(table.at(i))); };
        QCOMPARE(at(65), 65);
        QCOMPARE(at(128), 176);
        QCOMPARE(at(176), 234);
        QCOMPARE(at(193), 128); // Α
        QCOMPARE(at(209), 144);
        QCOMPARE(at(211), 145); // Σ
        QCOMPARE(at(217), 151); // Ω
        QCOMPARE(at(242), 170); // ς
        QCOMPARE(at(243), 169); // σ
        QCOMPARE(at(225), 152); // α
        // Single entries win over the ranges they fall in.
        QCOMPARE(at(210), 228);
        QCOMPARE(at(220), 225);
        QCOMPARE(at(249), 224);
        QCOMPARE(at(255), 255);
    }

    void toDosGreekConvertsOnlyInMode2() {
        Program.DosGreekTable = BuildDosGreekTable();
        const QByteArray athens = ToDosGreek(ToWindowsGreek(u"Αθήνα"_s), 2);
        QCOMPARE(athens, QByteArray("\x80\x9f\xe3\xa4\x98"));
        QCOMPARE(ToDosGreek("Plain ASCII 0-9 |", 2), QByteArray("Plain ASCII 0-9 |"));
        QCOMPARE(ToDosGreek(ToWindowsGreek(u"Αθήνα"_s), 1), ToWindowsGreek(u"Αθήνα"_s));
        // Without a table loaded the rules are applied all the same.
        Program.DosGreekTable.clear();
        QCOMPARE(ToDosGreek(ToWindowsGreek(u"Αθήνα"_s), 2), athens);
    }

    void windowsGreekRoundTrip() {
        const QString text = u"Εργαζόμενος ΑΦΜ 090000045 €"_s;
        QCOMPARE(ToWindowsGreek(text).size(), text.size());
        QCOMPARE(FromWindowsGreek(ToWindowsGreek(text)), text);
    }
};

QTEST_GUILESS_MAIN(DatesAndCodePagesTest)
#include "DatesAndCodePagesTest.moc"
