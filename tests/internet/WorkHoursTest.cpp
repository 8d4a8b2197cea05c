#include "logic/internet/WorkHours.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The hours text read as the API takes it: which texts give which intervals, which are a
// rest day, and which cannot be sent, with the part the user must mend.
class WorkHoursTest : public QObject {
    Q_OBJECT
private slots:
    void intervalsAreReadWithEverySeparator_data() {
        QTest::addColumn<QString>("korario");
        QTest::addColumn<QString>("sent");
        QTest::newRow("one, short hour") << u"8:00-12:00"_s << u"08:00-12:00"_s;
        QTest::newRow("blanks around the dash") << u" 08:00 - 12:30 "_s << u"08:00-12:30"_s;
        QTest::newRow("en dash") << u"08:00–12:00"_s << u"08:00-12:00"_s;
        QTest::newRow("two by comma") << u"08:00-12:00,18:00-22:00"_s << u"08:00-12:00, 18:00-22:00"_s;
        QTest::newRow("two by blank") << u"8:00-12:00 18:00-22:00"_s << u"08:00-12:00, 18:00-22:00"_s;
        QTest::newRow("two by line break") << u"8:00-12:00\n18:00-22:00"_s << u"08:00-12:00, 18:00-22:00"_s;
        QTest::newRow("two by και") << u"8:00-12:00 και 18:00-22:00"_s << u"08:00-12:00, 18:00-22:00"_s;
        QTest::newRow("ΚΑΙ in capitals") << u"8:00-12:00 ΚΑΙ 18:00-22:00"_s << u"08:00-12:00, 18:00-22:00"_s;
        QTest::newRow("typed out of order") << u"18:00-22:00, 8:00-12:00"_s << u"08:00-12:00, 18:00-22:00"_s;
        QTest::newRow("past midnight") << u"22:00-06:00"_s << u"22:00-06:00"_s;
        QTest::newRow("morning and a night")
            << u"05:00-07:00, 22:00-03:00"_s << u"05:00-07:00, 22:00-03:00"_s;
        QTest::newRow("ending at 24:00") << u"16:00-24:00"_s << u"16:00-00:00"_s;
        QTest::newRow("touching intervals") << u"08:00-12:00,12:00-16:00"_s << u"08:00-12:00, 12:00-16:00"_s;
    }
    void intervalsAreReadWithEverySeparator() {
        QFETCH(QString, korario);
        QFETCH(QString, sent);
        const HoursReading reading = ReadWorkHours(korario);
        QVERIFY2(reading.kind == HoursReading::Work, qPrintable(reading.reason));
        QCOMPARE(reading.sentText(), sent);
    }

    void aPastMidnightIntervalKeepsItsTimes() {
        const HoursReading reading = ReadWorkHours(u"22:30-01:15"_s);
        QCOMPARE(reading.intervals.size(), 1);
        QCOMPARE(reading.intervals.first().from, 22 * 60 + 30);
        QCOMPARE(reading.intervals.first().to, 75);
        QVERIFY(reading.intervals.first().pastMidnight());
    }

    void restDayWordsInAnyCaseAndAccents_data() {
        QTest::addColumn<QString>("korario");
        for (const QString& word :
             {u"ΡΕΠΟ"_s, u"ρεπό"_s, u"Ρεπο"_s, u" ΑΝΑΠΑΥΣΗ "_s, u"ανάπαυση"_s, u"Ανάπαυση"_s})
            QTest::newRow(qPrintable(word)) << word;
    }
    void restDayWordsInAnyCaseAndAccents() {
        QFETCH(QString, korario);
        const HoursReading reading = ReadWorkHours(korario);
        QCOMPARE(reading.kind, HoursReading::RestDay);
        QCOMPARE(reading.sentText(), u"ΑΝ"_s);
    }

    void unreadableTextsSayWhichPart_data() {
        QTest::addColumn<QString>("korario");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("empty") << u"   "_s << u"Δεν έχει ωράριο"_s;
        QTest::newRow("words") << u"απόγευμα"_s << u"«απόγευμα»"_s;
        QTest::newRow("rest day with more words") << u"ρεπό αύριο"_s << u"«ρεπό»"_s;
        QTest::newRow("dot for colon") << u"8.00-12.00"_s << u"«8.00-12.00»"_s;
        QTest::newRow("one good, one bad") << u"08:00-12:00, 18:00"_s << u"«18:00»"_s;
        QTest::newRow("semicolon") << u"08:00-12:00; 18:00-22:00"_s << u"«;»"_s;
        QTest::newRow("hour 25") << u"08:00-25:00"_s << u"«08:00-25:00»"_s;
        QTest::newRow("minute 60") << u"08:60-12:00"_s << u"«08:60-12:00»"_s;
        QTest::newRow("24:00 as a start") << u"24:00-02:00"_s << u"«24:00-02:00»"_s;
        QTest::newRow("three digits") << u"08:000-12:00"_s << u"«08:000-12:00»"_s;
        QTest::newRow("no length") << u"09:00-09:00"_s << u"«09:00-09:00»"_s;
        QTest::newRow("overlapping") << u"08:00-12:00, 11:00-14:00"_s << u"08:00-12:00 και 11:00-14:00"_s;
        QTest::newRow("overlapping past midnight")
            << u"22:00-02:00, 23:00-23:30"_s << u"22:00-02:00 και 23:00-23:30"_s;
        QTest::newRow("one inside another")
            << u"08:00-16:00 10:00-11:00"_s << u"08:00-16:00 και 10:00-11:00"_s;
    }
    void unreadableTextsSayWhichPart() {
        QFETCH(QString, korario);
        QFETCH(QString, quoted);
        const HoursReading reading = ReadWorkHours(korario);
        QCOMPARE(reading.kind, HoursReading::Unreadable);
        QVERIFY(!reading.sendable());
        QVERIFY2(reading.reason.contains(quoted), qPrintable(reading.reason));
        QCOMPARE(reading.sentText(), QString());
    }
};

QTEST_GUILESS_MAIN(WorkHoursTest)
#include "WorkHoursTest.moc"
