#include "ApiTestData.h"
#include "FakeApi.h"
#include "TestDataFolder.h"
#include "logic/core/database/SubmissionStatements.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QSettings>
#include <QSqlQuery>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

// "orva submit" and "orva history" as a user runs them, the real executable against the
// fake API served by this test: what it prints, what it writes, what the server received
// and how it ends.
class SubmitCommandTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        m_api = std::make_unique<FakeApi>();
        QVERIFY(m_api->listen());
        QVERIFY(m_folder->openDatabase());
        m_a = ValidAfm(10000001);
        m_b = ValidAfm(20000002);
        m_folder->exec(
            u"Insert Into Ergaz (Eafm,Eepon,Eypo) Values ('%1','ΑΛΕΞΙΟΥ ΜΑΡΙΑ','0'),"
            u"('%2','ΒΑΣΙΛΕΙΟΥ ΝΙΚΟΣ ΠΕΤΡΟΣ','12 Πειραιά'),('300000000','ΓΕΩΡΓΙΟΥ','0')"_s.arg(m_a, m_b));
        m_folder->exec(u"Insert Into Kins (Eafm,Kdate,Korario,Kparat) Values "
                       u"('%1','20240305','8:00-12:00 και 18:00-22:00',''),('%1','20240306','ρεπό',''),"
                       u"('%2','20240305','22:00-06:00','νύχτα'),('300000000','20240305','9:00-17:00',''),"
                       u"('%1','20240401','9:00-17:00','')"_s.arg(m_a, m_b));
        QVERIFY(UpdateApiAccount({m_api->userName, m_api->password}).ok());
        CloseDatabase();
        QSettings ini(m_folder->file(u"Orva.ini"_s), QSettings::IniFormat);
        ini.setValue(u"Api/Base"_s, m_api->base());
        ini.setValue(u"Api/RetryWaitSeconds"_s, u"0"_s);
        // Long enough for a loaded machine; the stall case shortens it.
        ini.setValue(u"Api/TimeoutSeconds"_s, u"20"_s);
    }
    void cleanup() {
        m_api.reset();
        m_folder.reset();
    }

    // A dry run prints what would go and writes the exact bodies of the calls; nothing
    // reaches the server.
    void aDryRunWritesTheExactJson() {
        QTemporaryDir out;
        const QString json = out.filePath(u"calls.json"_s);
        const Run run = orva({u"submit"_s, u"--from"_s, u"01/03/2024"_s, u"--to"_s, u"31/03/2024"_s,
                              u"--dry-run"_s, u"--out"_s, json});
        QCOMPARE(run.status, 0);
        QVERIFY(m_api->calls.isEmpty());
        QFile file(json);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(MatchesGolden(u"dry_run.json"_s, file.readAll()));
        QVERIFY(
            run.out.startsWith(u"Θα σταλούν 3 κινήσεις σε 2 έντυπα (ένα για κάθε υποκατάστημα). 1 κίνηση δεν "
                               u"μπορεί να σταλεί."_s));
        QVERIFY(run.out.contains(u"  06/03/2024  %1  ΑΛΕΞΙΟΥ ΜΑΡΙΑ  ανάπαυση"_s.arg(m_a)));
        QVERIFY(run.out.contains(u"  05/03/2024  300000000  ΓΕΩΡΓΙΟΥ: "_s));
    }

    // A real run sends one call per branch, prints each document's protocol, keeps them in
    // the history and ends with 0 only when every entry was accepted (one is unsendable
    // here: 1); sent again, what was accepted is not sent a second time.
    void submittingSendsPrintsAndKeepsTheProtocols() {
        Run run = orva({u"submit"_s, u"--from"_s, u"01/03/2024"_s, u"--to"_s, u"31/03/2024"_s,
                        u"--afm-from"_s, u"1"_s, u"--afm-to"_s, u"2"_s});
        QCOMPARE(run.status, 0);
        QCOMPARE(m_api->documentCalls(), 2);
        QCOMPARE(m_api->accepted.size(), 3);
        QVERIFY(run.out.contains(u"Υποκατάστημα 0 (2 κινήσεις): Πρωτόκολλο ΕΥ1000, υποβολή "_s));
        QVERIFY(run.out.contains(u"Υποκατάστημα 12 (1 κίνηση): Πρωτόκολλο ΕΥ1001, υποβολή "_s));
        QVERIFY(!run.err.contains(m_api->password));
        QVERIFY(!run.out.contains(m_api->password));

        run = orva({u"submit"_s, u"--from"_s, u"05/03/2024"_s, u"--to"_s, u"06/03/2024"_s});
        QCOMPARE(run.status, 1); // the employee without a first name
        QCOMPARE(m_api->documentCalls(), 2);
        QVERIFY2(
            run.out.startsWith(u"3 κινήσεις έχουν ήδη υποβληθεί με το ίδιο ωράριο. 1 κίνηση δεν μπορεί να "
                               u"σταλεί."_s),
            qPrintable(run.out));
        QVERIFY(run.out.contains(u"Έχουν ήδη υποβληθεί με το ίδιο ωράριο και δεν στέλνονται ξανά:"_s));

        QTemporaryDir out;
        const QString text = out.filePath(u"history.txt"_s);
        run = orva({u"history"_s, u"--afm"_s, m_b, u"--format"_s, u"txt"_s, u"--charset"_s, u"windows"_s,
                    u"--out"_s, text});
        QCOMPARE(run.status, 0);
        QFile file(text);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString written = QStringDecoder("windows-1253").decode(file.readAll());
        QVERIFY(written.contains(u"Ιστορικό Υποβολών"_s));
        QVERIFY(written.contains(u"ΕΥ1001"_s));
        QVERIFY(!written.contains(u"ΕΥ1000"_s));
        QCOMPARE(orva({u"history"_s, u"--afm"_s, u"9"_s, u"--out"_s, text}).status, 3);
    }

    void theServerRefusingOrStallingHasItsOwnStatus_data() {
        QTest::addColumn<bool>("stall");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("state");
        QTest::newRow("400") << false << 7 << QString();
        QTest::newRow("no answer") << true << 8 << u"unknown"_s;
    }
    void theServerRefusingOrStallingHasItsOwnStatus() {
        QFETCH(bool, stall);
        QFETCH(int, status);
        QFETCH(QString, state);
        m_api->stallNextDocument = stall;
        if (stall)
            QSettings(m_folder->file(u"Orva.ini"_s), QSettings::IniFormat)
                .setValue(u"Api/TimeoutSeconds"_s, u"2"_s);
        if (!stall)
            m_api->refuseNextDocument = u"Λάθος παράρτημα"_s;
        const Run run = orva({u"submit"_s, u"--from"_s, u"05/03/2024"_s, u"--to"_s, u"05/03/2024"_s,
                              u"--mask"_s, m_a.left(3) + u'*'});
        QCOMPARE(run.status, status);
        QCOMPARE(m_api->documentCalls(), 1);
        if (!stall)
            QVERIFY(run.out.contains(u"«Λάθος παράρτημα»"_s));
        QVERIFY(m_folder->openDatabase());
        QSqlQuery query(DbConnection());
        QVERIFY(query.exec(u"Select Sstate From Submissions"_s));
        QStringList states;
        while (query.next())
            states << query.value(0).toString();
        QCOMPARE(states, state.isEmpty() ? QStringList{} : QStringList{state});
    }

    void wrongLinesAndMissingAccountsAreTold() {
        QCOMPARE(orva({u"submit"_s, u"--from"_s, u"01/03/2024"_s}).status, 2);
        QCOMPARE(orva({u"submit"_s, u"--from"_s, u"01/03/2024"_s, u"--to"_s, u"02/03/2024"_s, u"--out"_s,
                       u"x.json"_s})
                     .status,
                 2);
        QVERIFY(m_folder->openDatabase());
        QVERIFY(UpdateApiAccount({}).ok());
        CloseDatabase();
        const Run run = orva({u"submit"_s, u"--from"_s, u"05/03/2024"_s, u"--to"_s, u"05/03/2024"_s});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains(u"«Παράμετροι Σύνδεσης»"_s));
        QVERIFY(m_api->calls.isEmpty());
    }

private:
    struct Run {
        int status = -1;
        QString out;
        QString err;
    };

    // Runs orva on the test's data folder while this process goes on serving the API.
    Run orva(QStringList arguments) {
        arguments.prepend(m_folder->path());
        arguments.prepend(u"--data-dir"_s);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ORVA_EXECUTABLE), arguments);
        Run run;
        if (!process.waitForStarted(10000))
            return run;
        // The event loop keeps turning meanwhile: the fake API answers from this process.
        QDeadlineTimer deadline(60000);
        while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(20);
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<FakeApi> m_api;
    QString m_a;
    QString m_b;
};

QTEST_GUILESS_MAIN(SubmitCommandTest)
#include "SubmitCommandTest.moc"
