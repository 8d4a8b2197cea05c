// The import of an ASC file of 100,000 employees into an empty table beside the sqlite3
// shell's ".import" of the same rows into the same schema, the shell loading the program's
// Greek collation:
//   - BM_ImportAscFile: the import as the import window runs it (one transaction, a line that
//     cannot be stored skipped, the progress told), in this process; "x_shell" is its time
//     over the shell's, the shell's start (the process and the collation) left out;
//   - BM_ImportCommand: whole processes, "orva import FILE" against the shell, each on a fresh
//     copy of the empty database; "ratio" is orva's time over the shell's.
#include "SqliteShell.h"
#include "logic/core/database/Database.h"
#include "logic/core/files/DataFolder.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/text/DosGreek.h"
#include "logic/records/AscFile.h"
#include "logic/records/AscImport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {
constexpr int Employees = 100000;

const QStringList Surnames = {"ΠΑΠΑΔΟΠΟΥΛΟΣ", "ΓΕΩΡΓΙΟΥ",  "ΝΙΚΟΛΑΟΥ",  "ΙΩΑΝΝΟΥ",      "ΚΩΝΣΤΑΝΤΙΝΙΔΗΣ",
                              "ΒΑΣΙΛΕΙΟΥ",    "ΔΗΜΗΤΡΙΟΥ", "ΑΘΑΝΑΣΙΟΥ", "ΧΡΙΣΤΟΔΟΥΛΟΥ", "ΣΤΑΥΡΟΠΟΥΛΟΣ"};
const QStringList FirstNames = {"ΜΑΡΙΑ", "ΓΙΩΡΓΟΣ", "ΕΛΕΝΗ", "ΝΙΚΟΣ", "ΑΙΚΑΤΕΡΙΝΗ", "ΚΩΣΤΑΣ", "ΣΟΦΙΑ"};

// The files of the run: an empty database of the program, the ASC file and the same
// employees as tab-separated rows for the shell.
struct Files {
    QTemporaryDir dir;
    QString emptyDatabase = dir.filePath(QStringLiteral("empty.db"));
    QString ascFile = dir.filePath(QStringLiteral("employees.asc"));
    QString rowsFile = dir.filePath(QStringLiteral("employees.tsv"));
    QString database = dir.filePath(QStringLiteral("IntTvx.db"));
    // A data folder as the program's first start prepares it, for the whole command.
    QString dataFolder = dir.filePath(QStringLiteral("data"));

    Files() {
        CreateDatabaseFile(emptyDatabase);
        if (const QString failed = PrepareDataFolder(dataFolder); !failed.isEmpty())
            qFatal("%s", qPrintable(failed));
        QByteArray asc;
        QByteArray rows;
        for (int i = 0; i < Employees; ++i) {
            const QString surname = Surnames.at(i % Surnames.size()) + QString::number(i);
            const QString firstName = FirstNames.at((i / 10) % FirstNames.size());
            const QString afm = QStringLiteral("%1").arg((i * 7919LL) % 900000000 + 100000000);
            asc += ToWindowsGreek((QString::number(i).leftJustified(11) + surname.leftJustified(31) +
                                   firstName.leftJustified(16))
                                      .leftJustified(130) +
                                  afm.leftJustified(14) + QStringLiteral("\r\n"));
            const QString name = (surname + QLatin1Char(' ') + firstName).left(AscNameLength);
            rows += (afm + QLatin1Char('\t') + name + QStringLiteral("\t0\n")).toUtf8();
        }
        write(ascFile, asc);
        write(rowsFile, rows);
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("%s not written", qPrintable(path));
    }
    void freshDatabase() const {
        QFile::remove(database);
        QFile::copy(emptyDatabase, database);
    }
    void freshDataFolder() const {
        const QString folderDatabase = dataFolder + QStringLiteral("/IntTvx.db");
        QFile::remove(folderDatabase);
        QFile::copy(emptyDatabase, folderDatabase);
    }
};

Files& files() {
    static Files made;
    return made;
}

// The shell's ".import" of the rows into a fresh copy of the empty database, and its start alone.
double shellImport(bool start) {
    Files& f = files();
    double fastest = -1;
    for (int run = 0; run < 3; ++run) {
        f.freshDatabase();
        const QStringList commands =
            start ? QStringList{QStringLiteral("Select 1")}
                  : QStringList{QStringLiteral(".mode tabs"),
                                QStringLiteral(".import ") + f.rowsFile + QStringLiteral(" Ergaz")};
        const double ms =
            ShellMilliseconds(f.database,
                              QStringList{QStringLiteral("-cmd"),
                                          QStringLiteral(".load ") + QStringLiteral(ORVA_GREEK_EXTENSION)} +
                                  commands,
                              1);
        if (ms < 0)
            return -1;
        fastest = fastest < 0 ? ms : std::min(fastest, ms);
    }
    return fastest;
}

void BM_ImportAscFile(benchmark::State& state) {
    Files& f = files();
    const double shellMs = shellImport(false);
    const double shellStartMs = shellImport(true);
    double totalMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.freshDatabase();
        Program.AppPath = f.dir.path();
        OpenDatabase();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        int told = 0;
        const AscImportResult result =
            ImportAscLines(ReadAscFile(f.ascFile).value_or(AscLines()), [&told](int, int) { ++told; });
        totalMs +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        if (result.added != Employees || told == 0)
            state.SkipWithError("not every line was imported");
        CloseDatabase();
        state.ResumeTiming();
    }
    const double ms = totalMs / double(state.iterations());
    state.counters["import_ms"] = ms;
    state.counters["shell_ms"] = shellMs;
    state.counters["shell_start_ms"] = shellStartMs;
    state.counters["x_shell"] = shellMs > shellStartMs ? ms / (shellMs - shellStartMs) : -1;
}
BENCHMARK(BM_ImportAscFile)->Unit(benchmark::kMillisecond)->Iterations(3);

// The milliseconds of a whole process, -1 when it failed.
double processMs(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return -1;
    return double(clock.nsecsElapsed()) / 1e6;
}

void BM_ImportCommand(benchmark::State& state) {
    Files& f = files();
    double orvaMs = 0;
    double shellMs = 0;
    for (auto _ : state) {
        f.freshDataFolder();
        const double ours =
            processMs(QStringLiteral(ORVA_EXECUTABLE),
                      {QStringLiteral("import"), f.ascFile, QStringLiteral("--data-dir"), f.dataFolder});
        f.freshDatabase();
        const double theirs = processMs(QStringLiteral("sqlite3"),
                                        {QStringLiteral("-batch"), f.database, QStringLiteral("-cmd"),
                                         QStringLiteral(".load ") + QStringLiteral(ORVA_GREEK_EXTENSION),
                                         QStringLiteral(".mode tabs"),
                                         QStringLiteral(".import ") + f.rowsFile + QStringLiteral(" Ergaz")});
        if (ours < 0 || theirs < 0) {
            state.SkipWithError("an import failed");
            return;
        }
        state.SetIterationTime(ours / 1000);
        orvaMs += ours;
        shellMs += theirs;
    }
    const double runs = double(state.iterations());
    state.counters["orva_ms"] = orvaMs / runs;
    state.counters["shell_ms"] = shellMs / runs;
    state.counters["ratio"] = orvaMs / shellMs;
}
BENCHMARK(BM_ImportCommand)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
