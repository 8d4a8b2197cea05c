// The import of a file of 100,000 employees.
#include "logic/core/Database.h"
#include "logic/core/ProgramValues.h"
#include "logic/records/AscFile.h"
#include "logic/records/AscImport.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int Employees = 100000;

const QStringList Surnames = {"ΠΑΠΑΔΟΠΟΥΛΟΣ", "ΓΕΩΡΓΙΟΥ",  "ΝΙΚΟΛΑΟΥ",  "ΙΩΑΝΝΟΥ",      "ΚΩΝΣΤΑΝΤΙΝΙΔΗΣ",
                              "ΒΑΣΙΛΕΙΟΥ",    "ΔΗΜΗΤΡΙΟΥ", "ΑΘΑΝΑΣΙΟΥ", "ΧΡΙΣΤΟΔΟΥΛΟΥ", "ΣΤΑΥΡΟΠΟΥΛΟΣ"};
const QStringList FirstNames = {"ΜΑΡΙΑ", "ΓΙΩΡΓΟΣ", "ΕΛΕΝΗ", "ΝΙΚΟΣ", "ΑΙΚΑΤΕΡΙΝΗ", "ΚΩΣΤΑΣ", "ΣΟΦΙΑ"};

QString afmOf(int i) {
    return QStringLiteral("%1").arg((i * 7919LL) % 900000000 + 100000000);
}
QString nameOf(int i) {
    return Surnames.at(i % Surnames.size()) + QLatin1Char(' ') + FirstNames.at((i / 10) % FirstNames.size()) +
           QLatin1Char(' ') + QString::number(i);
}

// A data folder with a database of Employees employees, made once for the run.
struct LargeTable {
    QTemporaryDir dir;
    LargeTable() {
        Program.AppPath = dir.path();
        CreateDatabaseFile(AppFile(QStringLiteral("IntTvx.db")));
        OpenDatabase();
        fill();
    }
    static void fill() {
        QSqlDatabase db = DbConnection();
        db.transaction();
        QSqlQuery query(db);
        query.prepare(QStringLiteral("Insert Into Ergaz (Eafm,Eepon,Eypo) Values (?,?,'1')"));
        for (int i = 0; i < Employees; ++i) {
            query.addBindValue(afmOf(i));
            query.addBindValue(nameOf(i).left(30));
            query.exec();
        }
        db.commit();
    }
};

LargeTable& table() {
    static LargeTable instance;
    return instance;
}

void BM_ImportFile(benchmark::State& state) {
    table();
    QStringList lines;
    for (int i = 0; i < Employees; ++i) {
        const QString name = nameOf(i);
        lines << (QStringLiteral("%1").arg(i, 5).leftJustified(11) +
                  name.leftJustified(30, QLatin1Char(' '), true) + QLatin1Char(' ') +
                  QStringLiteral("ΔΟΚΙΜΗ").leftJustified(16))
                         .leftJustified(130) +
                     QStringLiteral("0%1").arg(i, 8, 10, QLatin1Char('0'));
    }
    for (auto _ : state) {
        state.PauseTiming();
        QSqlQuery(DbConnection()).exec(QStringLiteral("Delete From Ergaz Where Eafm Like '0%'"));
        state.ResumeTiming();
        const AscImportResult result = ImportAscLines(lines);
        if (result.added != Employees)
            state.SkipWithError("not every line was imported");
    }
}
BENCHMARK(BM_ImportFile)->Unit(benchmark::kMillisecond)->Iterations(3);
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
