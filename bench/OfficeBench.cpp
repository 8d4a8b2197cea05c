// Office mode beside the embedded file: the same actions of the lists, the import and the copy
// on IntTvx.db and on a PostgreSQL server over loopback (a cluster of the benchmark's own), at
// 100,000 and 1,000,000 employees. Each case runs on both engines in one run, named by engine
// and size: "sqlite/100000", "postgresql/1000000". The goal for office mode is every list
// action under 5 ms at 1,000,000 employees.
#include "../tests/records/AscLines.h"
#include "TestEngine.h"
#include "logic/core/database/Database.h"
#include "logic/core/database/DatabaseTransfer.h"
#include "logic/core/database/GreekCollation.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/records/AscImport.h"
#include "logic/records/EmployeeList.h"
#include "logic/records/EntryList.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

const QStringList Surnames = {"ΠΑΠΑΔΟΠΟΥΛΟΣ", "Γεωργίου",  "ΝΙΚΟΛΑΟΥ",  "ιωάννου",      "ΚΩΝΣΤΑΝΤΙΝΙΔΗΣ",
                              "ΒΑΣΙΛΕΙΟΥ",    "Δημητρίου", "ΑΘΑΝΑΣΙΟΥ", "ΧΡΙΣΤΟΔΟΥΛΟΥ", "Σταυρόπουλος"};
const QStringList FirstNames = {"ΜΑΡΙΑ", "Γιώργος", "ΕΛΕΝΗ", "ΝΙΚΟΣ", "ΑΙΚΑΤΕΡΙΝΗ", "Κώστας", "ΣΟΦΙΑ"};
// The table of 100,000 employees holds ten entries for each: 1,000,000 entries.
constexpr int EntryTable = 100000;
constexpr int EntriesEach = 10;
enum Engine { Sqlite = 0, Postgres = 1 };

QString afmOf(int i) {
    return QString::number((i * 7919LL) % 900000000 + 100000000);
}

QString nameOf(int i) {
    return (Surnames.at(i % Surnames.size()) + u' ' + FirstNames.at((i / 10) % FirstNames.size()) + u' ' +
            QString::number(i))
        .left(30);
}

// A data folder with an IntTvx.db of `employees` employees (and their entries in the table of
// EntryTable), and the same records copied into a database of the cluster.
struct Tables {
    QTemporaryDir dir;
    QString server;
    double copyMs = 0;

    explicit Tables(int employees) {
        const QString file = dir.filePath(u"IntTvx.db"_qs);
        CreateDatabaseFile(file);
        fill(file, employees);
        server = NewServerDatabase(false);
        QElapsedTimer copy;
        copy.start();
        const ServerWork work = CopyIntoServer(server, file, false);
        copyMs = double(copy.elapsed());
        if (!work.ok())
            qFatal("%s", qPrintable(work.text));
    }

    static void fill(const QString& file, int employees) {
        const QString name = u"orva-bench-fill"_qs;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_qs, name);
            db.setDatabaseName(file);
            db.open();
            RegisterGreekCollation(db);
            db.transaction();
            QSqlQuery employee(db);
            employee.prepare(u"Insert Into Ergaz (Eafm,Eepon,Eypo) Values (?,?,'1')"_qs);
            QSqlQuery entry(db);
            entry.prepare(u"Insert Into Kins (Eafm,Kdate,Korario,Kparat) Values (?,?,'08:00-16:00','')"_qs);
            for (int i = 0; i < employees; ++i) {
                employee.addBindValue(afmOf(i));
                employee.addBindValue(nameOf(i));
                employee.exec();
                for (int e = 0; employees == EntryTable && e < EntriesEach; ++e) {
                    entry.addBindValue(afmOf(i));
                    entry.addBindValue(
                        QDate(2016, 1, 1).addDays((i * 37LL + e * 365) % 3650).toString(u"yyyyMMdd"_qs));
                    entry.exec();
                }
            }
            db.commit();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
};

// The tables of that size, opened as the program's database on the engine.
Tables& open(Engine engine, int employees) {
    static std::map<int, std::unique_ptr<Tables>> made;
    static std::pair<int, int> current{-1, -1};
    std::unique_ptr<Tables>& tables = made[employees];
    if (!tables)
        tables = std::make_unique<Tables>(employees);
    if (current != std::pair{int(engine), employees}) {
        CloseDatabase();
        Program.AppPath = tables->dir.path();
        UseDatabaseServer(engine == Postgres ? tables->server : QString());
        if (!OpenDatabase())
            qFatal("The database did not open");
        current = {int(engine), employees};
    }
    return *tables;
}

Engine engineOf(const benchmark::State& state) {
    return Engine(state.range(0));
}

void BM_OpenEmployeeList(benchmark::State& state) {
    open(engineOf(state), int(state.range(1)));
    EmployeeList list;
    for (auto _ : state) {
        list.reload(EmployeeOrder::ByName, false);
        benchmark::DoNotOptimize(list.atGridRow(1));
    }
}

void BM_SearchKeystroke(benchmark::State& state) {
    open(engineOf(state), int(state.range(1)));
    EmployeeList list;
    list.reload(EmployeeOrder::ByName, false);
    const QStringList typed = {"σ", "στ", "στα", "σταύ", "σταύρ", "Ω", "Α", "ιωάν"};
    int key = 0;
    for (auto _ : state) {
        list.search(typed.at(key++ % typed.size()));
        benchmark::DoNotOptimize(list.atGridRow(1));
    }
}

void BM_PageDown(benchmark::State& state) {
    open(engineOf(state), int(state.range(1)));
    EmployeeList list;
    list.reload(EmployeeOrder::ByName, false);
    list.search(u"Κ"_qs);
    for (auto _ : state) {
        if (!list.cursor().rowsAfter())
            list.reload(EmployeeOrder::ByName, false);
        list.cursor().pageDown();
    }
}

// The month's entries over 1,000,000 entries, in date order, and a page down in it.
void BM_MonthEntries(benchmark::State& state) {
    open(engineOf(state), EntryTable);
    const MonthFilter june{2020, 6, 1};
    EntryList list;
    for (auto _ : state) {
        list.reload(june, EntryOrder::ByDate);
        benchmark::DoNotOptimize(list.atGridRow(1));
    }
}

void BM_MonthPageDown(benchmark::State& state) {
    open(engineOf(state), EntryTable);
    const MonthFilter june{2020, 6, 1};
    EntryList list;
    list.reload(june, EntryOrder::ByDate);
    for (auto _ : state) {
        if (!list.cursor().rowsAfter())
            list.reload(june, EntryOrder::ByDate);
        list.cursor().pageDown();
    }
}

// The import of an ASC file of 100,000 employees into an empty database, all in one
// transaction.
void BM_AscImport(benchmark::State& state) {
    QStringList lines{AscHeadingLine()};
    for (int i = 0; i < 100000; ++i)
        lines << AscEmployeeLine(i + 1, nameOf(i).left(20), {}, afmOf(i));
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        CloseDatabase();
        Program.AppPath = dir.path();
        CreateDatabaseFile(dir.filePath(u"IntTvx.db"_qs));
        UseDatabaseServer(engineOf(state) == Postgres ? NewServerDatabase() : QString());
        OpenDatabase();
        state.ResumeTiming();
        const AscImportResult result = ImportAscLines(lines);
        if (result.added != 100000)
            state.SkipWithError("the import did not store every line");
        state.PauseTiming();
        CloseDatabase();
        state.ResumeTiming();
    }
}

// "orva database copy" of the file of that size into an empty server database (measured once,
// when the tables are made).
void BM_DatabaseCopy(benchmark::State& state) {
    const Tables& tables = open(Sqlite, int(state.range(0)));
    for (auto _ : state)
        state.SetIterationTime(tables.copyMs / 1000.0);
    state.counters["copy_ms"] = tables.copyMs;
}

void bothEngines(benchmark::internal::Benchmark* b, std::initializer_list<int> sizes) {
    b->ArgNames({"engine", "employees"});
    for (int size : sizes) {
        b->Args({Sqlite, size});
        b->Args({Postgres, size});
    }
    b->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_OpenEmployeeList)->Apply([](auto* b) { bothEngines(b, {100000, 1000000}); });
BENCHMARK(BM_SearchKeystroke)->Apply([](auto* b) { bothEngines(b, {100000, 1000000}); });
BENCHMARK(BM_PageDown)->Apply([](auto* b) { bothEngines(b, {100000, 1000000}); });
BENCHMARK(BM_MonthEntries)->Apply([](auto* b) { bothEngines(b, {EntryTable}); });
BENCHMARK(BM_MonthPageDown)->Apply([](auto* b) { bothEngines(b, {EntryTable}); });
BENCHMARK(BM_AscImport)
    ->Arg(Sqlite)
    ->Arg(Postgres)
    ->ArgName("engine")
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DatabaseCopy)
    ->Arg(100000)
    ->Arg(1000000)
    ->ArgName("employees")
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CloseDatabase();
    return 0;
}
