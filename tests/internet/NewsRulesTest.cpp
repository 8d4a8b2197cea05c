#include "logic/internet/NewsRules.h"

#include <QTest>

using namespace NewsRules;

namespace {
const QString Code = QStringLiteral("AB123");

NewsRow Row(int record, int priority, const QDate& start, const QVariant& serial = QStringLiteral("")) {
    return NewsRow{record, QStringLiteral("Θέμα %1").arg(record), start.startOfDay(), serial, priority};
}
} // namespace

// The rules of a news refresh over the rows the server gives, in the query's order.
class NewsRulesTest : public QObject {
    Q_OBJECT
private slots:
    void neverRefreshedEveryTakenPriority7ItemPopsUpSixAtMost() {
        QList<NewsRow> rows;
        for (int i = 1; i <= 8; ++i)
            rows << Row(i, 7, QDate(2000, 1, i));
        const NewsPlan plan = Plan(rows, QDate(), Code);
        QCOMPARE(plan.popUps, (QList<int>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(plan.listedRecords.size(), 8);
    }

    void priority7PopsUpOnlyWhenItStartedAfterTheLastRefresh() {
        const QList<NewsRow> rows = {Row(1, 7, QDate(2024, 3, 10)), Row(2, 7, QDate(2024, 3, 9)),
                                     Row(3, 7, QDate(2024, 3, 8))};
        QCOMPARE(Plan(rows, QDate(2024, 3, 9), Code).popUps, QList<int>{1});
        // Started during the day of the last refresh, after its midnight: later.
        NewsRow sameDay = Row(4, 7, QDate(2024, 3, 9));
        sameDay.dateStart = QDateTime(QDate(2024, 3, 9), QTime(10, 0));
        QCOMPARE(Plan({sameDay}, QDate(2024, 3, 9), Code).popUps, QList<int>{4});
    }

    void ofSeveralPriority6ItemsOnlyTheFirstPopsUp() {
        const QList<NewsRow> rows = {Row(1, 7, QDate(2000, 1, 1)), Row(2, 6, QDate(2024, 1, 1)),
                                     Row(3, 6, QDate(2024, 2, 1)), Row(4, 5, QDate(2024, 2, 1))};
        const NewsPlan plan = Plan(rows, QDate(2024, 3, 1), Code);
        QCOMPARE(plan.popUps, QList<int>{2});
        QCOMPARE(plan.listedRecords, (QList<int>{1, 2, 3, 4}));
    }

    void anItemForAnotherInstallationOrWithANullSerialIsNeitherListedNorPopped() {
        const QList<NewsRow> rows = {Row(1, 7, QDate(2024, 1, 1), QStringLiteral("ZZ999")),
                                     Row(2, 6, QDate(2024, 1, 1), QVariant()),
                                     Row(3, 7, QDate(2024, 1, 1), QStringLiteral("AB123")),
                                     Row(4, 6, QDate(2024, 1, 1), QStringLiteral("   ")),
                                     Row(5, 1, QDate(2024, 1, 1), QStringLiteral("AB123   "))};
        const NewsPlan plan = Plan(rows, QDate(), Code);
        QCOMPARE(plan.listedRecords, (QList<int>{3, 4, 5}));
        QCOMPARE(plan.popUps, (QList<int>{3, 4}));
    }

    void the201stTakenItemMayPopUpButIsNotListedAndReadingStops() {
        QList<NewsRow> rows;
        for (int i = 1; i <= 200; ++i)
            rows << Row(i, 1, QDate(2024, 1, 1));
        rows << Row(201, 6, QDate(2024, 1, 1)) << Row(202, 6, QDate(2024, 1, 1))
             << Row(203, 7, QDate(2024, 1, 1));
        const NewsPlan plan = Plan(rows, QDate(2023, 1, 1), Code);
        QCOMPARE(plan.listedRecords.size(), MaxListed);
        QCOMPARE(plan.lines.size(), MaxListed);
        QCOMPARE(plan.listedRecords.last(), 200);
        QCOMPARE(plan.popUps, QList<int>{201});
    }

    void aListLineIsTheTitleABlankAndTheDay() {
        NewsRow row = Row(9, 1, QDate(2024, 3, 5));
        row.title = QStringLiteral("Νέα ΚΥΑ ");
        QCOMPARE(ListLine(row), QStringLiteral("Νέα ΚΥΑ  05/03/2024"));
    }

    void theDayOfTheLastRefreshReadsBackAsTheSameDay() {
        const QDate day(2024, 2, 29);
        QCOMPARE(ReadStoredDate(StoredDate(day)), day);
        QCOMPARE(ReadStoredDate(QString()), QDate());
        QCOMPARE(ReadStoredDate(QStringLiteral("garbage")), QDate());
    }

    void theTraceNamesTheItemAndItsTitleWithoutTheBlankAtItsEnd() {
        QCOMPARE(ReadArticle(42, QStringLiteral("Αλλαγές ΦΠΑ ")), QStringLiteral("Θεματα 42 Αλλαγές ΦΠΑ "));
        QCOMPARE(ReadArticle(7, QStringLiteral("Δώρο Πάσχα")), QStringLiteral("Θεματα 7 Δώρο Πάσχα "));
    }

    void anArticleIsSavedUnderItsTitleInTheNewsFolder() {
        QCOMPARE(ArticleFileName(QStringLiteral("/data"), QStringLiteral(" Ν. 4808/2021: αλλαγές? ")),
                 QStringLiteral("/data/News/Ν. 4808-2021- αλλαγές-.Txt"));
        QCOMPARE(ArticleFileName(QStringLiteral("/data"), QStringLiteral("  ")),
                 QStringLiteral("/data/News/Άρθρο.Txt"));
    }

    void theTimerRefreshesAfterThirtySecondsThenEverySixtyMinutes() {
        Ticker ticker;
        QCOMPARE(ticker.interval(), 0);
        QVERIFY(!ticker.tick());
        ticker.start();
        QCOMPARE(ticker.interval(), 30000);
        QVERIFY(ticker.tick());
        QCOMPARE(ticker.interval(), 60000);
        int refreshes = 0;
        for (int minute = 1; minute <= 120; ++minute)
            refreshes += ticker.tick() ? 1 : 0;
        QCOMPARE(refreshes, 2);
        ticker.stop();
        QVERIFY(!ticker.tick());
        // Resumed by the user: minute ticks, counted on from where they were.
        ticker.resume();
        QCOMPARE(ticker.interval(), 60000);
        ticker.start();
        QCOMPARE(ticker.minuteTicks(), 0);
    }
};

QTEST_GUILESS_MAIN(NewsRulesTest)
#include "NewsRulesTest.moc"
