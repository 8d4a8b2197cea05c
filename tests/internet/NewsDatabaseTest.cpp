#include "logic/internet/NewsDatabase.h"
#include "NewsTables.h"
#include "PostgresCluster.h"
#include "TestDataFolder.h"
#include "logic/core/database/Database.h"
#include "logic/core/database/ParamStatements.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/internet/NewsFailure.h"
#include "logic/internet/NewsReader.h"

#include <QSqlQuery>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

const QString Code = QStringLiteral("AB123");

// A port of 127.0.0.1 where nothing listens: taken from the system, then let go.
quint16 ClosedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

QString Quoted(const QString& text) {
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QStringLiteral("''")) +
           QLatin1Char('\'');
}

// A news item as the maker stores it; serial "NULL" for a null one.
QString Item(int record, const QString& title, const QString& start, const QString& end,
             const QString& serial, int priority, int quarel = 1,
             const QString& text = QStringLiteral("κείμενο")) {
    return QStringLiteral("Insert Into Vnews (Record,Title,Text,DateStart,DateEnd,Serial,Priority,Quarel) "
                          "Values (%1,%2,%3,'%4','%5',%6,%7,%8)")
        .arg(record)
        .arg(Quoted(title), Quoted(text), start, end, serial == u"NULL" ? serial : Quoted(serial))
        .arg(priority)
        .arg(quarel);
}

} // namespace

// The news reader against a PostgreSQL server of the test's own, through the ODBC driver.
class NewsDatabaseTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The machine's ODBC drivers, and one whose library is not there. The driver manager
        // reads where they are listed once, at its first use.
        QFile drivers(QStringLiteral("/etc/odbcinst.ini"));
        QVERIFY(drivers.open(QIODevice::ReadOnly));
        QFile ours(m_odbc.filePath(QStringLiteral("odbcinst.ini")));
        QVERIFY(ours.open(QIODevice::WriteOnly));
        ours.write(drivers.readAll() + "\n[Orva Broken Driver]\nDriver=/nonexistent/libbroken.so\n");
        ours.close();
        qputenv("ODBCSYSINI", m_odbc.path().toLocal8Bit());

        QString error;
        QVERIFY2(m_cluster.start(QStringLiteral("Tavrinex_Sa"), &error), qPrintable(error));
        m_server = m_cluster.newsServer();
    }

    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        QVERIFY(m_folder->openDatabase());
        Program.DataVersion = QStringLiteral("1.01");
        Program.InstallationCode = Code;
        QString error;
        QVERIFY2(m_cluster.exec(QStringList{QStringLiteral("Drop Table If Exists Vnews"),
                                            QStringLiteral("Drop Table If Exists ReadingTracing")} +
                                    NewsTableStatements(),
                                &error),
                 qPrintable(error));
    }
    void cleanup() { m_folder.reset(); }

    void theCurrentItemsOfThisProgramComeByPriorityThenNewestFirst() {
        QString error;
        QVERIFY2(m_cluster.exec({Item(1, "Παλιό", "2024-03-01", "2024-03-14", "", 7),
                                 Item(2, "Αύριο", "2024-03-16", "2024-03-30", "", 7),
                                 Item(3, "Άλλο πρόγραμμα", "2024-03-01", "2024-03-30", "", 7, 2),
                                 Item(4, "Πρώτη μέρα", "2024-03-15", "2024-03-20", "", 5),
                                 Item(5, "Τελευταία μέρα", "2024-03-01", "2024-03-15", "", 5),
                                 Item(6, "Σημαντικό", "2024-02-01", "2024-04-01", "", 6)},
                                &error),
                 qPrintable(error));
        NewsConnection connection(m_server);
        QVERIFY2(connection.open(&error), qPrintable(error));
        const std::optional<QList<NewsRow>> rows =
            NewsStatements::SelectCurrent(connection.database(), QDate(2024, 3, 15), &error);
        QVERIFY2(rows, qPrintable(error));
        QList<int> records;
        for (const NewsRow& row : *rows)
            records << row.record;
        QCOMPARE(records, (QList<int>{6, 4, 5}));
        QCOMPARE(rows->first().title, QStringLiteral("Σημαντικό"));
        QCOMPARE(rows->first().dateStart.date(), QDate(2024, 2, 1));
        QCOMPARE(rows->first().serial.toString(), QString());
        QVERIFY(!rows->first().serial.isNull());
    }

    void withNoParamRowEveryTakenPriority7ItemPopsUpSixAtMost() {
        m_folder->exec(QStringLiteral("Delete From Param"));
        QStringList items;
        for (int i = 1; i <= 8; ++i)
            items << Item(i, QStringLiteral("Νέο %1").arg(i), QStringLiteral("2020-01-0%1").arg(i),
                          "2030-01-01", "", 7);
        items << Item(9, "Για άλλον", "2020-02-01", "2030-01-01", "ZZ999", 7)
              << Item(10, "Χωρίς σειριακό", "2020-02-01", "2030-01-01", "NULL", 7)
              << Item(11, "Για εμάς", "2020-02-02", "2030-01-01", Code, 7);
        QString error;
        QVERIFY2(m_cluster.exec(items, &error), qPrintable(error));
        const NewsReader::Refresh refresh = NewsReader::RefreshNews(m_server, QDate(2024, 3, 15), Code);
        QVERIFY2(refresh.ok, qPrintable(refresh.error));
        QCOMPARE(refresh.plan.popUps, (QList<int>{11, 8, 7, 6, 5, 4}));
        QCOMPARE(refresh.plan.listedRecords, (QList<int>{11, 8, 7, 6, 5, 4, 3, 2, 1}));
        QCOMPARE(refresh.plan.lines.first(), QStringLiteral("Για εμάς 02/02/2020"));
    }

    void theDayOfTheRefreshIsStoredAndReadBackAsTheSameDay() {
        QString error;
        QVERIFY2(m_cluster.exec({Item(1, "Πριν", "2024-03-10", "2030-01-01", "", 7),
                                 Item(2, "Μετά", "2024-03-16", "2030-01-01", "", 7)},
                                &error),
                 qPrintable(error));
        NewsReader::Refresh refresh = NewsReader::RefreshNews(m_server, QDate(2024, 3, 15), Code);
        QVERIFY2(refresh.ok, qPrintable(refresh.error));
        QCOMPARE(refresh.plan.popUps, QList<int>{1});
        QCOMPARE(SelectNewsDat(), QStringLiteral("15/03/2024"));
        // The next refresh takes that day as the last one.
        refresh = NewsReader::RefreshNews(m_server, QDate(2024, 3, 20), Code);
        QVERIFY2(refresh.ok, qPrintable(refresh.error));
        QCOMPARE(refresh.plan.popUps, QList<int>{2});
        QCOMPARE(SelectNewsDat(), QStringLiteral("20/03/2024"));
        refresh = NewsReader::RefreshNews(m_server, QDate(2024, 3, 20), Code);
        QVERIFY(refresh.plan.popUps.isEmpty());
    }

    void the201stItemIsNotListedAndReadingStopsThere() {
        QStringList items;
        for (int i = 1; i <= 200; ++i)
            items << Item(i, QStringLiteral("Θέμα %1").arg(i), "2024-01-01", "2030-01-01", "", 1);
        items << Item(201, "Δεύτερο σημαντικό", "2024-01-01", "2030-01-01", "", 6)
              << Item(202, "Πρώτο σημαντικό", "2024-01-02", "2030-01-01", "", 6);
        QString error;
        QVERIFY2(m_cluster.exec(items, &error), qPrintable(error));
        const NewsReader::Refresh refresh = NewsReader::RefreshNews(m_server, QDate(2024, 3, 15), Code);
        QVERIFY2(refresh.ok, qPrintable(refresh.error));
        // By priority the two of 6 come first, the newer first of them.
        QCOMPARE(refresh.plan.popUps, QList<int>{202});
        QCOMPARE(refresh.plan.listedRecords.size(), 200);
        QCOMPARE(refresh.plan.listedRecords.mid(0, 2), (QList<int>{202, 201}));
        // Two of the 200 of priority 1 are past the limit.
        int ordinary = 0;
        for (int record : refresh.plan.listedRecords)
            ordinary += record <= 200 ? 1 : 0;
        QCOMPARE(ordinary, 198);
    }

    void anOpenedArticleLeavesItsReadingTrace() {
        QString error;
        QVERIFY2(m_cluster.exec({Item(42, "Αλλαγές ΦΠΑ ", "2024-01-01", "2030-01-01", "", 1, 1,
                                      QStringLiteral("{\\rtf1 \\'c1}"))},
                                &error),
                 qPrintable(error));
        const QDateTime now(QDate(2024, 3, 15), QTime(9, 5, 7));
        NewsReader::Article article = NewsReader::OpenArticle(m_server, 42, now);
        QVERIFY2(article.ok, qPrintable(article.error));
        QVERIFY(article.found);
        QVERIFY(article.traced);
        QCOMPARE(article.article.title, QStringLiteral("Αλλαγές ΦΠΑ "));
        QCOMPARE(article.article.text, QStringLiteral("{\\rtf1 \\'c1}"));
        article = NewsReader::OpenArticle(m_server, 42, now.addSecs(60));
        QVERIFY(article.traced);

        NewsConnection connection(m_server);
        QVERIFY(connection.open(&error));
        QSqlQuery query(connection.database());
        QVERIFY(query.exec(
            QStringLiteral("Select RecordNum,DateOfRead,TimeOfRead,Program,SerialNum,ProgramUser,ReadArt "
                           "From ReadingTracing Order By RecordNum")));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 1);
        QCOMPARE(query.value(1).toDate(), QDate(2024, 3, 15));
        QCOMPARE(query.value(2).toString(), QStringLiteral("09:05:07"));
        QCOMPARE(query.value(3).toString(), QStringLiteral("Quarel 1.01"));
        QCOMPARE(query.value(4).toString(), Code);
        QCOMPARE(query.value(5).toString(), QStringLiteral("0"));
        QCOMPARE(query.value(6).toString(), QStringLiteral("Θεματα 42 Αλλαγές ΦΠΑ "));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 2);
        QCOMPARE(query.value(2).toString(), QStringLiteral("09:06:07"));
        QVERIFY(!query.next());
    }

    void anArticleThatIsNoLongerThereIsFoundMissing() {
        const NewsReader::Article article =
            NewsReader::OpenArticle(m_server, 99, QDateTime::currentDateTime());
        QVERIFY(article.ok);
        QVERIFY(!article.found);
    }

    void twoTraceInsertsRacingGetDifferentNumbers() {
        QString error;
        ReadingTrace trace{
            QDate(2024, 3, 15),  QStringLiteral("10:00:00"),       QStringLiteral("Quarel 1.01"), Code,
            QStringLiteral("0"), QStringLiteral("Θεματα 1 πρώτη ")};
        // The first installation has taken number 1 but not yet committed it.
        NewsConnection first(m_server);
        QVERIFY2(first.open(&error), qPrintable(error));
        QVERIFY(first.database().transaction());
        QVERIFY2(NewsStatements::InsertTrace(first.database(), trace, &error), qPrintable(error));

        // The second reads the same largest number and waits on the first one's key.
        bool secondOk = false;
        QString secondError;
        QThread* second = QThread::create([&] {
            NewsConnection connection(m_server);
            ReadingTrace other = trace;
            other.readArt = QStringLiteral("Θεματα 1 δεύτερη ");
            secondOk = connection.open(&secondError) &&
                       NewsStatements::InsertTrace(connection.database(), other, &secondError);
        });
        second->start();
        NewsConnection watcher(m_server);
        QVERIFY(watcher.open(&error));
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                QSqlQuery query(watcher.database());
                return query.exec(QStringLiteral(
                           "Select Count(*) From pg_stat_activity Where wait_event_type='Lock'")) &&
                       query.next() && query.value(0).toInt() == 1;
            }(),
            20000);
        QVERIFY(first.database().commit());
        QVERIFY(second->wait(20000));
        delete second;
        QVERIFY2(secondOk, qPrintable(secondError));

        QSqlQuery rows(watcher.database());
        QVERIFY(rows.exec(QStringLiteral("Select RecordNum,ReadArt From ReadingTracing Order By RecordNum")));
        QVERIFY(rows.next());
        QCOMPARE(rows.value(0).toInt(), 1);
        QCOMPARE(rows.value(1).toString(), QStringLiteral("Θεματα 1 πρώτη "));
        QVERIFY(rows.next());
        QCOMPARE(rows.value(0).toInt(), 2);
        QCOMPARE(rows.value(1).toString(), QStringLiteral("Θεματα 1 δεύτερη "));
        QVERIFY(!rows.next());
    }

    void onlyAKeyTakenInBetweenIsTriedAgain_data() {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("attempts");
        QTest::newRow("unique key") << QStringLiteral("23505") << 5;
        QTest::newRow("other failure") << QStringLiteral("P0001") << 1;
    }
    void onlyAKeyTakenInBetweenIsTriedAgain() {
        QFETCH(QString, state);
        QFETCH(int, attempts);
        // A trigger refuses every row with the given SQLSTATE and counts the attempts in a
        // sequence, which a failed statement does not roll back.
        QString error;
        QVERIFY2(
            m_cluster.exec({QStringLiteral("Drop Sequence If Exists Attempts"),
                            QStringLiteral("Create Sequence Attempts"),
                            QStringLiteral("Create Or Replace Function Refuse() Returns Trigger As $$ Begin "
                                           "Perform nextval('Attempts'); Raise Exception 'refused' Using "
                                           "Errcode = '%1'; End $$ Language plpgsql")
                                .arg(state),
                            QStringLiteral("Create Trigger Refusing Before Insert On ReadingTracing "
                                           "For Each Row Execute Function Refuse()")},
                           &error),
            qPrintable(error));
        NewsConnection connection(m_server);
        QVERIFY(connection.open(&error));
        const ReadingTrace trace{
            QDate(2024, 3, 15),  QStringLiteral("10:00:00"), QStringLiteral("Quarel 1.01"), Code,
            QStringLiteral("0"), QStringLiteral("Θεματα 1 ")};
        QVERIFY(!NewsStatements::InsertTrace(connection.database(), trace, &error, 5));
        QVERIFY2(error.contains(QStringLiteral("refused")), qPrintable(error));
        QSqlQuery count(connection.database());
        QVERIFY(count.exec(QStringLiteral("Select last_value From Attempts")) && count.next());
        QCOMPARE(count.value(0).toInt(), attempts);
    }

    void aStoppedServerOrAClosedLocalDatabaseFailTheRefreshAndStoreNothing() {
        QString error;
        QVERIFY(m_cluster.exec({Item(1, "Ένα", "2024-01-01", "2030-01-01", "", 7)}, &error));
        UpdateNewsDat(QStringLiteral("01/03/2024"));
        CloseDatabase();
        NewsReader::Refresh refresh = NewsReader::RefreshNews(m_server, QDate(2024, 3, 15), Code);
        QVERIFY(!refresh.ok);
        QVERIFY(refresh.plan.popUps.isEmpty());
        QVERIFY(m_folder->openDatabase());

        QVERIFY(m_cluster.stop());
        refresh = NewsReader::RefreshNews(m_server, QDate(2024, 3, 15), Code);
        QVERIFY(!refresh.ok);
        QVERIFY(!refresh.error.isEmpty());
        QCOMPARE(SelectNewsDat(), QStringLiteral("01/03/2024"));
        const NewsReader::Article article =
            NewsReader::OpenArticle(m_server, 1, QDateTime::currentDateTime());
        QVERIFY(!article.ok);
        QVERIFY2(m_cluster.restart(&error), qPrintable(error));
        refresh = NewsReader::RefreshNews(m_server, QDate(2024, 3, 15), Code);
        QVERIFY2(refresh.ok, qPrintable(refresh.error));
    }

    // A refresh that fails is told by its real cause in Greek: what this machine lacks for the
    // news, a server that cannot be found or does not answer, one that refuses the user or
    // the database, news that cannot be read.
    void aFailedRefreshTellsItsCause_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("cause");
        QTest::newRow("a driver this machine lacks")
            << "Driver"
            << "Orva Missing Driver"
            << "Ο οδηγός ODBC «Orva Missing Driver» του διακομιστή ειδήσεων δεν είναι εγκατεστημένος.";
        QTest::newRow("a driver whose library is gone")
            << "Driver"
            << "Orva Broken Driver"
            << "Ο οδηγός ODBC «Orva Broken Driver» του διακομιστή ειδήσεων δεν είναι εγκατεστημένος.";
        QTest::newRow("a server nobody knows") << "Server"
                                               << "news.invalid"
                                               << "Ο διακομιστής ειδήσεων «news.invalid» δεν απαντά.";
        QTest::newRow("a port where nothing listens") << "Port"
                                                      << "closed"
                                                      << "Ο διακομιστής ειδήσεων «127.0.0.1» δεν απαντά.";
        QTest::newRow("a wrong password") << "Password"
                                          << "wrong"
                                          << "Ο διακομιστής ειδήσεων δεν δέχτηκε τον χρήστη ή τον κωδικό.";
        QTest::newRow("a database that is not there")
            << "Database"
            << "Elsewhere"
            << "Η βάση «Elsewhere» δεν υπάρχει στον διακομιστή ειδήσεων.";
        QTest::newRow("news that cannot be read") << "Vnews"
                                                  << "dropped"
                                                  << "Ο διακομιστής ειδήσεων «127.0.0.1» απάντησε με σφάλμα.";
    }
    void aFailedRefreshTellsItsCause() {
        QFETCH(QString, setting);
        QFETCH(QString, value);
        QFETCH(QString, cause);
        NewsServer server = m_server;
        if (setting == u"Driver")
            server.driver = value;
        else if (setting == u"Server")
            server.server = value;
        else if (setting == u"Port")
            server.port = QString::number(ClosedPort());
        else if (setting == u"Password")
            server.password = value;
        else if (setting == u"Database")
            server.database = value;
        QString error;
        if (setting == u"Vnews")
            QVERIFY(m_cluster.exec({QStringLiteral("Drop Table Vnews")}, &error));
        const NewsReader::Refresh refresh = NewsReader::RefreshNews(server, QDate(2024, 3, 15), Code);
        QVERIFY(!refresh.ok);
        const Failure failure = NewsServerFailure(server, refresh.error);
        QVERIFY2(failure.text.startsWith(cause), qPrintable(failure.text + u'\n' + refresh.error));
        QCOMPARE(failure.details, refresh.error);
    }

    void theConnectionStringWritesEverySettingAndBracesWhatNeedsThem() {
        NewsServer server;
        server.driver = QStringLiteral("FreeTDS");
        server.server = QStringLiteral("news.example.gr");
        server.port = QStringLiteral("1433");
        server.database = QStringLiteral("Tavrinex_Sa");
        server.user = QStringLiteral("reader");
        server.password = QStringLiteral("p;w}d");
        server.options = QStringLiteral("TDS_Version=7.4; ClientCharset=UTF-8");
        QCOMPARE(server.connectionString(),
                 QStringLiteral(
                     "Driver={FreeTDS};Server=news.example.gr;Port=1433;Database=Tavrinex_Sa;Uid=reader;"
                     "Pwd={p;w}}d};TDS_Version=7.4;ClientCharset=UTF-8;"));
        QVERIFY(server.configured());
        server.server = QStringLiteral("  ");
        QVERIFY(!server.configured());
    }

private:
    QTemporaryDir m_odbc;
    PostgresCluster m_cluster;
    NewsServer m_server;
    std::unique_ptr<TestDataFolder> m_folder;
};

QTEST_GUILESS_MAIN(NewsDatabaseTest)
#include "NewsDatabaseTest.moc"
