// The command line against the usual tools, side by side in one run, on the largest report:
// the index of 32,000 schedule entries, 64,000 lines.
//   - PDF: "orva report entries --format pdf" against enscript piped into ps2pdf, which
//     typeset the same lines in Courier on landscape A4 pages;
//   - Excel: "orva report entries --format xlsx" against python3-xlsxwriter writing the same
//     lines cut into the same cells (xlsx_peer.py).
// Each case prints the elapsed seconds (orva_s, peer_s, ratio: orva's over the peer's) and,
// steadier on a busy machine, the processor seconds of the processes (orva_cpu_s,
// peer_cpu_s, cpu_ratio). Orva's time is the whole command: start-up, reading the database,
// laying out and writing.
//
// The BM_PeakMemory cases print the peak resident memory of the same commands (peak_MB)
// against a limit: the Qt baseline, the peak of "orva-gui --version", a process with Qt's GUI
// and widget libraries and a QGuiApplication doing nothing else (qt_baseline_MB; the report
// process loads the GUI library but no widget), plus three times the report's text, its lines
// at one byte a character (text_MB); ratio is the peak over the limit. The peers' peaks
// stand beside them (peer_peak_MB: the larger of enscript's and ps2pdf's, or python's).
#include "logic/core/database/Database.h"
#include "logic/core/files/DataFolder.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/print/IndexReports.h"
#include "logic/print/PrintJob.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QSqlQuery>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

namespace {

constexpr int Employees = 1000;
constexpr int Days = 32;
const QString FromDate = QStringLiteral("01/01/2026");
const QString ToDate = QStringLiteral("31/12/2026");

// The data folder with the entries, and the report's lines for the peers: as text for
// enscript (ISO 8859-7, its Greek encoding), whole as the report holds them and without
// their trailing blanks, and with their layouts for xlsx_peer.py.
struct Fixture {
    QTemporaryDir dir;
    QString dataFolder;
    QString enscriptLines;
    QString enscriptTrimmed;
    QString peerLines;
    QString error;

    Fixture() {
        dataFolder = dir.filePath(QStringLiteral("data"));
        if (const QString failed = PrepareDataFolder(dataFolder); !failed.isEmpty()) {
            error = failed;
            return;
        }
        Program.AppPath = dataFolder;
        if (!OpenDatabase()) {
            error = QStringLiteral("database");
            return;
        }
        addEntries();
        PrintJob job;
        PrepareEntryIndex(job, {{}, {}, {}, FromDate, ToDate, 0});
        writeLines(job);
        CloseDatabase();
    }

    void addEntries() {
        QSqlDatabase db = DbConnection();
        db.transaction();
        QSqlQuery employee(db);
        employee.prepare(QStringLiteral("Insert Into Ergaz (Eafm,Eepon,Eypo) Values (?,?,'1')"));
        QSqlQuery entry(db);
        entry.prepare(QStringLiteral("Insert Into Kins (Eafm,Kdate,Korario,Kparat) Values (?,?,?,'')"));
        for (int e = 0; e < Employees; ++e) {
            const QString afm = QString::number(100000000 + e * 7);
            employee.addBindValue(afm);
            employee.addBindValue(QStringLiteral("ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ %1").arg(e));
            employee.exec();
            for (int d = 0; d < Days; ++d) {
                entry.addBindValue(afm);
                entry.addBindValue(QDate(2026, 1, 1).addDays(d).toString(QStringLiteral("yyyyMMdd")));
                entry.addBindValue(QStringLiteral("08:00-16:00\r\n17:00-19:00"));
                entry.exec();
            }
        }
        db.commit();
    }

    void writeLines(const PrintJob& job) {
        enscriptLines = dir.filePath(QStringLiteral("lines.txt"));
        enscriptTrimmed = dir.filePath(QStringLiteral("trimmed.txt"));
        peerLines = dir.filePath(QStringLiteral("cells.txt"));
        QFile text(enscriptLines);
        QFile trimmed(enscriptTrimmed);
        QFile cells(peerLines);
        if (!text.open(QIODevice::WriteOnly) || !trimmed.open(QIODevice::WriteOnly) ||
            !cells.open(QIODevice::WriteOnly)) {
            error = QStringLiteral("lines");
            return;
        }
        QStringEncoder greek("ISO-8859-7");
        for (int i = 0; i < job.LineCount(); ++i) {
            const QString visible = VisibleText(job.line(i));
            const QByteArray bytes = greek.encode(visible);
            text.write(bytes + '\n');
            qsizetype end = bytes.size();
            while (end > 0 && bytes.at(end - 1) == ' ')
                --end;
            trimmed.write(bytes.left(end) + '\n');
            cells.write((QString::number(job.lineSuffix(i).layout) + u' ' + visible + u'\n').toUtf8());
        }
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

struct Seconds {
    double elapsed = 0;
    double cpu = 0; // user and system time of the processes
};

double childrenCpu() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the programs (a pipeline when there are two) and returns the time they took.
Seconds run(benchmark::State& state, const QList<std::pair<QString, QStringList>>& programs) {
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const auto& [program, arguments] : programs) {
        auto process = std::make_unique<QProcess>();
        process->setProgram(program);
        process->setArguments(arguments);
        if (!processes.empty())
            processes.back()->setStandardOutputProcess(process.get());
        processes.push_back(std::move(process));
    }
    const double cpuBefore = childrenCpu();
    QElapsedTimer timer;
    timer.start();
    for (auto& process : processes)
        process->start();
    for (auto& process : processes) {
        if (!process->waitForFinished(600000) || process->exitCode() != 0) {
            state.SkipWithError((process->program() + QStringLiteral(": ") + process->readAllStandardError())
                                    .toUtf8()
                                    .constData());
            return {};
        }
    }
    return {double(timer.nsecsElapsed()) / 1e9, childrenCpu() - cpuBefore};
}

QStringList orvaReport(const QString& format, const QString& out) {
    return {QStringLiteral("report"),     QStringLiteral("entries"),
            QStringLiteral("--from"),     FromDate,
            QStringLiteral("--to"),       ToDate,
            QStringLiteral("--format"),   format,
            QStringLiteral("--out"),      out,
            QStringLiteral("--data-dir"), fixture().dataFolder};
}

// Runs orva and its peer once per iteration and reports the averages and the ratios.
void compare(benchmark::State& state, const QStringList& orva,
             const QList<std::pair<QString, QStringList>>& peer) {
    if (const QString& error = fixture().error; !error.isEmpty()) {
        state.SkipWithError(error.toUtf8().constData());
        return;
    }
    Seconds ours;
    Seconds theirs;
    for (auto _ : state) {
        const Seconds one = run(state, {{QStringLiteral(ORVA_EXECUTABLE), orva}});
        const Seconds other = run(state, peer);
        state.SetIterationTime(one.elapsed);
        ours.elapsed += one.elapsed;
        ours.cpu += one.cpu;
        theirs.elapsed += other.elapsed;
        theirs.cpu += other.cpu;
    }
    const auto average = [](double total) {
        return benchmark::Counter(total, benchmark::Counter::kAvgIterations);
    };
    state.counters["orva_s"] = average(ours.elapsed);
    state.counters["peer_s"] = average(theirs.elapsed);
    state.counters["ratio"] = theirs.elapsed > 0 ? ours.elapsed / theirs.elapsed : 0;
    state.counters["orva_cpu_s"] = average(ours.cpu);
    state.counters["peer_cpu_s"] = average(theirs.cpu);
    state.counters["cpu_ratio"] = theirs.cpu > 0 ? ours.cpu / theirs.cpu : 0;
}

// enscript in Courier 7.5 on landscape A4, piped into ps2pdf.
QList<std::pair<QString, QStringList>> enscriptPs2pdf(const QString& lines) {
    return {{QStringLiteral("enscript"),
             {QStringLiteral("--quiet"), QStringLiteral("--no-header"), QStringLiteral("--landscape"),
              QStringLiteral("--media=A4"), QStringLiteral("--font=Courier7.5"),
              QStringLiteral("--encoding=88597"), QStringLiteral("--output=-"), lines}},
            {QStringLiteral("ps2pdf"),
             {QStringLiteral("-"), fixture().dir.filePath(QStringLiteral("enscript.pdf"))}}};
}

// The lines as the report holds them, 161 characters with their trailing blanks.
void BM_PdfAgainstEnscriptPs2pdf(benchmark::State& state) {
    Fixture& f = fixture();
    compare(state, orvaReport(QStringLiteral("pdf"), f.dir.filePath(QStringLiteral("orva.pdf"))),
            enscriptPs2pdf(f.enscriptLines));
}
BENCHMARK(BM_PdfAgainstEnscriptPs2pdf)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same lines without their trailing blanks, which draw nothing: less work for the peer.
void BM_PdfAgainstEnscriptPs2pdfTrimmed(benchmark::State& state) {
    Fixture& f = fixture();
    compare(state, orvaReport(QStringLiteral("pdf"), f.dir.filePath(QStringLiteral("orva.pdf"))),
            enscriptPs2pdf(f.enscriptTrimmed));
}
BENCHMARK(BM_PdfAgainstEnscriptPs2pdfTrimmed)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_XlsxAgainstXlsxwriter(benchmark::State& state) {
    Fixture& f = fixture();
    compare(state, orvaReport(QStringLiteral("xlsx"), f.dir.filePath(QStringLiteral("orva.xlsx"))),
            {{QStringLiteral("/usr/bin/python3"),
              {QStringLiteral(ORVA_BENCH_DIR "/xlsx_peer.py"), f.peerLines,
               f.dir.filePath(QStringLiteral("python.xlsx"))}}});
}
BENCHMARK(BM_XlsxAgainstXlsxwriter)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// The peak resident memory of a whole process in MB, its output thrown away; -1 when it
// failed. bench_peak_memory runs it and tells.
double peakMemoryMB(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(ORVA_PEAK_MEMORY), QStringList{program} + arguments);
    if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return -1;
    bool read = false;
    const double kilobytes = process.readAllStandardOutput().trimmed().toDouble(&read);
    return read ? kilobytes / 1024 : -1;
}

void peakMemory(benchmark::State& state, const QString& format,
                const QList<std::pair<QString, QStringList>>& peers) {
    Fixture& f = fixture();
    if (!f.error.isEmpty()) {
        state.SkipWithError(f.error.toUtf8().constData());
        return;
    }
    double peak = 0;
    double baseline = 0;
    double peerPeak = 0;
    for (auto _ : state) {
        baseline = peakMemoryMB(QStringLiteral(ORVA_GUI_EXECUTABLE), {QStringLiteral("--version")});
        peak = peakMemoryMB(QStringLiteral(ORVA_EXECUTABLE),
                            orvaReport(format, f.dir.filePath(QStringLiteral("memory.") + format)));
        peerPeak = 0;
        for (const auto& [program, arguments] : peers)
            peerPeak = std::max(peerPeak, peakMemoryMB(program, arguments));
        if (baseline < 0 || peak < 0 || peerPeak < 0) {
            state.SkipWithError("a process failed");
            return;
        }
    }
    const double text = double(QFileInfo(f.enscriptLines).size()) / (1024 * 1024);
    const double limit = baseline + 3 * text;
    state.counters["peak_MB"] = peak;
    state.counters["qt_baseline_MB"] = baseline;
    state.counters["text_MB"] = text;
    state.counters["limit_MB"] = limit;
    state.counters["ratio"] = peak / limit;
    state.counters["peer_peak_MB"] = peerPeak;
}

void BM_PeakMemoryPdf(benchmark::State& state) {
    Fixture& f = fixture();
    const QString postscript = f.dir.filePath(QStringLiteral("enscript.ps"));
    peakMemory(
        state, QStringLiteral("pdf"),
        {{QStringLiteral("/usr/bin/enscript"),
          {QStringLiteral("--quiet"), QStringLiteral("--no-header"), QStringLiteral("--landscape"),
           QStringLiteral("--media=A4"), QStringLiteral("--font=Courier7.5"),
           QStringLiteral("--encoding=88597"), QStringLiteral("--output=") + postscript, f.enscriptLines}},
         {QStringLiteral("/usr/bin/ps2pdf"), {postscript, f.dir.filePath(QStringLiteral("enscript.pdf"))}}});
}
BENCHMARK(BM_PeakMemoryPdf)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PeakMemoryXlsx(benchmark::State& state) {
    Fixture& f = fixture();
    peakMemory(state, QStringLiteral("xlsx"),
               {{QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(ORVA_BENCH_DIR "/xlsx_peer.py"), f.peerLines,
                  f.dir.filePath(QStringLiteral("python.xlsx"))}}});
}
BENCHMARK(BM_PeakMemoryXlsx)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // The report is prepared here too (for the peers' lines), which needs fonts; no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
