// How long the user waits before the program works: whole processes, started and timed from
// here, run one after another (run the benchmark under "taskset -c 0" to give every process
// the same single core).
//   - the commands: "orva --version", "--help", a command's own help, and "report" and
//     "import" on a data folder with nothing to do, each from the start of the process to its
//     end (their first work, then nothing). The report finds nothing in the command line's
//     own library and ends there, without the print engine and Qt's GUI library. A report of
//     one line, to its file written, shows what a report with lines adds;
//   - the window: "orva" on a data folder until the work-date window has painted itself, in
//     orva-gui, which the process becomes. The program is started with a small library
//     preloaded that loads libbench_paint_watch.so into orva-gui (PaintWatchLoader.cpp), which
//     tells on standard output when that window painted and then leaves it (PaintWatch.cpp).
//   - the browser library: what the first window that hosts the browser now waits for, since
//     the program no longer loads the engine as it starts. This benchmark starts itself as a
//     bare Qt process that loads liborva_browser.so (and Qt WebEngine with it) and ends, beside
//     the same process that loads nothing; the difference is the added wait.
// With ORVA_BENCH_REFERENCE_ORVA naming an orva executable of an earlier version, every case
// runs it too, side by side, and reports the ratio (ours over the reference's).
#include "logic/core/database/Database.h"
#include "logic/core/files/DataFolder.h"
#include "logic/core/program/ProgramValues.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibrary>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString dataFolder = dir.filePath(QStringLiteral("data"));
    QString emptyAsc = dir.filePath(QStringLiteral("empty.asc"));
    QString error;

    Fixture() {
        error = PrepareDataFolder(dataFolder);
        QFile asc(emptyAsc);
        if (!asc.open(QIODevice::WriteOnly))
            error = QStringLiteral("empty.asc");
        // One employee, for a report of one line.
        Program.AppPath = dataFolder;
        if (!OpenDatabase() ||
            !QSqlQuery(DbConnection())
                 .exec(QStringLiteral(
                     "Insert Into Ergaz (Eafm,Eepon,Eypo) Values ('090000045','ΑΛΕΞΙΟΥ ΜΑΡΙΑ','0')")))
            error = QStringLiteral("employee");
        CloseDatabase();
    }
};

Fixture& fixture() {
    static Fixture made;
    return made;
}

QString reference(const char* variable) {
    return qEnvironmentVariable(variable);
}

// Runs the program to its end (or, with `until`, until it writes that line) and returns the
// milliseconds it took; -1 when it failed.
double runOnce(const QString& program, const QStringList& arguments, const QList<int>& expectedCodes,
               const QByteArray& until, bool watch, QString* failure) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (watch)
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(ORVA_PAINT_WATCH));
    process.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    process.start();
    if (!until.isEmpty()) {
        QByteArray output;
        while (!output.contains(until)) {
            if (!process.waitForReadyRead(60000)) {
                *failure = program + QStringLiteral(": ") + QString::fromUtf8(process.readAllStandardError());
                process.kill();
                process.waitForFinished();
                return -1;
            }
            output += process.readAllStandardOutput();
        }
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        process.waitForFinished(60000);
        return ms;
    }
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        !expectedCodes.contains(process.exitCode())) {
        *failure = program + QStringLiteral(" ") + arguments.join(u' ') + QStringLiteral(": ") +
                   QString::fromUtf8(process.readAllStandardError());
        return -1;
    }
    return double(timer.nsecsElapsed()) / 1e6;
}

// Runs ours and, when given, the reference alternately once per iteration; reports the
// averages in milliseconds and their ratio.
void compare(benchmark::State& state, const QString& ours, const QString& theirs,
             const QStringList& arguments, const QList<int>& codes, const QByteArray& until = {}) {
    if (!fixture().error.isEmpty()) {
        state.SkipWithError(fixture().error.toUtf8().constData());
        return;
    }
    const bool watch = !until.isEmpty();
    double oursMs = 0;
    double theirsMs = 0;
    for (auto _ : state) {
        QString failure;
        const double one = runOnce(ours, arguments, codes, until, watch, &failure);
        const double other =
            theirs.isEmpty() || one < 0 ? 0 : runOnce(theirs, arguments, codes, until, watch, &failure);
        if (one < 0 || other < 0) {
            state.SkipWithError(failure.toUtf8().constData());
            return;
        }
        state.SetIterationTime(one / 1000);
        oursMs += one;
        theirsMs += other;
    }
    const double n = double(state.iterations());
    state.counters["orva_ms"] = oursMs / n;
    if (!theirs.isEmpty()) {
        state.counters["reference_ms"] = theirsMs / n;
        state.counters["ratio"] = theirsMs > 0 ? oursMs / theirsMs : 0;
    }
}

void command(benchmark::State& state, const QStringList& arguments, const QList<int>& codes) {
    compare(state, QStringLiteral(ORVA_EXECUTABLE), reference("ORVA_BENCH_REFERENCE_ORVA"), arguments, codes);
}

QStringList inFolder(QStringList arguments) {
    return arguments << QStringLiteral("--data-dir") << fixture().dataFolder;
}

void BM_Version(benchmark::State& state) {
    command(state, {QStringLiteral("--version")}, {0});
}
void BM_Help(benchmark::State& state) {
    command(state, {QStringLiteral("--help")}, {0});
}
void BM_CommandHelp(benchmark::State& state) {
    command(state, {QStringLiteral("import"), QStringLiteral("--help")}, {0});
}
// A report of a month without entries: the database opened and read, "Δεν υπάρχουν εγγραφές."
void BM_ReportNothingFound(benchmark::State& state) {
    const QString out = fixture().dir.filePath(QStringLiteral("nothing.pdf"));
    command(state,
            inFolder({QStringLiteral("report"), QStringLiteral("entries"), QStringLiteral("--from"),
                      QStringLiteral("01/11/2026"), QStringLiteral("--to"), QStringLiteral("30/11/2026"),
                      QStringLiteral("--out"), out}),
            {3});
}
// A report with a line: the look in the command line, the report library loaded, the line
// read again and its page written as a PDF.
void BM_ReportOneLine(benchmark::State& state) {
    const QString out = fixture().dir.filePath(QStringLiteral("one.pdf"));
    command(state,
            inFolder({QStringLiteral("report"), QStringLiteral("employees"), QStringLiteral("--out"), out}),
            {0});
}
// An import of a file without employee lines: the lock taken, the database opened, nothing stored.
void BM_ImportNothing(benchmark::State& state) {
    command(state, inFolder({QStringLiteral("import"), fixture().emptyAsc}), {3});
}
// From the start of the program to the painted work-date window.
void BM_WorkDateWindow(benchmark::State& state) {
    compare(state, QStringLiteral(ORVA_EXECUTABLE), reference("ORVA_BENCH_REFERENCE_ORVA"), inFolder({}), {0},
            "painted\n");
}

// The library load alone, in processes of this benchmark's own (see main).
void BM_BrowserLibraryLoad(benchmark::State& state) {
    const QString self = QCoreApplication::applicationFilePath();
    const QString library = QStringLiteral(ORVA_BROWSER_LIBRARY);
    double loadingMs = 0;
    double bareMs = 0;
    for (auto _ : state) {
        QString failure;
        const double loading = runOnce(self, {QStringLiteral("--load"), library}, {0}, {}, false, &failure);
        const double bare = runOnce(self, {QStringLiteral("--load")}, {0}, {}, false, &failure);
        if (loading < 0 || bare < 0) {
            state.SkipWithError(failure.toUtf8().constData());
            return;
        }
        state.SetIterationTime((loading - bare) / 1000);
        loadingMs += loading;
        bareMs += bare;
    }
    const double n = double(state.iterations());
    state.counters["with_library_ms"] = loadingMs / n;
    state.counters["bare_process_ms"] = bareMs / n;
    state.counters["added_ms"] = (loadingMs - bareMs) / n;
}

BENCHMARK(BM_Version)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Help)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommandHelp)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportNothingFound)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportOneLine)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportNothing)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WorkDateWindow)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BrowserLibraryLoad)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // The child of BM_BrowserLibraryLoad: "--load [library]" loads it, if given, and ends.
    if (argc >= 2 && qstrcmp(argv[1], "--load") == 0) {
        QCoreApplication app(argc, argv);
        if (argc < 3)
            return 0;
        QLibrary library(QString::fromLocal8Bit(argv[2]));
        if (library.load())
            return 0;
        fprintf(stderr, "%s\n", qPrintable(library.errorString()));
        return 1;
    }
    // Without a display the window starts on the offscreen platform; under Xvfb or a desktop it
    // starts as the user sees it.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
