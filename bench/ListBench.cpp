// The two list windows on large tables, each figure beside the sqlite3 shell reading the
// same rows: an activation of the employee list at 100,000 and 1,000,000 employees, a
// keystroke of its search, a page down and up; the month's entry list over 1,000,000
// entries. "x_shell" is the list's time over the shell's.
#include "SqliteShell.h"
#include "logic/core/database/Database.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/records/EmployeeList.h"
#include "logic/records/EntryList.h"

#include <QCoreApplication>
#include <QDate>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <map>
#include <memory>

namespace {
const QStringList Surnames = {"ΠΑΠΑΔΟΠΟΥΛΟΣ", "Γεωργίου",  "ΝΙΚΟΛΑΟΥ",  "ιωάννου",      "ΚΩΝΣΤΑΝΤΙΝΙΔΗΣ",
                              "ΒΑΣΙΛΕΙΟΥ",    "Δημητρίου", "ΑΘΑΝΑΣΙΟΥ", "ΧΡΙΣΤΟΔΟΥΛΟΥ", "Σταυρόπουλος"};
const QStringList FirstNames = {"ΜΑΡΙΑ", "Γιώργος", "ΕΛΕΝΗ", "ΝΙΚΟΣ", "ΑΙΚΑΤΕΡΙΝΗ", "Κώστας", "ΣΟΦΙΑ"};
constexpr int EntriesPerEmployee = 10;
// The table of this size holds the entries too, ten for each employee.
constexpr int EntryTableEmployees = 100000;

QString afmOf(int i) {
    return QStringLiteral("%1").arg((i * 7919LL) % 900000000 + 100000000);
}
QString nameOf(int i) {
    return (Surnames.at(i % Surnames.size()) + QLatin1Char(' ') +
            FirstNames.at((i / 10) % FirstNames.size()) + QLatin1Char(' ') + QString::number(i))
        .left(30);
}
// The day of an employee's entry, spread over ten years from 2016.
QString entryDay(int employee, int entry) {
    return QDate(2016, 1, 1)
        .addDays((employee * 37LL + entry * 365) % 3650)
        .toString(QStringLiteral("yyyyMMdd"));
}

// A data folder with a database of `employees` employees (and their entries, for the table
// of the entry list); the shell's time to read the employee table.
struct Table {
    QTemporaryDir dir;
    double shellReadsEmployees = -1;

    explicit Table(int employees) {
        const QString path = dir.filePath(QStringLiteral("IntTvx.db"));
        CreateDatabaseFile(path);
        Program.AppPath = dir.path();
        OpenDatabase();
        fill(employees);
        CloseDatabase();
        shellReadsEmployees = ShellMilliseconds(path, {QStringLiteral("Select * From Ergaz Order By Eafm")});
    }

    static void fill(int employees) {
        QSqlDatabase db = DbConnection();
        db.transaction();
        QSqlQuery employee(db);
        employee.prepare(QStringLiteral("Insert Into Ergaz (Eafm,Eepon,Eypo) Values (?,?,'1')"));
        QSqlQuery entry(db);
        entry.prepare(
            QStringLiteral("Insert Into Kins (Eafm,Kdate,Korario,Kparat) Values (?,?,'08:00-16:00','')"));
        for (int i = 0; i < employees; ++i) {
            employee.addBindValue(afmOf(i));
            employee.addBindValue(nameOf(i));
            employee.exec();
            for (int e = 0; employees == EntryTableEmployees && e < EntriesPerEmployee; ++e) {
                entry.addBindValue(afmOf(i));
                entry.addBindValue(entryDay(i, e));
                entry.exec();
            }
        }
        db.commit();
    }
};

// The table of that size, opened as the program's database.
Table& table(int employees) {
    static std::map<int, std::unique_ptr<Table>> tables;
    static int open = 0;
    std::unique_ptr<Table>& made = tables[employees];
    if (!made)
        made = std::make_unique<Table>(employees);
    if (open != employees) {
        CloseDatabase();
        Program.AppPath = made->dir.path();
        OpenDatabase();
        open = employees;
    }
    return *made;
}

// Runs step as the benchmark's body and reports the shell's time and the ratio.
void measure(benchmark::State& state, double shellMs, const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        step();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
        double(state.iterations());
    state.counters["shell_ms"] = shellMs;
    state.counters["x_shell"] = shellMs > 0 ? ms / shellMs : -1;
}

void BM_EmployeeActivationByName(benchmark::State& state) {
    Table& t = table(int(state.range(0)));
    EmployeeList list;
    measure(state, t.shellReadsEmployees, [&] {
        list.reload(EmployeeOrder::ByName, false);
        benchmark::DoNotOptimize(list.atGridRow(1));
    });
}

void BM_EmployeeActivationByAfm(benchmark::State& state) {
    Table& t = table(int(state.range(0)));
    EmployeeList list;
    measure(state, t.shellReadsEmployees, [&] { list.reload(EmployeeOrder::ByAfm, false); });
}

// Back from the employee form after a change: the page at the selected employee's place.
void BM_EmployeeActivationInPlace(benchmark::State& state) {
    Table& t = table(int(state.range(0)));
    EmployeeList list;
    list.reload(EmployeeOrder::ByName, false);
    list.search(QStringLiteral("ΝΙΚ"));
    list.cursor().selectRow(7);
    measure(state, t.shellReadsEmployees, [&] { list.reload(EmployeeOrder::ByName, true); });
}

// The keystrokes of a name, one after another, as the user types it.
void BM_EmployeeSearchKeystroke(benchmark::State& state) {
    Table& t = table(int(state.range(0)));
    EmployeeList list;
    list.reload(EmployeeOrder::ByName, false);
    const QStringList typed = {"σ", "στ", "στα", "σταύ", "σταύρ", "Ω", "Α", "ιωάν"};
    int key = 0;
    measure(state, t.shellReadsEmployees, [&] {
        list.search(typed.at(key++ % typed.size()));
        benchmark::DoNotOptimize(list.atGridRow(1));
    });
}

void BM_EmployeePageDown(benchmark::State& state) {
    Table& t = table(int(state.range(0)));
    EmployeeList list;
    list.reload(EmployeeOrder::ByName, false);
    list.search(QStringLiteral("Κ"));
    measure(state, t.shellReadsEmployees, [&] {
        if (!list.cursor().rowsAfter())
            list.reload(EmployeeOrder::ByName, false);
        list.cursor().pageDown();
    });
}

void BM_EmployeePageUp(benchmark::State& state) {
    Table& t = table(int(state.range(0)));
    EmployeeList list;
    list.reload(EmployeeOrder::ByName, false);
    int steps = 0;
    measure(state, t.shellReadsEmployees, [&] {
        if (steps++ % 500 == 0)
            list.search(QStringLiteral("Χ"));
        list.cursor().pageUp();
    });
}

// The month's entries over 1,000,000 entries: the activation and a page down, in both
// orders, beside the shell reading the same month.
void entryMonth(benchmark::State& state, EntryOrder order, bool pageDown) {
    Table& t = table(EntryTableEmployees);
    const MonthFilter june{2020, 6, 1};
    static std::map<EntryOrder, double> shell;
    if (!shell.count(order)) {
        shell[order] = ShellMilliseconds(
            t.dir.filePath(QStringLiteral("IntTvx.db")),
            {QStringLiteral(
                 "Select Kins.*,Ergaz.Eepon,Ergaz.Eypo From Kins Inner Join Ergaz On Kins.Eafm=Ergaz.Eafm "
                 "Where Kins.Kdate>='20200601' And Kins.Kdate<'202007' Order By ") +
             (order == EntryOrder::ByDate ? QStringLiteral("Kins.Kdate,Kins.Eafm")
                                          : QStringLiteral("Kins.Eafm,Kins.Kdate"))});
    }
    EntryList list;
    list.reload(june, order);
    measure(state, shell[order], [&] {
        if (!pageDown || !list.cursor().rowsAfter())
            list.reload(june, order);
        if (pageDown)
            list.cursor().pageDown();
        benchmark::DoNotOptimize(list.atGridRow(1));
    });
}
void BM_EntryMonthByDate(benchmark::State& state) {
    entryMonth(state, EntryOrder::ByDate, false);
}
void BM_EntryMonthByAfm(benchmark::State& state) {
    entryMonth(state, EntryOrder::ByAfm, false);
}
void BM_EntryPageDownByDate(benchmark::State& state) {
    entryMonth(state, EntryOrder::ByDate, true);
}
void BM_EntryPageDownByAfm(benchmark::State& state) {
    entryMonth(state, EntryOrder::ByAfm, true);
}

BENCHMARK(BM_EmployeeActivationByName)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EmployeeActivationByAfm)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EmployeeActivationInPlace)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EmployeeSearchKeystroke)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EmployeePageDown)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EmployeePageUp)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EntryMonthByDate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EntryMonthByAfm)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EntryPageDownByDate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EntryPageDownByAfm)->Unit(benchmark::kMicrosecond);
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
