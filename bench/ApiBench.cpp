// The submission through the web-services API of 10,000 entries (100 employees on two
// branches, 100 days each): reading their hours and building the documents, and the whole
// submit (reading the entries from the database, the calls to the fake API served from a
// thread of its own, the recording of every entry's protocol), in milliseconds.
#include "FakeApi.h"
#include "logic/core/database/Database.h"
#include "logic/core/database/SubmissionStatements.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/internet/ApiEntries.h"
#include "logic/internet/ApiSubmission.h"
#include "logic/internet/SubmissionRecords.h"
#include "logic/internet/WtoDocuments.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

namespace {

constexpr int Employees = 100;
constexpr int Days = 100;

const QStringList Hours = {QStringLiteral("08:00-16:00"), QStringLiteral("8:00-12:00 και 18:00-22:00"),
                           QStringLiteral("22:00-06:00"), QStringLiteral("ΡΕΠΟ"),
                           QStringLiteral("09:00-13:00, 14:00-18:00")};

QString Afm(int i) {
    const QString digits = QString::number(40000000 + i);
    int sum = 0;
    for (int d = 0; d < 8; ++d)
        sum += digits.at(d).digitValue() << (8 - d);
    return digits + QString::number(sum % 11 % 10);
}

QString Day(int d) {
    return QDate(2024, 1, 1).addDays(d).toString(QStringLiteral("yyyyMMdd"));
}

QList<ApiEntry> Entries() {
    QList<ApiEntry> entries;
    for (int e = 0; e < Employees; ++e)
        for (int d = 0; d < Days; ++d)
            entries << ApiEntry{Afm(e),
                                Day(d),
                                Hours.at((e + d) % Hours.size()),
                                QString(),
                                QStringLiteral("ΕΠΩΝΥΜΟ%1 ΟΝΟΜΑ").arg(e),
                                e % 2 ? QStringLiteral("1") : QStringLiteral("0"),
                                true};
    return entries;
}

void BM_ReadHoursAndBuildDocuments(benchmark::State& state) {
    const QList<ApiEntry> entries = Entries();
    qint64 bytes = 0;
    for (auto _ : state) {
        const SubmissionPlan plan = PlanSubmission(entries);
        for (const WtoDocument& document : plan.documents)
            bytes += document.requestBody().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["entries"] = double(entries.size());
}
BENCHMARK(BM_ReadHoursAndBuildDocuments)->Unit(benchmark::kMillisecond);

// A data folder's database with the entries, and the fake API on a thread of its own.
struct Fixture {
    QTemporaryDir dir;
    QThread serverThread;
    FakeApi* api = nullptr;

    Fixture() {
        Program.AppPath = dir.path();
        CreateDatabaseFile(dir.filePath(QStringLiteral("IntTvx.db")));
        if (!OpenDatabase())
            qFatal("database not opened");
        QSqlDatabase db = DbConnection();
        db.transaction();
        QSqlQuery query(db);
        query.prepare(QStringLiteral("Insert Into Ergaz (Eafm,Eepon,Eypo) Values (?,?,?)"));
        for (int e = 0; e < Employees; ++e) {
            query.addBindValue(Afm(e));
            query.addBindValue(QStringLiteral("ΕΠΩΝΥΜΟ%1 ΟΝΟΜΑ").arg(e));
            query.addBindValue(e % 2 ? QStringLiteral("1") : QStringLiteral("0"));
            query.exec();
        }
        query.prepare(QStringLiteral("Insert Into Kins (Eafm,Kdate,Korario,Kparat) Values (?,?,?,'')"));
        for (int e = 0; e < Employees; ++e)
            for (int d = 0; d < Days; ++d) {
                query.addBindValue(Afm(e));
                query.addBindValue(Day(d));
                query.addBindValue(Hours.at((e + d) % Hours.size()));
                query.exec();
            }
        db.commit();
        api = new FakeApi;
        api->moveToThread(&serverThread);
        serverThread.start();
        bool listening = false;
        QMetaObject::invokeMethod(
            api, [this, &listening] { listening = api->listen(); }, Qt::BlockingQueuedConnection);
        if (!listening)
            qFatal("fake API not listening");
    }
    ~Fixture() {
        QMetaObject::invokeMethod(
            api, [this] { delete api; }, Qt::BlockingQueuedConnection);
        serverThread.quit();
        serverThread.wait();
        CloseDatabase();
    }
};

void BM_SubmitTenThousandEntries(benchmark::State& state) {
    Fixture fixture;
    const SendSelection selection{QStringLiteral("01/01/2024"), QStringLiteral("31/12/2024"), {}, {}, {}, {}};
    for (auto _ : state) {
        state.PauseTiming();
        QSqlQuery(DbConnection()).exec(QStringLiteral("Delete From Submissions"));
        state.ResumeTiming();
        const SubmissionPlan plan = PlanSubmission(ReadBatchEntries(selection));
        ApiSubmission submission(QUrl(fixture.api->base()), {fixture.api->userName, fixture.api->password},
                                 plan.documents, ApiTiming{120000, {0, 0}});
        SubmissionRecorder recorder(submission);
        QEventLoop loop;
        QObject::connect(&submission, &ApiSubmission::finished, &loop, &QEventLoop::quit);
        submission.start();
        loop.exec();
        if (submission.count(DocumentOutcome::Accepted) != plan.documents.size() ||
            !recorder.failures.isEmpty())
            state.SkipWithError("not every document was accepted and recorded");
    }
    QSqlQuery count(DbConnection());
    count.exec(QStringLiteral("Select Count(*) From Submissions"));
    state.counters["recorded"] = count.next() ? count.value(0).toDouble() : 0;
}
BENCHMARK(BM_SubmitTenThousandEntries)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
