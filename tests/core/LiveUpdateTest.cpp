#include "LatinSentences.h"
#include "RunningMain.h"
#include "VersionServer.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/update/VersionFile.h"

#include <QCursor>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QString NothingNewer = QStringLiteral("Δεν υπάρχουν νεώτερα στοιχεία στο Internet.");
const QString NewerQuestion =
    QStringLiteral("Yπάρχει νεώτερη έκδοση προγράμματος στο Internet.\r\nΝα γίνει η ενημέρωση;");

} // namespace

// The update check against local web servers, from the toolbar's "Live Update" and from the
// update timer, through the real main window.
class LiveUpdateTest : public QObject {
    Q_OBJECT
private slots:
    void init() { m_run = std::make_unique<RunningMain>(); }
    void cleanup() { m_run.reset(); }

    void theVersionFileRule_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("newer");
        QTest::newRow("1.02 against 1.01") << PublishedVersion("1.02") << true;
        QTest::newRow("1.10 against 1.01") << PublishedVersion("1.10") << true;
        QTest::newRow("1.01 against 1.01") << PublishedVersion("1.01") << false;
        QTest::newRow("0.99 against 1.01") << PublishedVersion("0.99") << false;
        QTest::newRow("19 characters") << PublishedVersion("1.02").left(19) << false;
        QTest::newRow("21 characters") << PublishedVersion("1.02") + '\n' << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void theVersionFileRule() {
        QFETCH(QByteArray, text);
        QFETCH(bool, newer);
        QCOMPARE(VersionFile::IsNewer(text, QStringLiteral("1.01")), newer);
    }

    void theAddressIsTheHostAndTheFixedPath() {
        QCOMPARE(VersionFile::Address(QStringLiteral("http://updates.example")).toString(),
                 QStringLiteral("http://updates.example/sse/orva/int.ver"));
        QCOMPARE(VersionFile::Address(QStringLiteral(" https://updates.example:8443/ ")).toString(),
                 QStringLiteral("https://updates.example:8443/sse/orva/int.ver"));
        for (const char* wrong : {"", "updates.example", "ftp://updates.example", "http://"})
            QVERIFY2(!VersionFile::Address(QString::fromLatin1(wrong)).isValid(), wrong);
    }

    void theToolbarStartsTheUpdaterOfANewerVersionAndEnds() {
        VersionServer server(PublishedVersion("1.02"));
        QVERIFY(server.listening());
        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), server.base());
        m_run->touch(QStringLiteral("LiveUpd"));
        m_run->main->setUpdateTimerInterval(45000);

        m_run->press(5);
        QCOMPARE(server.requests.size(), 1);
        QCOMPARE(server.requests.at(0).path, QStringLiteral("/sse/orva/int.ver"));
        QCOMPARE(server.requests.at(0).userAgent, QByteArray("LiveUpdate"));
        QCOMPARE(server.requests.at(0).cacheControl, QByteArray("no-cache"));
        QVERIFY(m_run->dialogs.boxes.isEmpty());
        QCOMPARE(m_run->processes.started.size(), 1);
        QCOMPARE(m_run->processes.started.at(0).program, m_run->file(QStringLiteral("LiveUpd")));
        QCOMPARE(m_run->processes.started.at(0).arguments, QStringList());
        QCOMPARE(m_run->processes.started.at(0).workingFolder, m_run->path());
        QVERIFY(m_run->main->hasEnded());
        QCOMPARE(m_run->main->exitCode(), 0);
        QCOMPARE(m_run->main->updateTimerInterval(), 0);
    }

    void theToolbarSaysWhenNothingIsNewer_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("1.01") << PublishedVersion("1.01");
        QTest::newRow("0.99") << PublishedVersion("0.99");
        QTest::newRow("a web page") << QByteArray("<html><body>Not here</body></html>");
    }
    void theToolbarSaysWhenNothingIsNewer() {
        QFETCH(QByteArray, text);
        VersionServer server(text);
        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), server.base());
        m_run->touch(QStringLiteral("LiveUpd"));
        m_run->press(5);
        QCOMPARE(m_run->dialogs.boxes.size(), 1);
        const MessageBox box = m_run->dialogs.boxes.at(0);
        QCOMPARE(box.title, QStringLiteral("LiveUpdate"));
        QCOMPARE(box.text, NothingNewer);
        QCOMPARE(box.icon, MsgIcon::Information);
        QCOMPARE(box.buttons, MsgButtons::Ok);
        QVERIFY(m_run->processes.started.isEmpty());
        QVERIFY(!m_run->main->hasEnded());
    }

    void aPrimaryWithoutAVersionFileMakesTheFallbackBeAsked() {
        VersionServer primary(PublishedVersion("1.02").left(19));
        VersionServer fallback(PublishedVersion("1.02"));
        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), primary.base());
        m_run->settings.set(QStringLiteral("Update/FallbackHost"), fallback.base() + QLatin1Char('/'));
        m_run->touch(QStringLiteral("LiveUpd"));
        m_run->press(5);
        QCOMPARE(primary.requests.size(), 1);
        QCOMPARE(fallback.requests.size(), 1);
        QCOMPARE(fallback.requests.at(0).path, QStringLiteral("/sse/orva/int.ver"));
        QCOMPARE(m_run->processes.started.size(), 1);
        QVERIFY(m_run->main->hasEnded());
    }

    void aPrimaryAnsweringWithAnErrorMakesTheFallbackBeAsked() {
        // The error page is 20 characters long and still no version file.
        VersionServer primary(PublishedVersion("1.02"), QHttpServerResponse::StatusCode::NotFound);
        VersionServer fallback(PublishedVersion("1.01"));
        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), primary.base());
        m_run->settings.set(QStringLiteral("Update/FallbackHost"), fallback.base());
        m_run->press(5);
        QCOMPARE(primary.requests.size(), 1);
        QCOMPARE(fallback.requests.size(), 1);
        QCOMPARE(m_run->dialogs.boxes.size(), 1);
        QCOMPARE(m_run->dialogs.boxes.at(0).text, NothingNewer);
        QVERIFY(m_run->processes.started.isEmpty());
    }

    void aPrimaryWithAVersionFileLeavesTheFallbackAlone() {
        VersionServer primary(PublishedVersion("1.01"));
        VersionServer fallback(PublishedVersion("1.02"));
        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), primary.base());
        m_run->settings.set(QStringLiteral("Update/FallbackHost"), fallback.base());
        m_run->press(5);
        QCOMPARE(primary.requests.size(), 1);
        QCOMPARE(fallback.requests.size(), 0);
        QCOMPARE(m_run->dialogs.boxes.at(0).text, NothingNewer);
    }

    void anUnreachablePrimaryAndFallbackAreReportedFromTheToolbar() {
        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), ClosedAddress());
        m_run->settings.set(QStringLiteral("Update/FallbackHost"), ClosedAddress());
        m_run->press(5);
        QCOMPARE(m_run->dialogs.boxes.size(), 1);
        const MessageBox box = m_run->dialogs.boxes.at(0);
        QCOMPARE(box.title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QCOMPARE(box.icon, MsgIcon::Critical);
        const QStringList lines = box.text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.at(0), QStringLiteral("Ο έλεγχος για νεώτερη έκδοση δεν έγινε."));
        QCOMPARE(lines.at(1), QStringLiteral("Ο διακομιστής 127.0.0.1 δεν έδωσε το αρχείο της έκδοσης: ο "
                                             "διακομιστής αρνήθηκε τη σύνδεση."));
        QVERIFY2(LatinSentences(box.text).isEmpty(), qPrintable(box.text));
        // Both addresses and the network library's own words, for whoever supports the user.
        QCOMPARE(box.details.count(QStringLiteral("/sse/orva/int.ver: ")), 2);
        QVERIFY(m_run->processes.started.isEmpty());
        QVERIFY(!m_run->main->hasEnded());
    }

    void withoutAnUpdateHostTheToolbarSaysWhereToSetIt() {
        m_run->press(5);
        QCOMPARE(m_run->dialogs.boxes.size(), 1);
        QVERIFY(m_run->dialogs.boxes.at(0).text.endsWith(QStringLiteral(
            "Ορίστε τον στις «Βοηθητικές → Ρυθμίσεις Εγκατάστασης», στη ρύθμιση «Update/PrimaryHost».")));

        m_run->dialogs.clear();
        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), QStringLiteral("updates.example"));
        m_run->press(5);
        QCOMPARE(m_run->dialogs.boxes.size(), 1);
        QCOMPARE(m_run->dialogs.boxes.at(0).title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QVERIFY(m_run->dialogs.boxes.at(0).text.contains(QStringLiteral("«Update/PrimaryHost»")));
        QVERIFY(m_run->dialogs.boxes.at(0).text.contains(QStringLiteral("«updates.example»")));
    }

    void aHostWithAQueryOrFragmentIsNeverAsked() {
        VersionServer server(PublishedVersion("1.02"));
        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), server.base() + QStringLiteral("/?x="));
        m_run->settings.set(QStringLiteral("Update/FallbackHost"), server.base() + QStringLiteral("#top"));
        m_run->press(5);
        QVERIFY(server.requests.isEmpty());
        QCOMPARE(m_run->dialogs.boxes.size(), 1);
        const QString text = m_run->dialogs.boxes.at(0).text;
        QVERIFY(text.contains(QStringLiteral("«Update/PrimaryHost»")));
        QVERIFY(text.contains(QStringLiteral("«Update/FallbackHost»")));
        QVERIFY(text.contains(QStringLiteral("«?» ή «#»")));
    }

    void theWaitIsBoundedKeepsTheWindowsResponsiveAndRunsOneCheckAtATime() {
        SilentServer silent;
        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), silent.base());
        m_run->settings.set(QStringLiteral("Update/TimeoutSeconds"), QStringLiteral("1"));
        bool ticked = false;
        QTimer::singleShot(50, m_run->main.get(), [&] {
            ticked = true;
            m_run->press(5); // a second press while the first waits
        });
        bool tickedBeforeTheBox = false;
        m_run->dialogs.onMessage = [&](const MessageBox&) { tickedBeforeTheBox = ticked; };
        m_run->press(5);
        QVERIFY(tickedBeforeTheBox);
        QCOMPARE(silent.connections(), 1);
        QCOMPARE(m_run->dialogs.boxes.size(), 1);
        QCOMPARE(m_run->dialogs.boxes.at(0).title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QVERIFY2(
            m_run->dialogs.boxes.at(0).text.contains(QStringLiteral("δεν απάντησε μέσα σε 1 δευτερόλεπτα")),
            qPrintable(m_run->dialogs.boxes.at(0).text));
    }

    void theTimersCheckShowsNothingWhenThereIsNothingNewer() {
        VersionServer server(PublishedVersion("1.01"));
        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), server.base());
        fireTimer();
        QCOMPARE(server.requests.size(), 1);
        QVERIFY(m_run->dialogs.boxes.isEmpty());

        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), ClosedAddress());
        m_run->settings.set(QStringLiteral("Update/FallbackHost"), ClosedAddress());
        fireTimer();
        QVERIFY(m_run->dialogs.boxes.isEmpty());

        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), QString());
        m_run->settings.set(QStringLiteral("Update/FallbackHost"), QString());
        fireTimer();
        QVERIFY(m_run->dialogs.boxes.isEmpty());
        QVERIFY(m_run->processes.started.isEmpty());
        QVERIFY(!m_run->main->hasEnded());
    }

    void theTimersCheckOffersANewerVersion_data() {
        QTest::addColumn<MsgAnswer>("answer");
        QTest::newRow("Yes starts the updater and ends") << MsgAnswer::Yes;
        QTest::newRow("No goes on") << MsgAnswer::No;
    }
    void theTimersCheckOffersANewerVersion() {
        QFETCH(MsgAnswer, answer);
        VersionServer server(PublishedVersion("1.02"));
        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), server.base());
        m_run->touch(QStringLiteral("LiveUpd"));
        m_run->dialogs.answers = {answer};
        fireTimer();
        QCOMPARE(m_run->dialogs.boxes.size(), 1);
        const MessageBox box = m_run->dialogs.boxes.at(0);
        QCOMPARE(box.title, QStringLiteral("LiveUpdate"));
        QCOMPARE(box.text, NewerQuestion);
        QCOMPARE(box.icon, MsgIcon::Information);
        QCOMPARE(box.buttons, MsgButtons::YesNo);
        const bool yes = answer == MsgAnswer::Yes;
        QCOMPARE(m_run->processes.started.size(), yes ? 1 : 0);
        QCOMPARE(m_run->main->hasEnded(), yes);
    }

    void aMissingUpdaterAfterYesIsNamedAndTheProgramGoesOn() {
        VersionServer server(PublishedVersion("1.02"));
        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), server.base());
        m_run->dialogs.answers = {MsgAnswer::Yes};
        fireTimer();
        QCOMPARE(m_run->dialogs.boxes.size(), 2);
        const MessageBox box = m_run->dialogs.boxes.at(1);
        QCOMPARE(box.title, QStringLiteral("ΠΡΟΣΟΧΗ"));
        QCOMPARE(box.icon, MsgIcon::Critical);
        QVERIFY(box.text.contains(m_run->file(QStringLiteral("LiveUpd"))));
        QVERIFY(box.text.contains(QLatin1String("Update/UpdaterProgram")));
        QVERIFY(m_run->processes.started.isEmpty());
        QVERIFY(!m_run->main->hasEnded());
    }

    // A version file that never ends is given up once it is longer than the rule's twenty
    // characters, and the fallback is asked; the program reads no more of it.
    void aVersionFileThatNeverEndsIsGivenUp() {
        EndlessServer endless;
        VersionServer fallback(PublishedVersion("1.01"));
        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), endless.base());
        m_run->settings.set(QStringLiteral("Update/FallbackHost"), fallback.base());
        // Long enough that only giving up early ends the wait.
        m_run->settings.set(QStringLiteral("Update/TimeoutSeconds"), QStringLiteral("120"));
        m_run->press(5);
        QCOMPARE(endless.connections(), 1);
        QCOMPARE(fallback.requests.size(), 1);
        QCOMPARE(m_run->dialogs.boxes.size(), 1);
        QCOMPARE(m_run->dialogs.boxes.at(0).text, NothingNewer);
        QTRY_VERIFY(endless.closedByClient());
        QVERIFY2(endless.sent() < 16 * 1024 * 1024, qPrintable(QString::number(endless.sent())));
    }

    // The toolbar's button pressed while the timer's check waits is answered when that check
    // ends, as the toolbar answers.
    void aPressDuringTheTimersCheckIsAnswered_data() {
        QTest::addColumn<QByteArray>("published");
        QTest::newRow("nothing newer") << PublishedVersion("1.01");
        QTest::newRow("a newer version") << PublishedVersion("1.02");
    }
    void aPressDuringTheTimersCheckIsAnswered() {
        QFETCH(QByteArray, published);
        HeldServer server;
        m_run->settings.set(QStringLiteral("Update/PrimaryHost"), server.base());
        m_run->settings.set(QStringLiteral("Update/TimeoutSeconds"), QStringLiteral("120"));
        m_run->touch(QStringLiteral("LiveUpd"));
        bool pressed = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (!server.waiting() || pressed)
                return;
            pressed = true;
            m_run->press(5);
            QCOMPARE(QGuiApplication::overrideCursor() ? QGuiApplication::overrideCursor()->shape()
                                                       : Qt::ArrowCursor,
                     Qt::WaitCursor);
            server.answer(published);
        });
        poll.start(5);
        fireTimer();
        QVERIFY(pressed);
        QVERIFY(!QGuiApplication::overrideCursor());
        const bool newer = published == PublishedVersion("1.02");
        if (newer) {
            // As from the toolbar: the updater starts without a question.
            QVERIFY(m_run->dialogs.boxes.isEmpty());
            QCOMPARE(m_run->processes.started.size(), 1);
            QVERIFY(m_run->main->hasEnded());
        } else {
            QCOMPARE(m_run->dialogs.boxes.size(), 1);
            QCOMPARE(m_run->dialogs.boxes.at(0).text, NothingNewer);
            QVERIFY(m_run->processes.started.isEmpty());
        }
    }

private:
    // Lets the update timer fire; the check has run when the spy's wait returns.
    void fireTimer() {
        QSignalSpy fired(m_run->main.get(), &Main::updateTimerFired);
        m_run->main->setUpdateTimerInterval(10);
        QVERIFY(fired.wait(5000));
        QCOMPARE(m_run->main->updateTimerInterval(), 0);
    }

    std::unique_ptr<RunningMain> m_run;
};

QTEST_MAIN(LiveUpdateTest)
#include "LiveUpdateTest.moc"
