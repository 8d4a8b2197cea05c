#include "logic/internet/ApiSubmission.h"
#include "ApiTestData.h"
#include "FakeApi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

// The client against the fake API on 127.0.0.1: what the server received and what became
// of each document when the server logs in, refuses, is unavailable, expires the token or
// never answers.
class ApiSubmissionTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_api = std::make_unique<FakeApi>();
        QVERIFY(m_api->listen());
        m_progress.clear();
    }
    void cleanup() {
        m_submission.reset();
        m_api.reset();
    }

    void oneEntryIsAcceptedWithItsProtocol() {
        const SubmissionPlan plan =
            PlanSubmission({MakeEntry(ValidAfm(10000001), u"20240312"_s, u"08:00-16:00"_s)});
        run(plan.documents);
        QCOMPARE(m_api->loginUsers, QStringList{m_api->userName});
        QCOMPARE(m_api->documentCalls(), 1);
        QCOMPARE(m_api->calls.last().authorization, QByteArray("Bearer token-1"));
        QCOMPARE(m_api->lastDocumentBody(), plan.documents.first().requestBody());
        const DocumentOutcome& outcome = m_submission->outcomes().first();
        QCOMPARE(outcome.state, DocumentOutcome::Accepted);
        QCOMPARE(outcome.protocol, m_api->accepted.first().protocol);
        QVERIFY(!outcome.submitDate.isEmpty());
        QVERIFY(!outcome.documentId.isEmpty());
        QCOMPARE(m_api->accepted.size(), 1);
        QCOMPARE(m_api->accepted.first().date, u"12/03/2024"_s);
    }

    // Two branches go in two calls, each with its own protocol; a month of 50 employees is
    // one call per branch.
    void aMonthOfFiftyEmployeesOnTwoBranchesIsTwoCalls() {
        QList<ApiEntry> entries;
        for (int e = 0; e < 50; ++e)
            for (int day = 1; day <= 31; ++day)
                entries << MakeEntry(ValidAfm(60000000 + e), u"202401%1"_s.arg(day, 2, 10, QLatin1Char('0')),
                                     day % 7 ? u"09:00-13:00, 17:00-21:00"_s : u"ΡΕΠΟ"_s,
                                     u"ΕΠΩΝΥΜΟ%1 ΟΝΟΜΑ"_s.arg(e), e < 30 ? u"1"_s : u"2 Λάρισα"_s);
        run(PlanSubmission(entries).documents);
        QCOMPARE(m_api->documentCalls(), 2);
        QCOMPARE(m_submission->count(DocumentOutcome::Accepted), 2);
        QCOMPARE(m_api->accepted.size(), 50 * 31);
        QVERIFY(m_api->acceptedTwice().isEmpty());
        QVERIFY(m_submission->outcomes().at(0).protocol != m_submission->outcomes().at(1).protocol);
    }

    void anExpiredTokenLeadsToOneLoginAndOneResend() {
        const SubmissionPlan plan =
            PlanSubmission({MakeEntry(ValidAfm(10000001), u"20240312"_s, u"08:00-16:00"_s)});
        // The token dies right after the first login.
        connect(m_api.get(), &FakeApi::callAnswered, this, [this](const QString& path) {
            if (path.endsWith(u"/Authentication"_s) && m_api->loginCalls() == 1)
                m_api->expireTokens();
        });
        run(plan.documents);
        QCOMPARE(m_api->loginCalls(), 2);
        QCOMPARE(m_api->documentCalls(), 2);
        QCOMPARE(m_api->calls.at(1).status, 401);
        QCOMPARE(m_submission->outcomes().first().state, DocumentOutcome::Accepted);
        QCOMPARE(m_api->accepted.size(), 1);
    }

    void aTokenRefusedAfterTheNewLoginIsNotTriedAgain() {
        const SubmissionPlan plan =
            PlanSubmission({MakeEntry(ValidAfm(10000001), u"20240312"_s, u"08:00-16:00"_s)});
        connect(m_api.get(), &FakeApi::callAnswered, this, [this](const QString& path) {
            if (path.endsWith(u"/Authentication"_s))
                m_api->expireTokens();
        });
        run(plan.documents);
        QCOMPARE(m_api->loginCalls(), 2);
        QCOMPARE(m_api->documentCalls(), 2);
        QCOMPARE(m_submission->outcomes().first().state, DocumentOutcome::NotSent);
    }

    void anUnavailableServiceIsTriedThreeTimes_data() {
        QTest::addColumn<int>("unavailable");
        QTest::addColumn<int>("calls");
        QTest::addColumn<int>("state");
        QTest::newRow("503 twice, then accepted") << 2 << 3 << int(DocumentOutcome::Accepted);
        QTest::newRow("503 three times") << 3 << 3 << int(DocumentOutcome::NotSent);
    }
    void anUnavailableServiceIsTriedThreeTimes() {
        QFETCH(int, unavailable);
        QFETCH(int, calls);
        QFETCH(int, state);
        const SubmissionPlan plan =
            PlanSubmission({MakeEntry(ValidAfm(10000001), u"20240312"_s, u"08:00-16:00"_s),
                            MakeEntry(ValidAfm(10000002), u"20240312"_s, u"08:00-16:00"_s, u"ΑΛΦΑ ΒΗΤΑ"_s)});
        m_api->unavailableDocuments = unavailable;
        run(plan.documents);
        QCOMPARE(m_api->documentCalls(), calls);
        QCOMPARE(int(m_submission->outcomes().first().state), state);
        QVERIFY(m_api->acceptedTwice().isEmpty());
        QCOMPARE(m_api->accepted.size(), state == DocumentOutcome::Accepted ? 2 : 0);
        // The user saw the waits.
        QVERIFY(m_progress.join(u'\n').contains(u"Νέα προσπάθεια"_s));
    }

    void aRefusedDocumentShowsTheServersWordsAndTheNextStillGoes_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("message") << QByteArray("message");
        QTest::newRow("msg") << QByteArray("msg");
        QTest::newRow("detail") << QByteArray("detail");
    }
    void aRefusedDocumentShowsTheServersWordsAndTheNextStillGoes() {
        QFETCH(QByteArray, field);
        const SubmissionPlan plan = PlanSubmission(
            {MakeEntry(ValidAfm(10000001), u"20240312"_s, u"08:00-16:00"_s, u"ΑΛΦΑ ΒΗΤΑ"_s, u"0"_s),
             MakeEntry(ValidAfm(10000002), u"20240312"_s, u"08:00-16:00"_s, u"ΓΑΜΜΑ ΔΕΛΤΑ"_s, u"3"_s)});
        m_api->refuseNextDocument = u"Το παράρτημα 0 δεν ανήκει στον εργοδότη"_s;
        m_api->refusalField = field;
        run(plan.documents);
        const DocumentOutcome& refused = m_submission->outcomes().at(0);
        QCOMPARE(refused.state, DocumentOutcome::Refused);
        QVERIFY(refused.message.contains(u"«Το παράρτημα 0 δεν ανήκει στον εργοδότη»"_s));
        QVERIFY(refused.protocol.isEmpty());
        QCOMPARE(m_submission->outcomes().at(1).state, DocumentOutcome::Accepted);
        QCOMPARE(m_api->documentCalls(), 2);
    }

    // A call that left and got no answer is never made again, and nothing after it goes.
    void aStallMakesTheDocumentUnknownAndSendsNothingMore() {
        const SubmissionPlan plan = PlanSubmission(
            {MakeEntry(ValidAfm(10000001), u"20240312"_s, u"08:00-16:00"_s, u"ΑΛΦΑ ΒΗΤΑ"_s, u"0"_s),
             MakeEntry(ValidAfm(10000002), u"20240312"_s, u"08:00-16:00"_s, u"ΓΑΜΜΑ ΔΕΛΤΑ"_s, u"3"_s)});
        m_api->stallNextDocument = true;
        run(plan.documents, 400);
        QCOMPARE(m_submission->outcomes().at(0).state, DocumentOutcome::Unknown);
        QVERIFY(m_submission->outcomes().at(0).message.contains(u"ελέγξτε στις e-υπηρεσίες"_s));
        QCOMPARE(m_submission->outcomes().at(1).state, DocumentOutcome::NotSent);
        QCOMPARE(m_api->documentCalls(), 1);
        QVERIFY(m_api->accepted.isEmpty());
    }

    void aWrongPasswordSendsNoDocument() {
        const SubmissionPlan plan =
            PlanSubmission({MakeEntry(ValidAfm(10000001), u"20240312"_s, u"08:00-16:00"_s)});
        run(plan.documents, 5000, u"λάθος-κωδικός"_s);
        QCOMPARE(m_api->loginCalls(), 1);
        QCOMPARE(m_api->documentCalls(), 0);
        const DocumentOutcome& outcome = m_submission->outcomes().first();
        QCOMPARE(outcome.state, DocumentOutcome::NotSent);
        QVERIFY(outcome.message.contains(u"«Παράμετροι Σύνδεσης»"_s));
        QVERIFY(outcome.message.contains(u"Λάθος όνομα χρήστη ή κωδικός"_s));
        // The password is in no message the user or a log could see.
        QVERIFY(!outcome.message.contains(u"λάθος-κωδικός"_s));
        QVERIFY(!m_progress.join(u'\n').contains(u"λάθος-κωδικός"_s));
    }

    void aServerThatIsNotThereIsTriedThreeTimes() {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        const QUrl closed(u"http://127.0.0.1:%1/WebServicesAPI/api"_s.arg(probe.serverPort()));
        probe.close();
        const SubmissionPlan plan =
            PlanSubmission({MakeEntry(ValidAfm(10000001), u"20240312"_s, u"08:00-16:00"_s)});
        m_submission = std::make_unique<ApiSubmission>(closed, ApiCredentials{u"u"_s, u"p"_s}, plan.documents,
                                                       ApiTiming{5000, {10, 20}});
        QSignalSpy done(m_submission.get(), &ApiSubmission::finished);
        QSignalSpy progress(m_submission.get(), &ApiSubmission::progress);
        m_submission->start();
        QVERIFY(done.wait(10000));
        QCOMPARE(m_submission->outcomes().first().state, DocumentOutcome::NotSent);
        QVERIFY(m_submission->outcomes().first().message.contains(u"3 προσπάθειες"_s));
        int logins = 0;
        for (const QList<QVariant>& line : progress)
            if (line.first().toString().startsWith(u"Σύνδεση"_s))
                ++logins;
        QCOMPARE(logins, 3);
    }

private:
    void run(const QList<WtoDocument>& documents, int timeoutMs = 5000, const QString& password = {}) {
        m_submission = std::make_unique<ApiSubmission>(
            QUrl(m_api->base()),
            ApiCredentials{m_api->userName, password.isEmpty() ? m_api->password : password}, documents,
            ApiTiming{timeoutMs, {10, 20}});
        connect(m_submission.get(), &ApiSubmission::progress, this,
                [this](const QString& text) { m_progress << text; });
        QSignalSpy done(m_submission.get(), &ApiSubmission::finished);
        m_submission->start();
        QVERIFY(done.wait(20000));
        QVERIFY(!m_submission->running());
        for (const DocumentOutcome& outcome : m_submission->outcomes())
            QVERIFY(outcome.state != DocumentOutcome::Waiting);
    }

    std::unique_ptr<FakeApi> m_api;
    std::unique_ptr<ApiSubmission> m_submission;
    QStringList m_progress;
};

QTEST_GUILESS_MAIN(ApiSubmissionTest)
#include "ApiSubmissionTest.moc"
